#pragma once

#include "graphics_surface.h"
#include "painting.h"

// Makes the painting keep its own copy of each finished frame from now on,
// once its surface has stopped promising that the swap keeps the picture.
// The painting decides about the copy at its set-up and whenever the view
// changes size, so the view changes size for a moment and comes back: the
// copy is laid out for the real size and the trail starts again from black.
inline void keepPictureFromNowOn(Painting& painting, const ClientRect& view) {
    ClientRect other = view;
    other.bottom += 1;
    painting.resize(other);
    painting.resize(view);
}
