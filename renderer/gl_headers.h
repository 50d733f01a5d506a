#pragma once

// OpenGL 1.1 and GLU for the portable drawing code. The Windows headers of
// GL and GLU expect the calling-convention macros of <windows.h>; defining
// them here for the moment of the include keeps the platform out of the
// drawing code, and undefining them afterwards lets <windows.h> define its own
// later.
#if defined(_WIN32) && !defined(APIENTRY)
#define APIENTRY __stdcall
#define VELMORA_OWNS_APIENTRY
#endif
#if defined(_WIN32) && !defined(WINGDIAPI)
#define WINGDIAPI __declspec(dllimport)
#define VELMORA_OWNS_WINGDIAPI
#endif
#if defined(_WIN32) && !defined(CALLBACK)
#define CALLBACK __stdcall
#define VELMORA_OWNS_CALLBACK
#endif

#include <GL/gl.h>
#include <GL/glu.h>

#ifdef VELMORA_OWNS_APIENTRY
#undef APIENTRY
#undef VELMORA_OWNS_APIENTRY
#endif
#ifdef VELMORA_OWNS_WINGDIAPI
#undef WINGDIAPI
#undef VELMORA_OWNS_WINGDIAPI
#endif
#ifdef VELMORA_OWNS_CALLBACK
#undef CALLBACK
#undef VELMORA_OWNS_CALLBACK
#endif
