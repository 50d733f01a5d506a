#pragma once

// The names by which other programs know the renderer. The front-end looks
// for the running window by kRunningTitle, byte for byte.
constexpr const char* kSaverClassName = "WindowsScreenSaverClass";
constexpr const char* kCreationTitle = "Screensaver";
constexpr const char* kRunningTitle = "VelmoraVC";
