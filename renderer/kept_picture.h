#pragma once

#include <vector>

#include "gl_headers.h"
#include "picture_tiles.h"

// The finished picture kept in textures, for windows whose buffer swap does
// not promise to leave it in the back buffer. Saved right before each swap
// and drawn back at the start of the next frame, it gives the trail the
// picture it fades even where the swap exchanged or discarded the buffer.
class KeptPicture {
  public:
    // Lays textures over a viewport of width x height pixels whose lower left
    // corner lies at x, y of the window and allocates them, without content.
    // False when the implementation could not have them; nothing is kept
    // then. Throws std::bad_alloc when the layout's own memory cannot be had.
    // Leaves the texture binding undefined.
    bool allocate(int x, int y, int width, int height);

    bool active() const { return !names_.empty(); }

    // Copies the viewport of the back buffer into the textures. Leaves the
    // texture binding undefined.
    void save() const;

    // Draws the saved picture over the whole viewport, each colour multiplied
    // by factor and nothing blended, as a black quad of alpha 1 - factor would
    // darken it. Texturing is left enabled and the binding undefined; the
    // matrices are as they were.
    void restore(float factor) const;

    // Deletes the textures. Needs the context still current.
    void release();

  private:
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<PictureTile> tiles_;
    std::vector<GLuint> names_;
};
