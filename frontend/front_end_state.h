#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "bgm_settings.h"
#include "monitor_choice.h"
#include "painting_look.h"
#include "screen_texts.h"

// What the front-end keeps for the life of the process, shared by the
// start-up, the saver run, the music and the settings dialog. Everything runs
// on the one GUI thread.
struct FrontEndState {
    // As Windows passed it, without the program's own path.
    std::string commandLine;
    // The folder of Velmora.scr as the system names it; see ProgramFolderOf.
    // Velmora.dll, the read-me and anything else that only the wide functions
    // touch are found from here.
    std::wstring programFolderPath;
    // The same folder as the profile functions take it (PathBytesOf), for
    // Velmora.ini. A folder without such a form (named outside the code page
    // on a volume that keeps no short names) has its ANSI text with "?" here,
    // which names no file: its settings then read as none and save nowhere.
    std::string programFolder;
    // The language of what a person reads, from the user's Windows.
    ScreenLanguage language = ScreenLanguage::kJapanese;
    BgmSettings settings;
    // The painting's look as the settings dialog edits it; read when the
    // dialog opens (the renderer reads the file itself).
    PaintingChoice painting;
    // The monitors the painting is shown on, the same way.
    MonitorChoice monitors = MonitorChoice::kEveryMonitor;
    // What ShowCursor(FALSE) returned when a run hid the cursor; the run's end
    // hands it back. Empty when the cursor was never hidden.
    std::optional<std::int32_t> SavedCursorCount;
    // The last result of the system calls that record theirs here.
    std::int32_t LastApiResult = 0;
};
