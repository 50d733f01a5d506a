#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "random_source.h"
#include "renderer_settings.h"

struct Emitter {
    float x, y, z;
};

struct Particle {
    float x, y, z;
    float r, g, b;
};

// The ring of particles, one array per field: stepping then runs over plain
// arrays of floats, which the compiler turns into vector arithmetic.
class ParticleRing {
  public:
    void assign(std::size_t count, const Particle& particle);
    std::size_t size() const { return x.size(); }
    Particle get(std::size_t j) const { return Particle{x[j], y[j], z[j], r[j], g[j], b[j]}; }
    void put(std::size_t j, const Particle& particle);

    std::vector<float> x, y, z;
    std::vector<float> r, g, b;
};

// Neighbours along one emitter's chain of particles, -1 for none.
struct ParticleLink {
    std::int32_t newer;
    std::int32_t older;
};

constexpr int kOscillatorCount = 9;

// Emitters sit in this box; one that drifts past the near face jumps back to
// the far face at a fresh place.
constexpr float kEmitterFar = -15.0f;
constexpr float kEmitterNear = 15.0f;
constexpr float kTwoPi = 6.2831855f;

// One flow of the painting: emitters dropping particles into a ring that a
// changing linear velocity field sweeps along. Every array is sized at
// creation and never resized, so stepping obtains no memory.
class Flow {
  public:
    // Draws 3 x emitterCount + 18 random numbers, in the order the picture
    // depends on.
    Flow(const AppliedSettings& applied, RandomSource& random);

    // Advances the flow by one frame.
    void step(RandomSource& random);

    bool linked() const { return applied_.fixed.drawMode == kDrawLines; }
    const RendererSettings& settings() const { return applied_.fixed; }

    std::vector<Emitter> emitters;
    ParticleRing particles;
    std::vector<ParticleLink> links;        // only in line mode
    std::vector<std::int32_t> lastEmitted;  // only in line mode
    std::int32_t nextSlot = 0;
    std::array<float, kOscillatorCount> phase{};
    std::array<float, kOscillatorCount> phaseStep{};
    std::array<float, kOscillatorCount> coefficient{};

  private:
    void turnOscillators();
    void emit(RandomSource& random);
    void linkNewParticle(int emitter, std::int32_t slot);
    void moveParticles();

    AppliedSettings applied_;
};
