#include "saved_monitor_choice.h"

#include "monitor_setting.h"
#include "path_bytes.h"
#include "program_folder.h"
#include "program_path.h"
#include "win32_path_bytes.h"
#include "win32_profile.h"

MonitorChoice savedMonitorChoice() {
    const std::wstring program = RunningProgramPath();
    if (program.empty()) {
        return MonitorChoice::kEveryMonitor;
    }
    // The profile functions take the file's path as the front-end hands it
    // to them.
    Win32PathBytes pathBytes;
    const std::string settingsPath =
        PathBytesOrUnusable(pathBytes, SettingsPathIn(ProgramFolderOf(program)));
    Win32Profile profile;
    return ReadMonitorChoice(profile, settingsPath);
}
