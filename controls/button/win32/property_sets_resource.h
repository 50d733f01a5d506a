#pragma once

#include <windows.h>

#include "property_sets_text.h"

// The stored property sets of a window's buttons, read from the text block
// kept as an RCDATA resource; nothing when the resource is missing.
PropertySetsReading LoadPropertySets(HINSTANCE instance, int resourceId);
