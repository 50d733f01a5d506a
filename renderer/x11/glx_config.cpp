#include "glx_config.h"

#include <memory>
#include <vector>

#include "glx_config_choice.h"

namespace {

struct XFreeDeleter {
    void operator()(void* p) const { XFree(p); }
};

int attribute(Display* display, GLXFBConfig config, int name) {
    int value = 0;
    // An attribute the implementation does not know reads as 0.
    if (glXGetFBConfigAttrib(display, config, name, &value) != Success) {
        return 0;
    }
    return value;
}

GlxConfigFields fieldsOf(Display* display, GLXFBConfig config, bool swapMethodKnown) {
    GlxConfigFields f{};
    f.rgbaWindow = (attribute(display, config, GLX_RENDER_TYPE) & GLX_RGBA_BIT) != 0 &&
                   (attribute(display, config, GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT) != 0;
    f.slow = attribute(display, config, GLX_CONFIG_CAVEAT) == GLX_SLOW_CONFIG;
    f.doubleBuffered = attribute(display, config, GLX_DOUBLEBUFFER) != 0;
    // Without GLX_OML_swap_method nothing is promised.
    f.swapCopies =
        swapMethodKnown && attribute(display, config, GLX_SWAP_METHOD_OML) == GLX_SWAP_COPY_OML;
    f.samples = attribute(display, config, GLX_SAMPLES);
    f.colourBits = attribute(display, config, GLX_RED_SIZE) +
                   attribute(display, config, GLX_GREEN_SIZE) +
                   attribute(display, config, GLX_BLUE_SIZE);
    f.ancillaryBits = attribute(display, config, GLX_DEPTH_SIZE) +
                      attribute(display, config, GLX_STENCIL_SIZE) +
                      attribute(display, config, GLX_ACCUM_RED_SIZE) +
                      attribute(display, config, GLX_ACCUM_GREEN_SIZE) +
                      attribute(display, config, GLX_ACCUM_BLUE_SIZE) +
                      attribute(display, config, GLX_ACCUM_ALPHA_SIZE);
    return f;
}

// Chooses among the screen's configurations whose visual the filter accepts.
template <typename VisualFilter>
std::optional<GlxConfig> chooseConfig(Display* display, int screen, VisualFilter accepts) {
    int count = 0;
    std::unique_ptr<GLXFBConfig, XFreeDeleter> configs(glXGetFBConfigs(display, screen, &count));
    if (!configs) {
        return std::nullopt;
    }
    const bool swapMethodKnown =
        hasGlxExtension(glXQueryExtensionsString(display, screen), "GLX_OML_swap_method");

    std::vector<GLXFBConfig> candidates;
    std::vector<XVisualInfo> visuals;
    std::vector<GlxConfigFields> fields;
    for (int i = 0; i < count; ++i) {
        GLXFBConfig config = configs.get()[i];
        std::unique_ptr<XVisualInfo, XFreeDeleter> visual(
            glXGetVisualFromFBConfig(display, config));
        if (!visual || !accepts(*visual)) {
            continue;
        }
        candidates.push_back(config);
        visuals.push_back(*visual);
        fields.push_back(fieldsOf(display, config, swapMethodKnown));
    }
    const int chosen = chooseGlxConfig(fields);
    if (chosen < 0) {
        return std::nullopt;
    }
    const auto c = static_cast<std::size_t>(chosen);
    return GlxConfig{candidates[c], visuals[c], swapKeepsPicture(fields[c])};
}

}  // namespace

bool glxUsable(Display* display) {
    int major = 0;
    int minor = 0;
    return glXQueryVersion(display, &major, &minor) && (major > 1 || minor >= 3);
}

std::optional<GlxConfig> glxConfigForVisual(Display* display, int screen, VisualID visual) {
    return chooseConfig(display, screen,
                        [visual](const XVisualInfo& info) { return info.visualid == visual; });
}

std::optional<GlxConfig> glxConfigForNewWindow(Display* display, int screen) {
    const int depth = DefaultDepth(display, screen);
    return chooseConfig(display, screen, [depth](const XVisualInfo& info) {
        return info.c_class == TrueColor && info.depth == depth;
    });
}
