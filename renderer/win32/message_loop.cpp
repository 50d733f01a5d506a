#include "painting_loop.h"
#include "renderer_program.h"

namespace {

// The saver's frames: wanted while the run draws, from the paintings of
// every monitor, shown by one swap.
class SaverFrames : public PaintedFrames {
  public:
    bool wantsFrame() override { return program.state.wantsFrames() && program.paintings; }
    void drawFrame(int steps) override { program.paintings->drawFrame(steps); }
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
