#include <benchmark/benchmark.h>

#include <utility>

#include <sys/resource.h>

#include "offscreen_surface.h"
#include "painting.h"

namespace {

// Processor time of the whole process, Mesa's threads included: what the
// frames cost the machine, whatever else it is doing meanwhile.
double processSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// An offscreen surface that says its swap does not keep the picture, without
// spoiling it: the painting's own copy is timed, not the noise.
class UnkeptSurface : public OffscreenSurface {
  public:
    using OffscreenSurface::OffscreenSurface;
    bool swapKeepsPicture() override { return false; }
};

// A whole frame as the screen saver draws it (trail, step and draw of every
// flow, finished) in Mesa's software renderer, by draw mode, size and way of
// drawing the particles: batched (1) or each as its own batch (0), the first
// way, against which the batches are measured in the same run. Real time,
// since the renderer's own threads do most of the work.
template <typename Surface>
void offscreenFrame(benchmark::State& state, bool keptPicture) {
    RendererSettings settings;
    settings.drawMode = static_cast<int>(state.range(0));
    Surface surface(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
    Painting painting(surface, settings);
    painting.setParticleDrawing(state.range(3) != 0 ? ParticleDrawing::kBatched
                                                    : ParticleDrawing::kOneByOne);
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
    const double processStart = processSeconds();
    for (auto _ : state) {
        painting.drawFrame();
    }
    state.counters["process_ms"] = benchmark::Counter((processSeconds() - processStart) * 1000.0 /
                                                      static_cast<double>(state.iterations()));
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

// Every draw mode at a small and a full-HD view, both ways.
void frameArguments(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"drawMode", "width", "height", "batched"});
    for (const int mode : {kDrawSprites, kDrawPoints, kDrawLines}) {
        for (const auto& size : {std::pair<int, int>{640, 480}, std::pair<int, int>{1920, 1080}}) {
            for (const int batched : {0, 1}) {
                bench->Args({mode, size.first, size.second, batched});
            }
        }
    }
}

BENCHMARK(BM_OffscreenFrame)->Apply(frameArguments)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OffscreenFrameKeptPicture)
    ->Apply(frameArguments)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
