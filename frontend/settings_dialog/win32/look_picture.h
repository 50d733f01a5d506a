#pragma once

#include <windows.h>

#include "renderer_settings.h"

// The painting page's moving picture Pic_Look: the painting with the look as
// it stands, the whole screen in miniature as the preview shows it, stepped
// at the painting's pace while it runs. It is drawn into a picture in memory
// and shown with GDI like the rest of the dialog, so that it is seen wherever
// the dialog is (Wine shows no OpenGL child window). Where the system cannot
// draw OpenGL into a bitmap, it stays black.

bool RegisterLookPictureClass(HINSTANCE instance);

HWND CreateLookPicture(HWND container, int id, const RECT& placement);

// Starts the painting afresh, from black, with these settings.
void ShowLookIn(HWND picture, const RendererSettings& settings);

// Steps the painting while `running` (its page is shown), else holds it.
void RunLookPicture(HWND picture, bool running);
