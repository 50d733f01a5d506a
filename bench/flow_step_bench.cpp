#include <benchmark/benchmark.h>

#include "flow_set.h"

namespace {

// One frame's simulation: the three flows of the fixed settings, each
// stepped once in index order.
void BM_StepThreeFlows(benchmark::State& state) {
    FlowSet flows{RendererSettings{}};
    flows.seed(20240607);
    flows.create();
    for (auto _ : state) {
        flows.step([](const Flow&) {});
        benchmark::DoNotOptimize(flows.flows().front().particles.x.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("items = frames");
}
BENCHMARK(BM_StepThreeFlows)->Unit(benchmark::kMicrosecond);

}  // namespace
