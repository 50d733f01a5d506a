#include "painting.h"

#include <ctime>
#include <new>

#include "gl_headers.h"
#include "light_texture.h"
#include "particle_geometry.h"
#include "view_fit.h"

namespace {

// The eye sits 15 units in front of the emitters' box, so its far face at
// z = -15 and near face at z = 15 are both in view.
constexpr double kFieldOfView = 90.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 10000.0;
constexpr float kEyeDistance = 15.0f;

// The emitters' box ends at z = 15: the nearest, and so largest, particles.
constexpr float kNearFace = 15.0f;

// Uploaded once; GL may keep reading it, so it lives as long as the program.
LightTexels lightTexels;

}  // namespace

std::uint32_t calendarTime() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

Painting::Painting(GraphicsSurface& surface, const RendererSettings& settings)
    : surface_(surface), flows_(settings) {}

bool Painting::initGraphics(std::uint32_t seed) {
    surface_.createContext();
    surface_.makeCurrent();
    if (!initOnCurrentContext(seed)) {
        surface_.releaseContext();
        return false;
    }
    return true;
}

bool Painting::initOnCurrentContext(std::uint32_t seed) {
    flows_.seed(seed);

    frameView(viewportOf(areaGiven_ ? area_ : surface_.clientRect()));
    glLoadIdentity();

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    setParticleBlending();
    glEnable(GL_BLEND);

    switch (settings().drawMode) {
        case kDrawSprites:
            buildLightTexture();
            buildSpriteList();
            break;
        case kDrawPoints:
            glEnable(GL_POINT_SMOOTH);
            glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
            break;
        case kDrawLines:
            glEnable(GL_LINE_SMOOTH);
            glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
            break;
        default:
            break;
    }

    try {
        keepPicture();
        flows_.create();
        if (drawing_ == ParticleDrawing::kBatched) {
            batches_.prepare(settings());
        }
    } catch (const std::bad_alloc&) {
        // A saver that cannot have its memory ends quietly, like any other
        // start that fails.
        releaseOwnGraphics();
        return false;
    }

    glFlush();
    return true;
}

Painting::Viewport Painting::viewportOf(const ClientRect& area) {
    const ClientRect client = surface_.clientRect();
    return {area.left - client.left, client.bottom - area.bottom, area.right - area.left,
            area.bottom - area.top};
}

void Painting::frameView(const Viewport& viewport) {
    view_ = viewport;
    aspect_ = static_cast<double>(viewport.width) / static_cast<double>(viewport.height);
    selectView();

    trail_ = trailQuadFor(aspect_);
    sizeScale_ = givenSizeScale_ > 0.0f ? givenSizeScale_ : particleSizeScale(viewport.height);
    // Smoothed points and lines: the ranges of the smooth ones are the ones
    // that apply.
    GLfloat range[2] = {0.0f, 0.0f};
    glGetFloatv(GL_POINT_SIZE_RANGE, range);
    largestPointSize_ = range[1];
    range[1] = 0.0f;
    glGetFloatv(GL_LINE_WIDTH_RANGE, range);
    largestLineWidth_ = range[1];
}

void Painting::selectView() const {
    glViewport(view_.x, view_.y, view_.width, view_.height);
    // Wide points and lines near the edge, and every clear, would reach into
    // the part of a painting beside this one.
    glScissor(view_.x, view_.y, view_.width, view_.height);
    glEnable(GL_SCISSOR_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, aspect_, kNearPlane, kFarPlane);
    glTranslatef(0.0f, 0.0f, -kEyeDistance);
    glMatrixMode(GL_MODELVIEW);
}

ParticleSizing Painting::particleSizing() const {
    switch (settings().drawMode) {
        case kDrawPoints:
            return {sizeScale_, pointSize(kNearFace, derived().pointSizeFactor) * sizeScale_,
                    largestPointSize_};
        case kDrawLines:
            return {sizeScale_, lineWidth(kNearFace, derived().lineWidthFactor) * sizeScale_,
                    largestLineWidth_};
        default:
            // Sprites are squares in the scene and grow with the screen
            // anyway.
            return {1.0f, 0.0f, 0.0f};
    }
}

void Painting::keepPicture() {
    // Without trails every frame starts from a cleared buffer, and a swap
    // that keeps the picture needs no help.
    if (settings().trailStrength == 0 || surface_.swapKeepsPicture()) {
        return;
    }
    if (kept_.allocate(view_.x, view_.y, view_.width, view_.height)) {
        // The first frame fades what the set-up left: black.
        kept_.save();
    }
    setParticleTexturing();
}

void Painting::resize(const ClientRect& area) {
    const Viewport viewport = viewportOf(area);
    if (viewport == view_) {
        return;
    }
    frameView(viewport);
    startTrailFromBlack();
}

void Painting::swapStoppedKeepingPicture() {
    if (!kept_.active()) {
        startTrailFromBlack();
    }
}

void Painting::startTrailFromBlack() {
    // Only this painting's part is cleared, whichever painting drew last.
    selectView();
    glClear(GL_COLOR_BUFFER_BIT);
    try {
        keepPicture();
    } catch (const std::bad_alloc&) {
        // The trail then fades what the buffer holds, as on a surface whose
        // swap keeps the picture.
    }
}

void Painting::drawFrame(int steps) {
    paintFrame(steps);
    glFlush();
    surface_.swapBuffers();
}

void Painting::paintFrame(int steps) {
    // Another painting on the same surface may have drawn last.
    selectView();
    for (int step = 0; step < steps; ++step) {
        paintStep();
    }
}

void Painting::paintStep() {
    glLoadIdentity();

    if (settings().trailStrength != 0) {
        fadeLastPicture();
    } else {
        glClear(GL_COLOR_BUFFER_BIT);
    }

    const ParticleScale scale = particleScale();
    if (drawing_ == ParticleDrawing::kBatched) {
        batches_.clear();
        flows_.step([&](const Flow& flow) { batches_.gather(flow, scale); });
        batches_.draw();
    } else {
        const int drawMode = settings().drawMode;
        flows_.step([&](const Flow& flow) { drawOneByOne(flow, drawMode, scale); });
    }

    if (kept_.active()) {
        kept_.save();
        setParticleTexturing();
    }
}

void Painting::fadeLastPicture() {
    if (kept_.active()) {
        // The kept picture, drawn back darkened, replaces whatever the swap
        // left: the same fade as the black quad gives, in one pass.
        glDisable(GL_BLEND);
        kept_.restore(1.0f - trailAlpha(settings()));
        setParticleTexturing();
        glEnable(GL_BLEND);
        return;
    }
    // A translucent black quad over the whole view darkens every earlier
    // picture a little more each frame instead of wiping it.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0.0f, 0.0f, 0.0f, trailAlpha(settings()));
    glBegin(GL_QUADS);
    glVertex3f(-trail_.halfWidth, -trail_.halfHeight, 0.0f);
    glVertex3f(trail_.halfWidth, -trail_.halfHeight, 0.0f);
    glVertex3f(trail_.halfWidth, trail_.halfHeight, 0.0f);
    glVertex3f(-trail_.halfWidth, trail_.halfHeight, 0.0f);
    glEnd();
    setParticleBlending();
}

ParticleScale Painting::particleScale() const {
    const PointView view{aspect_, static_cast<float>(view_.height)};
    return {derived().pointSizeFactor,
            derived().lineWidthFactor,
            derived().spriteHalfSize,
            sizeScale_,
            largestPointSize_,
            largestLineWidth_,
            view};
}

void Painting::releaseGraphics() {
    releaseOwnGraphics();
    surface_.releaseContext();
}

void Painting::releaseOwnGraphics() {
    flows_.release();
    batches_.release();
    kept_.release();
}

void Painting::setParticleBlending() {
    // Both add light; sprites are opaque squares whose texture does the
    // fading, while smoothed points and lines fade through their alpha.
    if (settings().drawMode == kDrawSprites) {
        glBlendFunc(GL_ONE, GL_ONE);
    } else {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
}

void Painting::setParticleTexturing() {
    // Sprites keep the light texture bound and texturing on for the whole
    // run; points and lines are drawn untextured.
    if (settings().drawMode == kDrawSprites) {
        glBindTexture(GL_TEXTURE_2D, kLightTextureName);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void Painting::buildLightTexture() {
    fillLightTexels(lightTexels);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, kLightTextureName);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 1, kLightTextureSide, kLightTextureSide, 0, GL_LUMINANCE,
                 GL_UNSIGNED_BYTE, lightTexels.data());
}

void Painting::buildSpriteList() {
    const float h = derived().spriteHalfSize;
    glNewList(kSpriteListName, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, kLightTextureName);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-h, -h, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(h, -h, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-h, h, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(h, h, 0.0f);
    glEnd();
    glEndList();
}
