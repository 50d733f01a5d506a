#include "fps_overlay.h"

#include <GL/glx.h>

#include <cstdio>

#include "window_space.h"

namespace {

// Printable ASCII, which is all the text uses.
constexpr int kFirstGlyph = 32;
constexpr int kGlyphCount = 95;

// Pixels between the text's box and the picture's left and bottom edges, and
// between the text and the edges of its box.
constexpr int kMargin = 8;
constexpr int kPadding = 3;

// XScreenSaver's hacks write their rate in a large bold Courier; a server
// without it has at least "fixed".
constexpr const char* kFonts[] = {
    "-*-courier-bold-r-normal-*-*-180-*-*-m-*-*-*",
    "-*-fixed-bold-r-normal-*-*-180-*-*-c-*-*-*",
    "fixed",
};

}  // namespace

bool FpsOverlay::load(Display* display) {
    for (const char* name : kFonts) {
        font_ = XLoadQueryFont(display, name);
        if (font_ != nullptr) {
            break;
        }
    }
    if (font_ == nullptr) {
        return false;
    }
    lists_ = glGenLists(kGlyphCount);
    if (lists_ == 0) {
        XFreeFont(display, font_);
        font_ = nullptr;
        return false;
    }
    glXUseXFont(font_->fid, kFirstGlyph, kGlyphCount, static_cast<int>(lists_));
    // Mesa does not compile a bitmap without pixels into a list: the space
    // would not move the raster position on, and GL is left with an error.
    // One pixel left blank moves it by the space's width.
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
    }
    static const GLubyte blank[4] = {};
    glNewList(lists_ + (' ' - kFirstGlyph), GL_COMPILE);
    glBitmap(1, 1, 0.0f, 0.0f, static_cast<GLfloat>(XTextWidth(font_, " ", 1)), 0.0f, blank);
    glEndList();
    return true;
}

void FpsOverlay::setRate(double framesPerSecond) {
    char text[32];
    std::snprintf(text, sizeof(text), "FPS: %.1f", framesPerSecond);
    text_ = text;
}

void FpsOverlay::draw() const {
    if (lists_ == 0 || text_.empty()) {
        return;
    }
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);

    // The painting leaves texturing on for its sprites, and blending: the
    // text is plain white over whatever the frame holds.
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LIST_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    beginWindowSpace(viewport[2], viewport[3]);

    // A black box behind the text keeps it legible over the brightest
    // picture. The raster position takes the current colour; the base line
    // sits above the box's bottom by the font's descent.
    const int width = XTextWidth(font_, text_.data(), static_cast<int>(text_.size()));
    const int height = font_->ascent + font_->descent;
    glColor3f(0.0f, 0.0f, 0.0f);
    glRecti(kMargin, kMargin, kMargin + width + 2 * kPadding, kMargin + height + 2 * kPadding);
    glColor3f(1.0f, 1.0f, 1.0f);
    glRasterPos2i(kMargin + kPadding, kMargin + kPadding + font_->descent);
    glListBase(lists_ - kFirstGlyph);
    glCallLists(static_cast<GLsizei>(text_.size()), GL_UNSIGNED_BYTE, text_.data());

    endWindowSpace();
    glPopAttrib();
}

void FpsOverlay::release(Display* display) {
    if (lists_ != 0) {
        glDeleteLists(lists_, kGlyphCount);
        lists_ = 0;
    }
    if (font_ != nullptr) {
        XFreeFont(display, font_);
        font_ = nullptr;
    }
}
