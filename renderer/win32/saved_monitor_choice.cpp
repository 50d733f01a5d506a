#include "saved_monitor_choice.h"

#include "monitor_setting.h"
#include "path_bytes.h"
#include "program_folder.h"
#include "running_program.h"
#include "win32_path_bytes.h"
#include "win32_profile.h"

MonitorChoice savedMonitorChoice() {
    const std::wstring folder = runningProgramFolder();
    if (folder.empty()) {
        return MonitorChoice::kEveryMonitor;
    }
    // The key is Shift-JIS bytes, as the front-end writes it: read through
    // the "A" function with the file's path as the front-end hands it over.
    Win32PathBytes pathBytes;
    const std::string settingsPath = PathBytesOrUnusable(pathBytes, SettingsPathIn(folder));
    Win32Profile profile;
    return ReadMonitorChoice(profile, settingsPath);
}
