#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "bgm_settings.h"

// What the front-end keeps for the life of the process, shared by the
// start-up, the saver run, the music and the settings dialog. Everything runs
// on the one GUI thread.
struct FrontEndState {
    // As Windows passed it, without the program's own path.
    std::string commandLine;
    // The folder of Velmora.scr; see ProgramFolderOf.
    std::string programFolder;
    BgmSettings settings;
    // What ShowCursor(FALSE) returned when a run hid the cursor; the run's end
    // hands it back. Empty when the cursor was never hidden.
    std::optional<std::int32_t> SavedCursorCount;
    // The last result of the system calls that record theirs here.
    std::int32_t LastApiResult = 0;
};
