#include "swap_interval.h"

#include "glx_config_choice.h"

namespace {

template <typename Proc>
Proc lookUp(const char* name) {
    return reinterpret_cast<Proc>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

}  // namespace

void requestSwapPerRefresh(Display* display, int screen, GLXDrawable drawable) {
    const char* extensions = glXQueryExtensionsString(display, screen);
    // A driver may hand out an address for any name: only an offered
    // extension's function is called.
    if (hasGlxExtension(extensions, "GLX_EXT_swap_control")) {
        if (auto swapInterval = lookUp<PFNGLXSWAPINTERVALEXTPROC>("glXSwapIntervalEXT")) {
            swapInterval(display, drawable, 1);
            return;
        }
    }
    if (hasGlxExtension(extensions, "GLX_MESA_swap_control")) {
        if (auto swapInterval = lookUp<PFNGLXSWAPINTERVALMESAPROC>("glXSwapIntervalMESA")) {
            swapInterval(1);
            return;
        }
    }
    if (hasGlxExtension(extensions, "GLX_SGI_swap_control")) {
        if (auto swapInterval = lookUp<PFNGLXSWAPINTERVALSGIPROC>("glXSwapIntervalSGI")) {
            swapInterval(1);
        }
    }
}
