#include "kept_picture.h"

#include "window_space.h"

bool KeptPicture::allocate(int x, int y, int width, int height) {
    release();
    GLint largestSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largestSide);
    std::vector<PictureTile> tiles = pictureTiles(width, height, largestSide);
    std::vector<GLuint> names(tiles.size(), 0);
    if (tiles.empty()) {
        return false;
    }
    // Earlier errors must not count against the textures. GL keeps at most
    // one flag of each of its few kinds of error.
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
    }
    // Asked for after the light texture took name 1 without asking, so that
    // name is never handed out again.
    glGenTextures(static_cast<GLsizei>(names.size()), names.data());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        glBindTexture(GL_TEXTURE_2D, names[i]);
        // Texel for pixel: the picture is drawn back exactly as it was.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, tiles[i].textureWidth, tiles[i].textureHeight, 0,
                     GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    }
    if (glGetError() != GL_NO_ERROR) {
        // Out of texture memory, most likely. Without its textures the
        // picture would be drawn back as a grey square; the trail fades the
        // back buffer as it is instead.
        glDeleteTextures(static_cast<GLsizei>(names.size()), names.data());
        return false;
    }
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
    tiles_.swap(tiles);
    names_.swap(names);
    return true;
}

void KeptPicture::save() const {
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        const PictureTile& tile = tiles_[i];
        glBindTexture(GL_TEXTURE_2D, names_[i]);
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, x_ + tile.x, y_ + tile.y, tile.width,
                            tile.height);
    }
}

void KeptPicture::restore(float factor) const {
    // Window coordinates for the moment, so that each texel lands on the
    // pixel it came from.
    beginWindowSpace(width_, height_);

    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(factor, factor, factor, 1.0f);
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        const PictureTile& tile = tiles_[i];
        const float left = static_cast<float>(tile.x);
        const float bottom = static_cast<float>(tile.y);
        const float right = static_cast<float>(tile.x + tile.width);
        const float top = static_cast<float>(tile.y + tile.height);
        const float s = static_cast<float>(tile.width) / static_cast<float>(tile.textureWidth);
        const float t = static_cast<float>(tile.height) / static_cast<float>(tile.textureHeight);
        glBindTexture(GL_TEXTURE_2D, names_[i]);
        glBegin(GL_QUADS);
        glTexCoord2f(0.0f, 0.0f);
        glVertex2f(left, bottom);
        glTexCoord2f(s, 0.0f);
        glVertex2f(right, bottom);
        glTexCoord2f(s, t);
        glVertex2f(right, top);
        glTexCoord2f(0.0f, t);
        glVertex2f(left, top);
        glEnd();
    }

    endWindowSpace();
}

void KeptPicture::release() {
    if (!names_.empty()) {
        glDeleteTextures(static_cast<GLsizei>(names_.size()), names_.data());
    }
    names_.clear();
    tiles_.clear();
    x_ = 0;
    y_ = 0;
    width_ = 0;
    height_ = 0;
}
