#pragma once

// Drawing in window pixels for a moment, over the painting's own projection:
// x from 0 to width, y from 0 to height, the origin at the lower left.
// Every begin is followed by an end, which puts both matrices back.
void beginWindowSpace(double width, double height);
void endWindowSpace();
