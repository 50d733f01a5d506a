#include <benchmark/benchmark.h>

#include <vector>

#include "flow.h"

namespace {

// One frame's simulation: the three flows of the fixed settings, each
// stepped once in index order.
void BM_StepThreeFlows(benchmark::State& state) {
    const RendererSettings settings;
    RandomSource random;
    random.seedRandom(20240607);
    std::vector<Flow> flows;
    flows.reserve(static_cast<std::size_t>(settings.flowCount));
    for (int f = 0; f < settings.flowCount; ++f) {
        flows.emplace_back(settings, random);
    }
    for (auto _ : state) {
        for (Flow& flow : flows) {
            flow.step(random);
        }
        benchmark::DoNotOptimize(flows.front().particles.x.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = frames");
}
BENCHMARK(BM_StepThreeFlows)->Unit(benchmark::kMicrosecond);

}  // namespace
