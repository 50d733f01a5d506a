// Prints the state of the painting's flows after a number of frames, so that
// the simulation can be examined and compared without any window.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "flow.h"
#include "flow_set.h"
#include "renderer_settings.h"

namespace {

constexpr int kBadArguments = 2;

struct Options {
    std::uint32_t seed = 0;
    long frames = 0;
    int drawMode = -1;  // -1: the fixed setting
};

void usage() {
    std::fprintf(stderr, "usage: velmora-sim --seed N --frames F [--draw-mode M]\n");
}

bool parseNumber(const char* text, long long low, long long high, long long& value) {
    if (*text == '\0') {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed < low || parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}

bool parseOptions(int argc, char** argv, Options& options) {
    bool haveSeed = false;
    bool haveFrames = false;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "velmora-sim: %s needs a value\n", name.c_str());
            return false;
        }
        const char* text = argv[++i];
        long long value = 0;
        if (name == "--seed") {
            if (!parseNumber(text, 0, UINT32_MAX, value)) {
                std::fprintf(stderr, "velmora-sim: --seed takes 0 to 4294967295, not '%s'\n", text);
                return false;
            }
            options.seed = static_cast<std::uint32_t>(value);
            haveSeed = true;
        } else if (name == "--frames") {
            if (!parseNumber(text, 0, 100000000, value)) {
                std::fprintf(stderr, "velmora-sim: --frames takes 0 to 100000000, not '%s'\n",
                             text);
                return false;
            }
            options.frames = static_cast<long>(value);
            haveFrames = true;
        } else if (name == "--draw-mode") {
            if (!parseNumber(text, 0, 2, value)) {
                std::fprintf(stderr, "velmora-sim: --draw-mode takes 0, 1 or 2, not '%s'\n", text);
                return false;
            }
            options.drawMode = static_cast<int>(value);
        } else {
            std::fprintf(stderr, "velmora-sim: unknown argument '%s'\n", name.c_str());
            return false;
        }
    }
    if (!haveSeed || !haveFrames) {
        std::fprintf(stderr, "velmora-sim: --seed and --frames are both needed\n");
        return false;
    }
    return true;
}

void printFlow(int index, const Flow& flow) {
    std::printf("flow %d nextSlot %d\n", index, static_cast<int>(flow.nextSlot));
    for (int k = 0; k < kOscillatorCount; ++k) {
        std::printf("phase %d %.9g %.9g %.9g\n", k, flow.phase[k], flow.phaseStep[k],
                    flow.coefficient[k]);
    }
    for (std::size_t i = 0; i < flow.emitters.size(); ++i) {
        const Emitter& e = flow.emitters[i];
        std::printf("emitter %zu %.9g %.9g %.9g\n", i, e.x, e.y, e.z);
    }
    for (std::size_t j = 0; j < flow.particles.size(); ++j) {
        const Particle p = flow.particles.get(j);
        std::printf("particle %zu %.9g %.9g %.9g %.9g %.9g %.9g", j, p.x, p.y, p.z, p.r, p.g, p.b);
        if (flow.linked()) {
            std::printf(" %d %d", static_cast<int>(flow.links[j].newer),
                        static_cast<int>(flow.links[j].older));
        }
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        usage();
        return kBadArguments;
    }

    RendererSettings settings;
    if (options.drawMode >= 0) {
        settings.drawMode = options.drawMode;
    }

    // The painting's own set-up and stepping, without the drawing.
    FlowSet flows(settings);
    flows.seed(options.seed);
    flows.create();
    for (long frame = 0; frame < options.frames; ++frame) {
        flows.step([](const Flow&) {});
    }
    for (std::size_t f = 0; f < flows.flows().size(); ++f) {
        printFlow(static_cast<int>(f), flows.flows()[f]);
    }
    return 0;
}
