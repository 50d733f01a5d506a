#pragma once

#include <string>
#include <vector>

#include "command_port.h"
#include "face_canvas.h"

// The control's host as a test sees it: window handles are small numbers, the
// window under the cursor is whatever the test says, and what the control
// asks for is counted.
class FakeCommandPort : public CommandPort {
  public:
    static constexpr std::uintptr_t kOwnWindow = 10;
    static constexpr std::uintptr_t kHostWindow = 20;
    static constexpr std::uintptr_t kOtherWindow = 30;

    void startMouseTimer(std::uint32_t milliseconds) override { timerInterval = milliseconds; }
    std::uintptr_t ownWindow() override { return kOwnWindow; }
    std::uintptr_t hostWindow() override { return kHostWindow; }
    std::uintptr_t windowUnderCursor() override { return underCursor; }
    void raiseClick() override { ++clicks; }
    void propertyChanged(const char* key) override { changes.emplace_back(key); }
    ButtonFont ambientFont() override { return ambient; }
    void labelChanged() override { ++labelChanges; }

    std::uint32_t timerInterval = 0;
    std::uintptr_t underCursor = kOwnWindow;
    int clicks = 0;
    std::vector<std::string> changes;
    ButtonFont ambient = DialogFont();
    int labelChanges = 0;
};

// A canvas that only remembers what was drawn: the face of each drawing (a
// drawing starts with its clear), the gradient's top and bottom red levels,
// and the pieces of the last drawing.
class RecordingCanvas : public FaceCanvas {
  public:
    struct Piece {
        TwipRect destination;
        TwipRect source;
    };

    int pixelWidth() const override { return width; }
    int pixelHeight() const override { return height; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }
    void clear() override {
        faces.emplace_back("(none)");
        pieces.clear();
    }
    void fillGradientV(const GradientVertex (&vertices)[2], const GradientRect& rect) override {
        const GradientVertex& a = vertices[rect.upperLeft];
        const GradientVertex& b = vertices[rect.lowerRight];
        topRed = (a.y < b.y ? a : b).red;
        bottomRed = (a.y < b.y ? b : a).red;
    }
    void paintPicture(FacePicture picture, const TwipRect& destination,
                      const TwipRect& source) override {
        faces.back() = FacePictureName(picture);
        pieces.push_back({destination, source});
    }
    void refresh() override { ++refreshes; }

    // The faces drawn since the last call.
    std::vector<std::string> taken() {
        std::vector<std::string> all;
        all.swap(faces);
        return all;
    }

    int width = 64;
    int height = 25;
    std::vector<std::string> faces;
    std::vector<Piece> pieces;
    std::uint16_t topRed = 0;
    std::uint16_t bottomRed = 0;
    int refreshes = 0;
};
