#pragma once

#include <windows.h>

#include <vector>

#include "monitor_layout.h"

// The black windows over the monitors the painting does not cover. They
// belong to the painting's window, so they go when it goes, and they hand
// every input to its close rules.
constexpr const char* kCoverClassName = "VelmoraCoverClass";
constexpr const char* kCoverTitle = "VelmoraCover";

// Opens one cover over each area, above everything and without taking the
// activation from the painting. Where a cover cannot be made, that monitor
// stays uncovered.
void openCovers(HWND painting, const std::vector<ScreenRect>& areas);

// Closes the covers opened last.
void closeCovers();

// The painting's window is going, and the system takes its covers with it.
void forgetCovers();
