#pragma once

#include <string>

#include "offscreen_surface.h"
#include "still_options.h"

// Renders the frames velmora-still is asked for and gives the last one. False
// when no offscreen context could be had; `error` then says so.
bool renderStill(const StillOptions& options, Picture& picture, std::string& error);
