#pragma once

// The refresh rate of the primary display, where the painting is, in Hz; 0 or
// 1 where the system does not know it.
int paintingDisplayRefreshHz();

// Asks the driver to show a frame every `interval` display refreshes. False
// where it offers no swap control: the swap then paces nothing. Needs a
// current context.
bool requestSwapInterval(int interval);
