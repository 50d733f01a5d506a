#include "hack_window.h"

#include <X11/Xatom.h>

#include <cstdio>

#include "x_errors.h"

namespace {

constexpr int kOwnWidth = 1280;
constexpr int kOwnHeight = 720;
constexpr const char* kOwnTitle = "Velmora";

std::string hex(unsigned long id) {
    char text[32];
    std::snprintf(text, sizeof(text), "0x%lx", id);
    return text;
}

// Asks a window manager, where there is one, to show the window without
// its frame over the whole screen.
void askForFullscreen(Display* display, Window window) {
    Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    Atom fullscreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&fullscreen), 1);
}

bool openOwnWindow(Display* display, const HackOptions& options, HackWindow& target,
                   std::string& error) {
    const int screen = DefaultScreen(display);
    const auto config = glxConfigForNewWindow(display, screen);
    if (!config) {
        error = "the display offers no OpenGL visual for a window";
        return false;
    }
    target.config = *config;
    const Window root = RootWindow(display, screen);
    const int width = options.fullscreen ? DisplayWidth(display, screen) : kOwnWidth;
    const int height = options.fullscreen ? DisplayHeight(display, screen) : kOwnHeight;

    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(display, root, config->visual.visual, AllocNone);
    attributes.background_pixel = 0;  // black on a true-colour visual
    attributes.border_pixel = 0;
    attributes.event_mask = StructureNotifyMask | VisibilityChangeMask | KeyPressMask;
    target.window = XCreateWindow(
        display, root, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
        config->visual.depth, InputOutput, config->visual.visual,
        CWColormap | CWBackPixel | CWBorderPixel | CWEventMask, &attributes);
    target.own = true;

    XStoreName(display, target.window, kOwnTitle);
    XClassHint windowClass{const_cast<char*>("velmora"), const_cast<char*>("Velmora")};
    XSetClassHint(display, target.window, &windowClass);
    target.deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, target.window, &target.deleteWindow, 1);
    if (options.fullscreen) {
        askForFullscreen(display, target.window);
    }
    XMapRaised(display, target.window);
    // Frames wait for the MapNotify.
    target.mapped = false;
    return true;
}

bool useExistingWindow(Display* display, Window window, HackWindow& target, std::string& error) {
    // Only the structure: input belongs to whoever made the window. Chosen
    // before the state is read, so that a mapping in between still arrives.
    XSelectInput(display, window, StructureNotifyMask | VisibilityChangeMask);
    XWindowAttributes attributes{};
    const bool found = XGetWindowAttributes(display, window, &attributes) != 0;
    takeXError(display);
    if (!found) {
        error = "no window " + hex(window);
        return false;
    }
    const auto config = glxConfigForVisual(display, XScreenNumberOfScreen(attributes.screen),
                                           XVisualIDFromVisual(attributes.visual));
    if (!config) {
        error = "window " + hex(window) + " has no OpenGL visual";
        return false;
    }
    target.window = window;
    target.config = *config;
    target.own = false;
    target.mapped = attributes.map_state != IsUnmapped;
    return true;
}

}  // namespace

bool openHackWindow(Display* display, const HackOptions& options, HackWindow& target,
                    std::string& error) {
    if (!glxUsable(display)) {
        error = "the display offers no GLX 1.3";
        return false;
    }
    switch (options.target) {
        case DrawTarget::GivenWindow:
            return useExistingWindow(display, options.windowId, target, error);
        case DrawTarget::RootWindow:
            return useExistingWindow(display, DefaultRootWindow(display), target, error);
        case DrawTarget::OwnWindow:
            break;
    }
    return openOwnWindow(display, options, target, error);
}

void closeHackWindow(Display* display, const HackWindow& target) {
    if (target.own) {
        XDestroyWindow(display, target.window);
    }
}
