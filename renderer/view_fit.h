#pragma once

// How the painting fits a screen of any shape and resolution. Its look was
// made on screens of up to 1080 lines and up to 8 : 3 wide; those draw exactly
// as they always did, and other screens get the same look.

// The translucent black quad that fades the last picture, centred at z = 0.
struct TrailQuad {
    float halfWidth;
    float halfHeight;
};

// At z = 0 the view is 30 units high whatever its shape, and 30 x aspect
// wide. The 80 x 34 quad covers it up to 8 : 3; a wider view gets a quad
// wider than the view by the same share as the height's margin.
TrailQuad trailQuadFor(double aspect);

// Points and lines are sized in pixels: on a screen of more than 1080 lines
// they grow with it, so that the streams keep their share of the screen.
// max(1, height / 1080).
float particleSizeScale(int viewHeight);

// A view that shows a whole screen in miniature (the preview) scales points
// and lines by its height over the screen's, times the screen's own scale, so
// that the streams keep their share of it. A screen of unknown height (0 or
// less) counts as one of the view's height.
float miniatureSizeScale(int viewHeight, int screenHeight);

// A size as the implementation can draw it: no larger than its largest.
// A largest of 0 or less (unknown) limits nothing.
float limitedSize(float size, float largest);
