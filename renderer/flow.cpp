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

// The six arrays never overlap; saying so lets the compiler step four
// particles at a time with the very same single-precision operations.
void moveRing(float* __restrict px, float* __restrict py, float* __restrict pz,
              float* __restrict pr, float* __restrict pg, float* __restrict pb, std::size_t count,
              const std::array<float, kOscillatorCount>& coefficient, float s) {
    const float c0 = coefficient[0], c1 = coefficient[1], c2 = coefficient[2];
    const float c3 = coefficient[3], c4 = coefficient[4], c5 = coefficient[5];
    const float c6 = coefficient[6], c7 = coefficient[7], c8 = coefficient[8];
    for (std::size_t j = 0; j < count; ++j) {
        const float x = px[j];
        const float y = py[j];
        const float z = pz[j];
        // All three from the old position.
        const float nx = x + (c0 * y + c1 * z) * s;
        const float ny = y + (c3 * x + c2 * z) * s;
        const float nz = z + (c4 * x + c5 * y) * s;
        px[j] = nx;
        py[j] = ny;
        pz[j] = nz;
        pr[j] = clampToOne(std::fabs((nx - x) * c6));
        pg[j] = clampToOne(std::fabs((ny - y) * c7));
        pb[j] = clampToOne(std::fabs((nz - z) * c8));
    }
}

}  // namespace

void ParticleRing::assign(std::size_t count, const Particle& particle) {
    x.assign(count, particle.x);
    y.assign(count, particle.y);
    z.assign(count, particle.z);
    r.assign(count, particle.r);
    g.assign(count, particle.g);
    b.assign(count, particle.b);
}

void ParticleRing::put(std::size_t j, const Particle& particle) {
    x[j] = particle.x;
    y[j] = particle.y;
    z[j] = particle.z;
    r[j] = particle.r;
    g[j] = particle.g;
    b[j] = particle.b;
}

Flow::Flow(const AppliedSettings& applied, RandomSource& random) : applied_(applied) {
    const RendererSettings& settings = applied_.fixed;
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
    const float gain = colourGain(applied_.fixed);
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
    const std::int32_t ringSize = applied_.fixed.particleCount;
    for (int i = 0; i < applied_.fixed.emitterCount; ++i) {
        Emitter& emitter = emitters[static_cast<std::size_t>(i)];
        emitter.z = emitter.z + applied_.derived.emitterStep;
        if (emitter.z > kEmitterNear) {
            emitter.x = randomXY(random);
            emitter.y = randomXY(random);
            emitter.z = kEmitterFar;
        }

        const std::size_t slot = static_cast<std::size_t>(nextSlot);
        particles.x[slot] = emitter.x;
        particles.y[slot] = emitter.y;
        particles.z[slot] = emitter.z;

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
    moveRing(particles.x.data(), particles.y.data(), particles.z.data(), particles.r.data(),
             particles.g.data(), particles.b.data(), particles.size(), coefficient,
             applied_.derived.particleStep);
}
