#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "command.h"
#include "property_bag.h"

// The window class of the button control, as host forms refer to it.
inline constexpr char kCommandClass[] = "Torvi.Command";

// Registers the class once per process. The face pictures come from the
// resources of `instance`, whose resource script includes command_faces.rc.
bool RegisterCommandClass(HINSTANCE instance);

// Makes a button on a host window as a form loads it: the control is created,
// reads its stored property set (none: a control that stays disabled until
// its Enabled is first read), is sized, which draws its face, and is shown.
// Its Click reaches the host as WM_COMMAND with BN_CLICKED and the id. The
// host calls Initialize afterwards. Returns null when it cannot be made.
HWND CreateCommand(HWND host, int id, const RECT& placement, const PropertyBag* stored);

// The control of a Torvi.Command window, or nullptr.
Command* CommandOf(HWND window);

// The keys of the persisted properties changed since the last call, in order,
// for a host that writes the property set again when it saves.
std::vector<std::string> TakeCommandChanges(HWND window);
