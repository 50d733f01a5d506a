#include "glx_config_choice.h"

#include <cstring>
#include <tuple>

namespace {

auto preference(const GlxConfigFields& c) {
    return std::make_tuple(!c.slow, c.doubleBuffered, c.swapCopies, -c.samples, c.colourBits,
                           -c.ancillaryBits);
}

}  // namespace

int chooseGlxConfig(const std::vector<GlxConfigFields>& configs) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(configs.size()); ++i) {
        const GlxConfigFields& c = configs[static_cast<std::size_t>(i)];
        if (!c.rgbaWindow) {
            continue;
        }
        if (best < 0 || preference(c) > preference(configs[static_cast<std::size_t>(best)])) {
            best = i;
        }
    }
    return best;
}

bool BufferAgeWatch::swapShown(int age) {
    if (!keeps_ || age == 1) {
        return false;
    }
    keeps_ = false;
    return true;
}

bool hasGlxExtension(const char* extensions, const char* name) {
    if (extensions == nullptr) {
        return false;
    }
    const std::size_t length = std::strlen(name);
    // A name can begin another: GLX_EXT_swap_control and
    // GLX_EXT_swap_control_tear.
    for (const char* at = std::strstr(extensions, name); at != nullptr;
         at = std::strstr(at + 1, name)) {
        const bool starts = at == extensions || at[-1] == ' ';
        const bool ends = at[length] == ' ' || at[length] == '\0';
        if (starts && ends) {
            return true;
        }
    }
    return false;
}
