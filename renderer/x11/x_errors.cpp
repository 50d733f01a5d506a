#include "x_errors.h"

#include <cstdio>

namespace {

bool errorSeen = false;
XErrorEvent firstError{};

int noteError(Display*, XErrorEvent* error) {
    if (!errorSeen) {
        errorSeen = true;
        firstError = *error;
    }
    return 0;
}

}  // namespace

void noteXErrors() {
    XSetErrorHandler(noteError);
}

std::string takeXError(Display* display) {
    if (!errorSeen) {
        return {};
    }
    errorSeen = false;
    char text[256] = {};
    XGetErrorText(display, firstError.error_code, text, sizeof(text));
    char request[64];
    std::snprintf(request, sizeof(request), " (request %d, resource 0x%lx)",
                  firstError.request_code, firstError.resourceid);
    return std::string(text) + request;
}
