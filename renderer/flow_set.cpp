#include "flow_set.h"

namespace {

// The set-up throws these away right after seeding.
constexpr int kDiscardedDraws = 5;

}  // namespace

void FlowSet::seed(std::uint32_t seed) {
    random_.seedRandom(seed);
    for (int i = 0; i < kDiscardedDraws; ++i) {
        random_.nextRandom();
    }
}

void FlowSet::create() {
    try {
        // Reserved up front so that no flow is ever moved or copied.
        flows_.reserve(static_cast<std::size_t>(applied_.fixed.flowCount));
        for (int f = 0; f < applied_.fixed.flowCount; ++f) {
            flows_.emplace_back(applied_, random_);
        }
    } catch (...) {
        release();
        throw;
    }
}

void FlowSet::release() {
    std::vector<Flow>().swap(flows_);
}
