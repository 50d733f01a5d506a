#include <benchmark/benchmark.h>

#include "offscreen_surface.h"
#include "painting.h"

namespace {

// A whole frame as the screen saver draws it (trail, step and draw of every
// flow, finished), at full HD in Mesa's software renderer. Real time, since
// the renderer's own threads do most of the work.
void BM_OffscreenFrame(benchmark::State& state) {
    RendererSettings settings;
    settings.drawMode = static_cast<int>(state.range(0));
    OffscreenSurface surface(1920, 1080);
    Painting painting(surface, settings);
    painting.initGraphics(20240607);
    if (!surface.ready()) {
        state.SkipWithError("no offscreen OpenGL context");
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
BENCHMARK(BM_OffscreenFrame)
    ->ArgName("drawMode")
    ->Arg(kDrawSprites)
    ->Arg(kDrawPoints)
    ->Arg(kDrawLines)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
