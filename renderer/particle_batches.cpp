#include "particle_batches.h"

#include <algorithm>
#include <cstring>

namespace {

// A float's exponent and its top mantissa bits: with six of them, 64 classes
// to a doubling.
constexpr int kClassBits = 6;

constexpr int kDroppedBits = 23 - kClassBits;

std::uint32_t bitsOf(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float floatOf(std::uint32_t bits) {
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

std::uint32_t sizeClassOf(float size) {
    // Sizes are positive: the sign bit is clear and the bits grow with the
    // size.
    return bitsOf(size) >> kDroppedBits;
}

float sizeOfClass(std::uint32_t sizeClass) {
    // The middle of the class: its lowest size with the highest dropped bit
    // set.
    return floatOf((sizeClass << kDroppedBits) | (1u << (kDroppedBits - 1)));
}

void SizedBatches::reserve(std::size_t particles, std::size_t verticesEach) {
    release();
    verticesEach_ = verticesEach;
    added_.resize(particles * verticesEach);
    sorted_.resize(particles * verticesEach);
    keys_.resize(particles);
    runClass_.resize(particles);
    runFirst_.resize(particles);
}

void SizedBatches::release() {
    std::vector<ColouredVertex>().swap(added_);
    std::vector<ColouredVertex>().swap(sorted_);
    std::vector<std::uint64_t>().swap(keys_);
    std::vector<std::uint32_t>().swap(runClass_);
    std::vector<std::size_t>().swap(runFirst_);
    gathered_ = 0;
    runCount_ = 0;
}

void SizedBatches::add(float size, const ColouredVertex* vertices) {
    if (gathered_ >= keys_.size()) {
        return;
    }
    keys_[gathered_] = (static_cast<std::uint64_t>(sizeClassOf(size)) << 32) | gathered_;
    std::copy(vertices, vertices + verticesEach_, &added_[gathered_ * verticesEach_]);
    ++gathered_;
}

void SizedBatches::sort() {
    std::sort(keys_.begin(), keys_.begin() + static_cast<std::ptrdiff_t>(gathered_));
    runCount_ = 0;
    for (std::size_t i = 0; i < gathered_; ++i) {
        const auto sizeClass = static_cast<std::uint32_t>(keys_[i] >> 32);
        const auto from = static_cast<std::size_t>(keys_[i] & 0xFFFFFFFFu) * verticesEach_;
        std::copy(&added_[from], &added_[from] + verticesEach_, &sorted_[i * verticesEach_]);
        if (runCount_ == 0 || runClass_[runCount_ - 1] != sizeClass) {
            runClass_[runCount_] = sizeClass;
            runFirst_[runCount_] = i;
            ++runCount_;
        }
    }
}

SizedBatches::Run SizedBatches::run(std::size_t index) const {
    const std::size_t first = runFirst_[index];
    const std::size_t end = index + 1 < runCount_ ? runFirst_[index + 1] : gathered_;
    return {sizeOfClass(runClass_[index]), first * verticesEach_, (end - first) * verticesEach_};
}
