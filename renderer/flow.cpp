#include "flow.h"

#include <cmath>

namespace {

// 60/32767, 30/32767 and 2pi/32767 as the single-precision constants that
// turn a random draw into a coordinate or a phase.
constexpr float kSpreadXY = 0.0018311106f;
constexpr float kSpreadZ = 0.00091555528f;
constexpr float kPhaseSpread = 0.00019175345f;
constexpr float kRateSpread = 1.5259254e-9f;  // about 0.00005/32767
constexpr float kRateBase = 0.00001f;

// Particles that no emitter has written yet wait far behind the eye.
constexpr float kUnwrittenDepth = 100.0f;

float randomXY(RandomSource& random) {
    return static_cast<float>(random.nextRandom()) * kSpreadXY - 30.0f;
}

float clampToOne(float channel) {
    return channel > 1.0f ? 1.0f : channel;
}

}  // namespace

Flow::Flow(const RendererSettings& settings, RandomSource& random)
    : settings_(settings), derived_(deriveValues(settings)) {
    emitters.resize(static_cast<std::size_t>(settings.emitterCount));
    for (Emitter& emitter : emitters) {
        emitter.x = randomXY(random);
        emitter.y = randomXY(random);
        emitter.z = static_cast<float>(random.nextRandom()) * kSpreadZ - 15.0f;
    }

    particles.assign(static_cast<std::size_t>(settings.particleCount),
                     Particle{0.0f, 0.0f, kUnwrittenDepth, 0.0f, 0.0f, 0.0f});
    nextSlot = 0;

    if (linked()) {
        links.assign(static_cast<std::size_t>(settings.particleCount), ParticleLink{-1, -1});
        // Each emitter's first particle lands in its own slot and so starts
        // as its own neighbour.
        lastEmitted.resize(static_cast<std::size_t>(settings.emitterCount));
        for (std::size_t i = 0; i < lastEmitted.size(); ++i) {
            lastEmitted[i] = static_cast<std::int32_t>(i);
        }
    }

    const float rate = static_cast<float>(settings.oscillatorRate * settings.oscillatorRate);
    for (int k = 0; k < kOscillatorCount; ++k) {
        phase[k] = static_cast<float>(random.nextRandom()) * kPhaseSpread;
        phaseStep[k] =
            static_cast<float>(random.nextRandom()) * (rate * kRateSpread) + rate * kRateBase;
    }
}

void Flow::step(RandomSource& random) {
    turnOscillators();
    emit(random);
    const float gain = colourGain(settings_);
    coefficient[6] *= gain;
    coefficient[7] *= gain;
    coefficient[8] *= gain;
    moveParticles();
}

void Flow::turnOscillators() {
    for (int k = 0; k < kOscillatorCount; ++k) {
        phase[k] = phase[k] + phaseStep[k];
        if (phase[k] > kTwoPi) {
            phase[k] = phase[k] - kTwoPi;
        }
        coefficient[k] = std::cos(phase[k]);
    }
}

void Flow::emit(RandomSource& random) {
    const std::int32_t ringSize = settings_.particleCount;
    for (int i = 0; i < settings_.emitterCount; ++i) {
        Emitter& emitter = emitters[static_cast<std::size_t>(i)];
        emitter.z = emitter.z + derived_.emitterStep;
        if (emitter.z > kEmitterNear) {
            emitter.x = randomXY(random);
            emitter.y = randomXY(random);
            emitter.z = kEmitterFar;
        }

        Particle& particle = particles[static_cast<std::size_t>(nextSlot)];
        particle.x = emitter.x;
        particle.y = emitter.y;
        particle.z = emitter.z;

        if (linked()) {
            linkNewParticle(i, nextSlot);
        }

        nextSlot = nextSlot + 1;
        if (nextSlot == ringSize) {
            nextSlot = 0;
        }
    }
}

void Flow::linkNewParticle(int emitter, std::int32_t slot) {
    ParticleLink& link = links[static_cast<std::size_t>(slot)];
    // The particle that followed the overwritten one loses its tail.
    if (link.newer >= 0) {
        links[static_cast<std::size_t>(link.newer)].older = -1;
    }
    link.newer = -1;

    std::int32_t& last = lastEmitted[static_cast<std::size_t>(emitter)];
    // An emitter that has just jumped back starts a new chain.
    const bool jumped = emitters[static_cast<std::size_t>(emitter)].z == kEmitterFar;
    link.older = jumped ? -1 : last;
    links[static_cast<std::size_t>(last)].newer = slot;
    last = slot;
}

void Flow::moveParticles() {
    const float s = derived_.particleStep;
    const std::array<float, kOscillatorCount>& c = coefficient;
    for (Particle& p : particles) {
        const float x = p.x;
        const float y = p.y;
        const float z = p.z;
        p.x = x + (c[0] * y + c[1] * z) * s;
        p.y = y + (c[3] * x + c[2] * z) * s;
        p.z = z + (c[4] * x + c[5] * y) * s;
        p.r = clampToOne(std::fabs((p.x - x) * c[6]));
        p.g = clampToOne(std::fabs((p.y - y) * c[7]));
        p.b = clampToOne(std::fabs((p.z - z) * c[8]));
    }
}
