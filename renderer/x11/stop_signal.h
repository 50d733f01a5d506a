#pragma once

// SIGTERM (how XScreenSaver stops its hacks) and SIGINT only raise a flag,
// which the frame loop reads every frame and while it waits for events. The
// handlers do not restart interrupted calls, so a wait ends at once.
void installStopSignals();
bool stopRequested();
