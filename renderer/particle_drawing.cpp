#include "particle_drawing.h"

#include "gl_headers.h"
#include "particle_geometry.h"
#include "view_fit.h"
#include "window_space.h"

namespace {

void drawSpritesOneByOne(const Flow& flow) {
    for (std::size_t j = 0; j < flow.particles.size(); ++j) {
        const Particle p = flow.particles.get(j);
        const GLfloat colour[3] = {p.r, p.g, p.b};
        glColor3fv(colour);
        glPushMatrix();
        glTranslatef(p.x, p.y, p.z);
        glCallList(kSpriteListName);
        glPopMatrix();
    }
}

void drawPointsOneByOne(const Flow& flow, const ParticleScale& scale) {
    for (std::size_t j = 0; j < flow.particles.size(); ++j) {
        const Particle p = flow.particles.get(j);
        const GLfloat colour[3] = {p.r, p.g, p.b};
        const GLfloat position[3] = {p.x, p.y, p.z};
        glPointSize(
            limitedSize(pointSize(p.z, scale.pointSizeFactor) * scale.scale, scale.largestPoint));
        glBegin(GL_POINTS);
        glColor3fv(colour);
        glVertex3fv(position);
        glEnd();
    }
}

void drawLinesOneByOne(const Flow& flow, const ParticleScale& scale) {
    const int count = static_cast<int>(flow.particles.size());
    for (int j = 0; j < count; ++j) {
        const float z = flow.particles.z[static_cast<std::size_t>(j)];
        glLineWidth(
            limitedSize(lineWidth(z, scale.lineWidthFactor) * scale.scale, scale.largestLine));
        glBegin(GL_LINES);
        const LineSegment segment = lineSegment(flow, j);
        if (segment.drawn) {
            glColor3fv(segment.newer.colour);
            glVertex3fv(segment.newer.position);
            glColor3fv(segment.older.colour);
            glVertex3fv(segment.older.position);
        }
        glEnd();
    }
}

ColouredVertex vertexOf(const SegmentEnd& end) {
    return {end.colour[0],   end.colour[1],   end.colour[2],
            end.position[0], end.position[1], end.position[2]};
}

// Draws one smooth point on the cleared buffer and looks at its rim: any
// pixel lit only in part means the implementation antialiases its points.
DiscRim implementationsRim() {
    constexpr int kProbeSide = 16;
    constexpr float kProbeSize = 9.0f;
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] < kProbeSide || viewport[3] < kProbeSide) {
        return DiscRim::kHard;
    }
    beginWindowSpace(viewport[2], viewport[3]);
    glClear(GL_COLOR_BUFFER_BIT);
    glPointSize(kProbeSize);
    glBegin(GL_POINTS);
    glColor3f(1.0f, 1.0f, 1.0f);
    // Off the pixel grid, so that the rim crosses pixels at all distances.
    glVertex2f(kProbeSide / 2.0f + 0.3f, kProbeSide / 2.0f - 0.2f);
    glEnd();
    endWindowSpace();

    GLubyte pixels[kProbeSide * kProbeSide * 4] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[0], viewport[1], kProbeSide, kProbeSide, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels);
    glClear(GL_COLOR_BUFFER_BIT);
    for (int i = 0; i < kProbeSide * kProbeSide; ++i) {
        const GLubyte red = pixels[i * 4];
        if (red > 0 && red < 255) {
            return DiscRim::kSoft;
        }
    }
    return DiscRim::kHard;
}

}  // namespace

void drawOneByOne(const Flow& flow, int drawMode, const ParticleScale& scale) {
    switch (drawMode) {
        case kDrawSprites:
            drawSpritesOneByOne(flow);
            break;
        case kDrawPoints:
            drawPointsOneByOne(flow, scale);
            break;
        case kDrawLines:
            drawLinesOneByOne(flow, scale);
            break;
        default:
            break;
    }
}

void BatchedParticles::prepare(const RendererSettings& settings) {
    release();
    drawMode_ = settings.drawMode;
    const auto particles = static_cast<std::size_t>(settings.flowCount) *
                           static_cast<std::size_t>(settings.particleCount);
    switch (drawMode_) {
        case kDrawSprites:
            corners_.resize(particles * kSpriteCorners);
            break;
        case kDrawPoints:
            corners_.resize(particles * kPointCorners);
            smallCorners_.resize(particles * kSmallPointCorners);
            makeDiscTexture();
            break;
        case kDrawLines:
            lines_.reserve(particles, 2);
            break;
        default:
            break;
    }
}

void BatchedParticles::makeDiscTexture() {
    rim_ = implementationsRim();
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    int side = kPointDiscSide;
    while (side > 64 && side > largest) {
        side /= 2;
    }
    std::vector<std::uint8_t> texels;
    fillPointDisc(texels, side, rim_);
    GLuint name = 0;
    glGenTextures(1, &name);
    discTexture_ = name;
    glBindTexture(GL_TEXTURE_2D, name);
    // A pixel takes the texel its centre falls in: at this many texels that
    // decides the rim as closely as filtering would, for less work.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, side, side, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 texels.data());
}

void BatchedParticles::release() {
    lines_.release();
    std::vector<TexturedVertex>().swap(corners_);
    cornerCount_ = 0;
    std::vector<TexturedVertex>().swap(smallCorners_);
    smallCornerCount_ = 0;
    if (discTexture_ != 0) {
        const GLuint name = discTexture_;
        glDeleteTextures(1, &name);
        discTexture_ = 0;
    }
}

void BatchedParticles::clear() {
    lines_.clear();
    cornerCount_ = 0;
    smallCornerCount_ = 0;
}

void BatchedParticles::gather(const Flow& flow, const ParticleScale& scale) {
    switch (drawMode_) {
        case kDrawSprites:
            gatherSprites(flow, scale.spriteHalfSize);
            break;
        case kDrawPoints:
            gatherPoints(flow, scale);
            break;
        case kDrawLines:
            gatherLines(flow, scale);
            break;
        default:
            break;
    }
}

void BatchedParticles::gatherSprites(const Flow& flow, float h) {
    for (std::size_t j = 0; j < flow.particles.size(); ++j) {
        if (cornerCount_ + kSpriteCorners > corners_.size()) {
            return;
        }
        const Particle p = flow.particles.get(j);
        // The corners as the translated square of the one-by-one drawing
        // puts them, in the order of its strip's two triangles.
        const TexturedVertex corner[4] = {
            {0.0f, 0.0f, p.r, p.g, p.b, p.x - h, p.y - h, p.z},
            {1.0f, 0.0f, p.r, p.g, p.b, p.x + h, p.y - h, p.z},
            {0.0f, 1.0f, p.r, p.g, p.b, p.x - h, p.y + h, p.z},
            {1.0f, 1.0f, p.r, p.g, p.b, p.x + h, p.y + h, p.z},
        };
        TexturedVertex* out = &corners_[cornerCount_];
        out[0] = corner[0];
        out[1] = corner[1];
        out[2] = corner[2];
        out[3] = corner[2];
        out[4] = corner[1];
        out[5] = corner[3];
        cornerCount_ += kSpriteCorners;
    }
}

void BatchedParticles::gatherPoints(const Flow& flow, const ParticleScale& scale) {
    // The triangle whose inner circle is the disc: its corners lie twice the
    // radius out, and reach past the square's texture, whose outermost
    // texels are dark.
    constexpr float kHalfRootThree = 0.8660254f;
    for (std::size_t j = 0; j < flow.particles.size(); ++j) {
        const Particle p = flow.particles.get(j);
        const float asked =
            limitedSize(pointSize(p.z, scale.pointSizeFactor) * scale.scale, scale.largestPoint);
        const float size = asked < kSmallestPoint ? kSmallestPoint : asked;
        const float h = pointSquareHalfSide(p.x, p.y, p.z, size, scale.view);
        if (h <= 0.0f) {
            continue;
        }
        if (size < kTrianglePointBelow) {
            if (smallCornerCount_ + kSmallPointCorners > smallCorners_.size()) {
                continue;
            }
            // Half the triangle's side: root 3 times the radius.
            const float halfSide = 2.0f * kHalfRootThree * h;
            TexturedVertex* out = &smallCorners_[smallCornerCount_];
            out[0] = {0.5f, 1.5f, p.r, p.g, p.b, p.x, p.y + 2.0f * h, p.z};
            out[1] = {0.5f - kHalfRootThree, 0.0f, p.r, p.g, p.b, p.x - halfSide, p.y - h, p.z};
            out[2] = {0.5f + kHalfRootThree, 0.0f, p.r, p.g, p.b, p.x + halfSide, p.y - h, p.z};
            smallCornerCount_ += kSmallPointCorners;
            continue;
        }
        if (cornerCount_ + kPointCorners > corners_.size()) {
            continue;
        }
        TexturedVertex* out = &corners_[cornerCount_];
        out[0] = {0.0f, 0.0f, p.r, p.g, p.b, p.x - h, p.y - h, p.z};
        out[1] = {1.0f, 0.0f, p.r, p.g, p.b, p.x + h, p.y - h, p.z};
        out[2] = {1.0f, 1.0f, p.r, p.g, p.b, p.x + h, p.y + h, p.z};
        out[3] = {0.0f, 1.0f, p.r, p.g, p.b, p.x - h, p.y + h, p.z};
        cornerCount_ += kPointCorners;
    }
}

void BatchedParticles::gatherLines(const Flow& flow, const ParticleScale& scale) {
    const int count = static_cast<int>(flow.particles.size());
    for (int j = 0; j < count; ++j) {
        const LineSegment segment = lineSegment(flow, j);
        if (!segment.drawn) {
            continue;
        }
        const float z = flow.particles.z[static_cast<std::size_t>(j)];
        const ColouredVertex ends[2] = {vertexOf(segment.newer), vertexOf(segment.older)};
        lines_.add(
            limitedSize(lineWidth(z, scale.lineWidthFactor) * scale.scale, scale.largestLine),
            ends);
    }
}

void BatchedParticles::draw() {
    switch (drawMode_) {
        case kDrawSprites:
            if (cornerCount_ > 0) {
                glInterleavedArrays(GL_T2F_C3F_V3F, 0, corners_.data());
                glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(cornerCount_));
            }
            break;
        case kDrawPoints:
            drawPoints();
            break;
        case kDrawLines:
            drawLines();
            break;
        default:
            break;
    }
    // Everything else the painting draws goes vertex by vertex.
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

void BatchedParticles::drawPoints() const {
    if (cornerCount_ == 0 && smallCornerCount_ == 0) {
        return;
    }
    // The squares' colour is the point's; the texture gives the disc's alpha.
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, discTexture_);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (rim_ == DiscRim::kHard) {
        // Within the disc a pixel is lit whole, as the smooth point lights it.
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0.0f);
        glBlendFunc(GL_ONE, GL_ONE);
    }
    if (cornerCount_ > 0) {
        glInterleavedArrays(GL_T2F_C3F_V3F, 0, corners_.data());
        glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(cornerCount_));
    }
    if (smallCornerCount_ > 0) {
        glInterleavedArrays(GL_T2F_C3F_V3F, 0, smallCorners_.data());
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(smallCornerCount_));
    }
    if (rim_ == DiscRim::kHard) {
        glDisable(GL_ALPHA_TEST);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    glDisable(GL_TEXTURE_2D);
}

void BatchedParticles::drawLines() {
    lines_.sort();
    if (lines_.runCount() == 0) {
        return;
    }
    glInterleavedArrays(GL_C3F_V3F, 0, lines_.vertices());
    for (std::size_t i = 0; i < lines_.runCount(); ++i) {
        const SizedBatches::Run run = lines_.run(i);
        glLineWidth(run.size);
        glDrawArrays(GL_LINES, static_cast<GLint>(run.first), static_cast<GLsizei>(run.count));
    }
}
