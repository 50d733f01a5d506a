// The set-up when the flows' memory cannot be had. This program replaces the
// global allocation functions so that a chosen allocation fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "painting.h"

namespace {

// Counts down while armed; the allocation that finds it at zero fails.
long allocationsUntilFailure = -1;
bool allocationFailed = false;

void* allocate(std::size_t size) {
    if (allocationsUntilFailure == 0) {
        allocationFailed = true;
        throw std::bad_alloc();
    }
    if (allocationsUntilFailure > 0) {
        --allocationsUntilFailure;
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

// A surface without a context, so that the GL calls of the set-up do nothing
// and allocate nothing: only the painting's own allocations are counted. It
// remembers whether the painting gave its context back.
class CountingSurface : public GraphicsSurface {
  public:
    void createContext() override { ++creations; }
    ClientRect clientRect() override { return ClientRect{0, 0, 64, 48}; }
    void makeCurrent() override {}
    void swapBuffers() override {}
    // So that the kept picture's allocations are counted too.
    bool swapKeepsPicture() override { return false; }
    void releaseContext() override { ++releases; }

    int creations = 0;
    int releases = 0;
};

TEST(PaintingMemory, EveryFailedAllocationEndsTheSetUpCleanly) {
    // Each allocation of the set-up fails once, in turn, until one set-up
    // needs no more than those that were let through.
    for (long failAt = 0;; ++failAt) {
        SCOPED_TRACE("allocation " + std::to_string(failAt) + " fails");
        CountingSurface surface;
        Painting painting(surface, RendererSettings{});
        allocationsUntilFailure = failAt;
        allocationFailed = false;
        const bool made = painting.initGraphics(1);
        allocationsUntilFailure = -1;

        if (!allocationFailed) {
            EXPECT_TRUE(made);
            EXPECT_EQ(painting.flows().size(), 3u);
            EXPECT_EQ(surface.releases, 0);
            EXPECT_TRUE(painting.keepsPicture());
            ASSERT_GT(failAt, 3) << "the set-up allocates the flows' arrays";
            break;
        }
        EXPECT_FALSE(made);
        EXPECT_EQ(surface.creations, 1);
        EXPECT_TRUE(painting.flows().empty()) << "the flows made so far are released";
        EXPECT_EQ(painting.flows().capacity(), 0u);
        EXPECT_EQ(surface.releases, 1) << "the context is given back";
    }
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
