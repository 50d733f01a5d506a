#include "painting_loop.h"
#include "renderer_program.h"

namespace {

// The saver's frames: wanted while the run draws, from the one painting the
// program keeps.
class SaverFrames : public PaintedFrames {
  public:
    bool wantsFrame() override { return program.state.wantsFrames() && program.painting; }
    void drawFrame() override { program.painting->drawFrame(); }
    bool swapControlled() override { return program.surface->swapControlled(); }
};

}  // namespace

int runMessageLoop() {
    SaverFrames frames;
    return runPaintingLoop(frames);
}
