#include "painting_loop.h"
#include "renderer_program.h"

namespace {

// The saver's frames: wanted while the run draws, from the one painting the
// program keeps.
class SaverFrames : public PaintedFrames {
  public:
    bool wantsFrame() override { return program.state.wantsFrames() && program.painting; }
    void drawFrame(int steps) override { program.painting->drawFrame(steps); }
    FrameSchedule::Pacing pacing() override {
        return program.surface ? program.surface->pacing()
                               : FrameSchedule::Pacing{kPaintingStepSeconds, false, false};
    }
};

}  // namespace

int runMessageLoop() {
    SaverFrames frames;
    return runPaintingLoop(frames);
}
