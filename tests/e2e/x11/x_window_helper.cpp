// What the hack's tests need of another X program:
//   x_window_helper host TITLE WIDTH HEIGHT   maps a window at (0, 0) on the
//       screen's default visual, prints its id and keeps it until SIGTERM
//   x_window_helper close ID                   asks a window to close, as a
//       window manager's close button does (WM_DELETE_WINDOW)

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

namespace {

int hostWindow(Display* display, const char* title, int width, int height) {
    const int screen = DefaultScreen(display);
    Window window = XCreateSimpleWindow(
        display, RootWindow(display, screen), 0, 0, static_cast<unsigned>(width),
        static_cast<unsigned>(height), 0, BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, title);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            break;
        }
    }
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    // The default action of SIGTERM ends the program; the server then
    // destroys the window.
    for (;;) {
        pause();
    }
}

int closeWindow(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x_window_helper: no display\n");
        return 1;
    }
    if (argc == 5 && std::strcmp(argv[1], "host") == 0) {
        return hostWindow(display, argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    }
    if (argc == 3 && std::strcmp(argv[1], "close") == 0) {
        return closeWindow(display, std::strtoul(argv[2], nullptr, 0));
    }
    std::fprintf(stderr, "usage: x_window_helper host TITLE WIDTH HEIGHT | close ID\n");
    return 2;
}
