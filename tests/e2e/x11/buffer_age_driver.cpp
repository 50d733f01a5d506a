// Stands in for a GL driver that tells the back buffer's age, for the hack's
// tests on drivers that do not (Mesa's software driver under Xvfb, for one).
// Preloaded into velmora, it adds GLX_EXT_buffer_age to the screen's GLX
// extensions and answers the age of the back buffer from
// VELMORA_TEST_BUFFER_AGES, a comma-separated list: the first query gets the
// first age, and so on, the last repeating for ever. Everything else goes to
// the real GLX.
#include <GL/glx.h>
#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

template <typename Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

std::vector<unsigned int> agesAsked() {
    std::vector<unsigned int> ages;
    const char* list = std::getenv("VELMORA_TEST_BUFFER_AGES");
    for (const char* at = list; at != nullptr && *at != '\0';) {
        char* end = nullptr;
        ages.push_back(static_cast<unsigned int>(std::strtoul(at, &end, 10)));
        at = *end == ',' ? end + 1 : nullptr;
    }
    if (ages.empty()) {
        ages.push_back(1);
    }
    return ages;
}

}  // namespace

extern "C" const char* glXQueryExtensionsString(Display* display, int screen) {
    static std::string extensions;
    const char* offered =
        real<const char* (*)(Display*, int)>("glXQueryExtensionsString")(display, screen);
    extensions = offered != nullptr ? offered : "";
    if (extensions.find("GLX_EXT_buffer_age") == std::string::npos) {
        extensions += " GLX_EXT_buffer_age";
    }
    return extensions.c_str();
}

extern "C" void glXQueryDrawable(Display* display, GLXDrawable drawable, int attribute,
                                 unsigned int* value) {
    if (attribute != GLX_BACK_BUFFER_AGE_EXT) {
        real<void (*)(Display*, GLXDrawable, int, unsigned int*)>("glXQueryDrawable")(
            display, drawable, attribute, value);
        return;
    }
    static const std::vector<unsigned int> ages = agesAsked();
    static std::size_t asked = 0;
    *value = ages[asked < ages.size() ? asked : ages.size() - 1];
    ++asked;
}
