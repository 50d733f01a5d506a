#include <benchmark/benchmark.h>

#include "offscreen_surface.h"
#include "painting.h"

namespace {

// An offscreen surface that says its swap does not keep the picture, without
// spoiling it: the painting's own copy is timed, not the noise.
class UnkeptSurface : public OffscreenSurface {
  public:
    using OffscreenSurface::OffscreenSurface;
    bool swapKeepsPicture() override { return false; }
};

// A whole frame as the screen saver draws it (trail, step and draw of every
// flow, finished), at full HD in Mesa's software renderer. Real time, since
// the renderer's own threads do most of the work.
template <typename Surface>
void offscreenFrame(benchmark::State& state, bool keptPicture) {
    RendererSettings settings;
    settings.drawMode = static_cast<int>(state.range(0));
    Surface surface(1920, 1080);
    Painting painting(surface, settings);
    painting.initGraphics(20240607);
    if (!surface.ready()) {
        state.SkipWithError("no offscreen OpenGL context");
        return;
    }
    if (painting.keepsPicture() != keptPicture) {
        state.SkipWithError("the painting did not take the path to be measured");
        painting.releaseGraphics();
        return;
    }
    // Past the first frames, while particles still wait behind the eye.
    for (int frame = 0; frame < 30; ++frame) {
        painting.drawFrame();
    }
    for (auto _ : state) {
        painting.drawFrame();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = frames");
    painting.releaseGraphics();
}

// The swap keeps the picture, and the trail darkens it with a black quad.
void BM_OffscreenFrame(benchmark::State& state) {
    offscreenFrame<OffscreenSurface>(state, false);
}

// The swap may lose the picture: the painting copies each finished frame into
// textures and starts the next one by drawing them back darkened.
void BM_OffscreenFrameKeptPicture(benchmark::State& state) {
    offscreenFrame<UnkeptSurface>(state, true);
}

BENCHMARK(BM_OffscreenFrame)
    ->ArgName("drawMode")
    ->Arg(kDrawSprites)
    ->Arg(kDrawPoints)
    ->Arg(kDrawLines)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_OffscreenFrameKeptPicture)
    ->ArgName("drawMode")
    ->Arg(kDrawSprites)
    ->Arg(kDrawPoints)
    ->Arg(kDrawLines)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
