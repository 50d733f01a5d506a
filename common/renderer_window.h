#pragma once

// What both programs must agree on byte for byte. The front-end starts the
// renderer and from then on knows it only by the title of its window: the
// renderer sets it while the window is made, and the front-end's run ends at
// the first search that no longer finds it. An ANSI string for the "A"
// functions.
inline constexpr char kRendererTitle[] = "VelmoraVC";
