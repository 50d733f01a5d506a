#include "startup.h"

#include "command_line.h"
#include "path_bytes.h"
#include "preview.h"
#include "program_folder.h"
#include "screen_texts.h"
#include "settings_file.h"
#include "window_titles.h"

AfterMain Main(StartupPlatform& platform, FrontEndState& state) {
    // Both searches are made whatever the first one finds.
    const bool runInProgress = platform.findWindow(kSaverRunTitle);
    const bool dialogOpen = platform.findWindow(kSettingsDialogTitle);
    if (runInProgress || dialogOpen) {
        return AfterMain::kEnd;
    }

    state.commandLine = platform.commandLine();
    const std::string mode = ModeLetter(state.commandLine);

    // The preview needs neither the settings nor the renderer.
    if (mode == "P") {
        const bool shown = SetUpPreview(platform.preview(), PreviewHostHandle(state.commandLine));
        return shown ? AfterMain::kRunMessageLoop : AfterMain::kEnd;
    }

    // The run's window is only made once the settings are read, so two runs
    // started together (the system's timer may start one twice) would both
    // pass the window search: the run is claimed first.
    const bool saverRun = mode == "S" || state.commandLine.empty();
    if (saverRun && !platform.claimSaverRun()) {
        return AfterMain::kEnd;
    }

    state.language = ScreenLanguageFor(platform.userLanguage());
    state.programFolderPath = ProgramFolderOf(platform.programPath());
    // The profile functions take the settings file's path as bytes; the keys
    // and values they carry are bytes too, and stay exactly as other copies
    // of Velmora read them.
    state.programFolder = PathBytesOrUnusable(platform.pathBytes(), state.programFolderPath);
    ReadSettings(platform.profile(), platform.files(), SettingsPathIn(state.programFolder),
                 state.settings);

    if (!FileExists(platform.files(), RendererPathIn(state.programFolderPath))) {
        const ScreenTexts& texts = ScreenTextsIn(state.language);
        platform.showMessage(texts.missingRenderer, texts.missingRendererCaption);
        return AfterMain::kEnd;
    }

    if (mode == "C") {
        platform.showSettingsDialog(state);
        return AfterMain::kEnd;
    }

    if (mode != "S" && !state.commandLine.empty()) {
        return AfterMain::kEnd;
    }
    if (mode == "S") {
        state.SavedCursorCount = platform.showCursor(false);
    }
    return platform.loadSaverRun(state) ? AfterMain::kRunMessageLoop : AfterMain::kEnd;
}
