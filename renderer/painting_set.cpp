#include "painting_set.h"

#include <new>

#include "gl_headers.h"

namespace {

// 2^32 divided by the golden ratio: seeds this far apart never come near one
// another for any number of monitors a desk can hold.
constexpr std::uint32_t kSeedSpacing = 0x9E3779B9u;

bool sameAreas(const std::vector<ClientRect>& a, const std::vector<ClientRect>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].left != b[i].left || a[i].top != b[i].top || a[i].right != b[i].right ||
            a[i].bottom != b[i].bottom) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::uint32_t paintingSeed(std::uint32_t seed, std::size_t index) {
    return seed + static_cast<std::uint32_t>(index) * kSeedSpacing;
}

bool PaintingSet::initGraphics(const std::vector<ClientRect>& areas, std::uint32_t seed) {
    releaseGraphics();
    surface_.createContext();
    surface_.makeCurrent();
    // Where no part lies (between monitors of different sizes) nobody looks,
    // but the buffer should not hold whatever it held before.
    clearWholeBuffer();
    try {
        areas_ = areas;
        for (std::size_t i = 0; i < areas.size(); ++i) {
            // The paintings stay in the order of their parts: the first that
            // fails ends the list.
            if (!addPainting(areas[i], paintingSeed(seed, i))) {
                break;
            }
        }
    } catch (const std::bad_alloc&) {
        // A painting that could not even be made is left out like one that
        // could not have its memory.
    }
    if (paintings_.empty()) {
        areas_.clear();
        surface_.releaseContext();
        return false;
    }
    return true;
}

bool PaintingSet::addPainting(const ClientRect& area, std::uint32_t seed) {
    auto painting = std::make_unique<Painting>(surface_, settings_);
    painting->setArea(area);
    painting->setSizeScale(sizeScale_);
    if (!painting->initOnCurrentContext(seed)) {
        return false;
    }
    paintings_.push_back(std::move(painting));
    return true;
}

void PaintingSet::follow(const std::vector<ClientRect>& areas, std::uint32_t seed) {
    if (paintings_.empty() || sameAreas(areas, areas_)) {
        return;
    }
    clearWholeBuffer();
    while (paintings_.size() > areas.size()) {
        paintings_.back()->releaseOwnGraphics();
        paintings_.pop_back();
    }
    for (std::size_t i = 0; i < paintings_.size(); ++i) {
        paintings_[i]->resize(areas[i]);
    }
    try {
        for (std::size_t i = paintings_.size(); i < areas.size(); ++i) {
            if (!addPainting(areas[i], paintingSeed(seed, i))) {
                break;
            }
        }
        areas_ = areas;
    } catch (const std::bad_alloc&) {
        // The parts without a painting stay black; the next change tries
        // again.
        areas_.clear();
    }
}

void PaintingSet::setSizeScale(float scale) {
    sizeScale_ = scale;
    for (auto& painting : paintings_) {
        painting->setSizeScale(scale);
    }
}

void PaintingSet::drawFrame(int steps) {
    // The first painting last: its view is the one left current for anything
    // drawn over the whole frame before the swap (the hack's frame rate).
    for (std::size_t i = paintings_.size(); i-- > 0;) {
        paintings_[i]->paintFrame(steps);
    }
    glFlush();
    surface_.swapBuffers();
}

void PaintingSet::swapStoppedKeepingPicture() {
    for (auto& painting : paintings_) {
        painting->swapStoppedKeepingPicture();
    }
}

bool PaintingSet::keepsPicture() const {
    for (const auto& painting : paintings_) {
        if (painting->keepsPicture()) {
            return true;
        }
    }
    return false;
}

void PaintingSet::releaseGraphics() {
    if (paintings_.empty()) {
        return;
    }
    for (auto& painting : paintings_) {
        painting->releaseOwnGraphics();
    }
    paintings_.clear();
    areas_.clear();
    surface_.releaseContext();
}

void PaintingSet::clearWholeBuffer() {
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}
