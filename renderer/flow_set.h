#pragma once

#include <cstdint>
#include <vector>

#include "flow.h"
#include "random_source.h"
#include "renderer_settings.h"

// The painting's simulation without any drawing: the one random state that
// runs through the whole program and the flows, created together in index
// order and destroyed together. The renderer draws each flow as it steps; the
// tools only step them.
class FlowSet {
  public:
    explicit FlowSet(const RendererSettings& settings) : applied_(settings) {}

    // Seeds the random state and throws its first draws away, as the set-up
    // does before anything else.
    void seed(std::uint32_t seed);

    // flowCount flows, each drawing its random numbers in turn. Throws
    // std::bad_alloc when their memory cannot be had; what was made is then
    // released again.
    void create();

    // Steps every flow in index order and hands each to visit right after its
    // step, before the next one steps: a flow is drawn in the state its own
    // step left, while the random state runs on through the later flows.
    template <typename Visit>
    void step(Visit&& visit) {
        for (Flow& flow : flows_) {
            flow.step(random_);
            visit(static_cast<const Flow&>(flow));
        }
    }

    void release();

    std::vector<Flow>& flows() { return flows_; }
    const AppliedSettings& applied() const { return applied_; }

  private:
    AppliedSettings applied_;
    RandomSource random_;
    std::vector<Flow> flows_;
};
