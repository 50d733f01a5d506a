#pragma once

// Asks the driver, where it offers the choice, to show one frame per display
// refresh, so that the painting's fixed per-frame motion runs at the display's
// pace rather than racing on fast hardware. Needs a current context.
void requestSwapPerRefresh();
