#pragma once

#include <windows.h>

#include <array>

#include "face_picture.h"

// The six face pictures as bitmaps, in the order of kFacePictures.
using FaceBitmaps = std::array<HBITMAP, kFacePictureCount>;

// Loads them from the program's resources once; they stay for the life of the
// process, shared by every button. A picture that is missing is null.
const FaceBitmaps& LoadFaceBitmaps(HINSTANCE instance);
