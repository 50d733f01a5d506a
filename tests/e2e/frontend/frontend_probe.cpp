// Works beside Velmora.scr under Wine: makes the windows that its end-to-end
// tests need (a preview host, a running saver's hidden window, the preview
// drawn in this very process), looks into the windows it opens, and drives the
// profile functions. Results are printed one per line, closing with
// "N passed, M failed" where it checks.
//
//   frontend_probe ini-table
//   frontend_probe ini-write FILE KIND TRACK PATH_HEX
//   frontend_probe ini-read FILE
//   frontend_probe window TITLE READY_FILE SECONDS   (the ready file gets the handle;
//                                                     READY_FILE.stop ends it)
//   frontend_probe preview SCR_PATH FORM WIDTH HEIGHT    (FORM: "/p %d", "/p:%d")
//   frontend_probe still WIDTH HEIGHT READY_FILE SECONDS    (READY_FILE.stop ends it;
//                                      the pixel format is refused, so the still shows)
//   frontend_probe live WIDTH HEIGHT READY_FILE SECONDS     (the moving preview in this
//                                      process; READY_FILE.stop destroys the host)
//   frontend_probe live-host SCR_PATH WIDTH HEIGHT READY_FILE SECONDS   (a host for
//                                      Velmora.scr /p; READY_FILE.stop destroys it)
//   frontend_probe message-box TITLE [english]
//   frontend_probe path-bytes PATH   (the bytes that a byte interface gets for
//                                     PATH as hex, or "none"; then, on a line of
//                                     its own, the path those bytes name, as
//                                     UTF-8 in hex)
//   frontend_probe start-menu NAME   (the shortcut NAME.lnk among the user's
//                                     Start-menu programs: "target=PATH
//                                     arguments=TEXT" in UTF-8, or "none")

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "display_power_message.h"
#include "gl_headers.h"
#include "hex_bytes.h"
#include "host_handle.h"
#include "ini_cases.h"
#include "painting_loop.h"
#include "path_bytes.h"
#include "preview.h"
#include "preview_window.h"
#include "screen_texts.h"
#include "settings_file.h"
#include "shift_jis_text.h"
#include "texts.h"
#include "win32_path_bytes.h"
#include "win32_profile.h"

namespace {

int passed = 0;
int failed = 0;

void Expect(bool condition, const std::string& what) {
    std::printf("%s %s\n", condition ? "ok" : "FAIL", what.c_str());
    (condition ? passed : failed)++;
}

int Summary() {
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 && passed > 0 ? 0 : 1;
}

// The argument as the system passed it, wide: the ANSI argv of main would have
// lost what the code page does not hold.
std::wstring WideArgument(int index) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring argument;
    if (arguments != nullptr && index < count) {
        argument = arguments[index];
    }
    LocalFree(arguments);
    return argument;
}

// Handles the messages of this thread's windows until done() or the time is
// up; a host window whose child lives in another process must keep answering.
bool PumpUntil(DWORD milliseconds, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) {
            return true;
        }
        if (GetTickCount() - start >= milliseconds) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Written in full before the name appears, so that a reader never sees half.
void WriteReady(const char* path, const std::string& text) {
    const std::string partial = std::string(path) + ".partial";
    if (FILE* file = std::fopen(partial.c_str(), "w")) {
        std::fputs(text.c_str(), file);
        std::fclose(file);
        MoveFileA(partial.c_str(), path);
    }
}

std::string TempFileName(int number) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "velmora-ini-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(number) + ".ini";
}

void WriteBytes(const std::string& path, std::string_view content) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        std::fwrite(content.data(), 1, content.size(), file);
        std::fclose(file);
    }
}

int IniTable() {
    Win32Profile profile;
    int number = 0;
    for (const IniReadCase& c : kIniReadCases) {
        const std::string file = TempFileName(++number);
        if (!c.missing) {
            WriteBytes(file, c.content);
        }
        const std::string got = GetIniValue(profile, c.section, c.key, file);
        const bool same = got == c.expected;
        Expect(same, std::string("read: ") + c.name + (same ? "" : " (got " + Hex(got) + ")"));
        DeleteFileA(file.c_str());
    }
    for (const IniWriteCase& c : kIniWriteCases) {
        const std::string file = TempFileName(++number);
        if (!c.missing) {
            WriteBytes(file, c.content);
        }
        std::int32_t lastApiResult = 0;
        PutIniValue(profile, c.section, c.key, c.value, file, lastApiResult);
        const std::string got = GetIniValue(profile, c.section, c.key, file);
        const std::string other = GetIniValue(profile, c.section, c.otherKey, file);
        const bool same = lastApiResult != 0 && got == c.expected && other == c.otherExpected;
        Expect(same, std::string("write: ") + c.name +
                         (same ? "" : " (got " + Hex(got) + ", other " + Hex(other) + ")"));
        DeleteFileA(file.c_str());
    }
    return Summary();
}

int IniWrite(const char* file, const char* kind, const char* track, const char* pathHex) {
    Win32Profile profile;
    std::int32_t lastApiResult = 0;
    const auto number = [](const char* text) {
        return SettingNumberText(static_cast<std::int16_t>(std::atoi(text)));
    };
    PutIniValue(profile, kSettingsSection, kKeyKind, number(kind), file, lastApiResult);
    PutIniValue(profile, kSettingsSection, kKeyRepeatTrack, number(track), file, lastApiResult);
    PutIniValue(profile, kSettingsSection, kKeyFile, FromHex(pathHex), file, lastApiResult);
    return lastApiResult != 0 ? 0 : 1;
}

int IniRead(const char* file) {
    Win32Profile profile;
    std::printf("kind=%s\n", Hex(GetIniValue(profile, kSettingsSection, kKeyKind, file)).c_str());
    std::printf("track=%s\n",
                Hex(GetIniValue(profile, kSettingsSection, kKeyRepeatTrack, file)).c_str());
    std::printf("file=%s\n", Hex(GetIniValue(profile, kSettingsSection, kKeyFile, file)).c_str());
    return 0;
}

HWND MakeWindow(const char* title, DWORD style, int width, int height) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "VelmoraTestHost";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, title, style, 0, 0, width, height, nullptr,
                           nullptr, windowClass.hInstance, nullptr);
}

bool FileThere(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Stays until the time is up or a file named like the ready file plus ".stop"
// appears.
int Window(const char* title, const char* ready, int seconds) {
    // Hidden, as the saver-run window is.
    const HWND window = MakeWindow(title, WS_POPUP, 10, 10);
    if (window == nullptr) {
        return 1;
    }
    WriteReady(ready, std::to_string(NumberFromHandle(window)) + "\n");
    const std::string stop = std::string(ready) + ".stop";
    PumpUntil(static_cast<DWORD>(seconds) * 1000, [&] { return FileThere(stop); });
    DestroyWindow(window);
    return 0;
}

std::string Rect(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Starts Velmora.scr by its wide path, quoted as the first word of its command
// line, as the system's display settings start it.
bool StartScr(const std::wstring& scr, const std::wstring& arguments,
              PROCESS_INFORMATION& process) {
    std::wstring commandLine = L"\"" + scr + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(scr.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process) != FALSE;
}

// The program is named wide, so that it may lie in a folder named in any
// script.
int Preview(const std::wstring& scr, const char* form, int width, int height) {
    const HWND host = MakeWindow("Velmora Test Host", WS_POPUP | WS_VISIBLE, width, height);
    char arguments[64];
    std::snprintf(arguments, sizeof arguments, form, static_cast<int>(NumberFromHandle(host)));
    std::printf("host %d, started with: %s\n", static_cast<int>(NumberFromHandle(host)), arguments);
    PROCESS_INFORMATION process{};
    if (!StartScr(scr, WideFromAnsi(arguments), process)) {
        Expect(false, "Velmora.scr starts");
        return Summary();
    }

    HWND preview = nullptr;
    HWND picture = nullptr;
    PumpUntil(10000, [&] {
        preview = FindWindowExA(host, nullptr, "Torvi_R", nullptr);
        picture =
            preview != nullptr ? FindWindowExA(preview, nullptr, "Img_Prev", nullptr) : nullptr;
        return picture != nullptr && IsWindowVisible(preview);
    });
    // Let the set-up finish its last steps before looking.
    PumpUntil(300, [] { return false; });

    Expect(preview != nullptr, "Torvi_R is a child of the host");
    if (preview != nullptr) {
        char caption[64] = {};
        GetWindowTextA(preview, caption, sizeof caption);
        DWORD owner = 0;
        GetWindowThreadProcessId(preview, &owner);
        const RECT inHost = RectInParent(preview, host);
        Expect(GetAncestor(preview, GA_PARENT) == host, "its parent is the host");
        Expect(owner == process.dwProcessId, "it belongs to Velmora.scr");
        Expect(std::string(caption) == "Preview Window", std::string("caption: ") + caption);
        Expect((GetWindowLongA(preview, GWL_STYLE) & WS_CHILD) != 0, "it has the child style");
        Expect(IsWindowVisible(preview) != FALSE, "it is shown");
        const std::string expected = "0,0 " + std::to_string(width) + "x" + std::to_string(height);
        Expect(Rect(inHost) == expected, "at " + Rect(inHost) + ", host's size " + expected);
        Expect(picture != nullptr, "Img_Prev is its child");
        if (picture != nullptr) {
            const RECT inPreview = RectInParent(picture, preview);
            Expect(Rect(inPreview) == expected, "Img_Prev at " + Rect(inPreview));
        }
    }
    Expect(WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT,
           "Velmora.scr lives while the host does");

    DestroyWindow(host);
    DWORD exitCode = 1;
    const bool ended =
        PumpUntil(10000, [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; });
    GetExitCodeProcess(process.hProcess, &exitCode);
    Expect(ended, "Velmora.scr ends when the host is destroyed");
    Expect(exitCode == 0, "with exit code 0");
    if (!ended) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Summary();
}

int Still(int width, int height, const char* ready, int seconds) {
    const HWND host = MakeWindow("Velmora Still Host", WS_POPUP | WS_VISIBLE, width, height);
    // As where the system has no pixel format for the painting.
    PreviewWindow port(GetModuleHandleA(nullptr), PixelFormatRequest::kNone);
    if (host == nullptr || !SetUpPreview(port, NumberFromHandle(host))) {
        return 1;
    }
    // Painted before anyone looks.
    PumpUntil(500, [] { return false; });
    WriteReady(ready, "ready\n");
    const std::string stop = std::string(ready) + ".stop";
    PumpUntil(static_cast<DWORD>(seconds) * 1000, [&] { return FileThere(stop); });
    return 0;
}

double Seconds() {
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

// The picture the painting has just drawn in the current context, as a
// binary PPM, top row first; its brightest channel.
int SavePicture(const std::string& path, int width, int height) {
    std::string rgb(static_cast<std::size_t>(width) * height * 3, '\0');
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    int brightest = 0;
    for (char c : rgb) {
        brightest = std::max(brightest, static_cast<int>(static_cast<unsigned char>(c)));
    }
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fprintf(file, "P6\n%d %d\n255\n", width, height);
        for (int row = height - 1; row >= 0; --row) {
            std::fwrite(rgb.data() + static_cast<std::size_t>(row) * width * 3, 1,
                        static_cast<std::size_t>(width) * 3, file);
        }
        std::fclose(file);
    }
    return brightest;
}

// The moving preview's frames, as Velmora.scr's loop draws them, with the
// test's part in between: the time until the picture is first lit, twelve
// pictures a tenth of a second apart from the first second on, then the ready
// file; the host's destruction once the stop file appears.
class WatchedFrames : public PaintedFrames {
  public:
    WatchedFrames(PaintedFrames& frames, HWND host, int width, int height, const char* ready,
                  int seconds)
        : frames_(frames),
          host_(host),
          width_(width),
          height_(height),
          ready_(ready),
          stop_(std::string(ready) + ".stop"),
          start_(Seconds()),
          seconds_(seconds) {}

    bool ended() override {
        if (saved_ == kPictures && !darkChecked_) {
            checkDark();
        }
        if (destroyedAt == 0.0 && (FileThere(stop_) || Seconds() - start_ > seconds_)) {
            destroyedAt = Seconds();
            DestroyWindow(host_);
        }
        return frames_.ended();
    }
    bool wantsFrame() override { return frames_.wantsFrame(); }
    void drawFrame(int steps) override {
        frames_.drawFrame(steps);
        ++frames;
        const double now = Seconds() - start_;
        if (litAfter < 0.0) {
            const std::string first = std::string(ready_) + ".first.ppm";
            if (SavePicture(first, width_, height_) > 64) {
                litAfter = now;
            }
        }
        if (saved_ < kPictures && now >= 1.0 + 0.1 * saved_) {
            SavePicture(std::string(ready_) + "." + std::to_string(saved_) + ".ppm", width_,
                        height_);
            // The pace over the pictures' second, once the loop has seen how
            // the swap behaves.
            if (saved_ == 0) {
                firstSaved_ = {frames, now};
            } else {
                rate = (frames - firstSaved_.frames) / (now - firstSaved_.at);
            }
            ++saved_;
        }
    }
    FrameSchedule::Pacing pacing() override { return frames_.pacing(); }

    int frames = 0;
    double destroyedAt = 0.0;
    double litAfter = -1.0;
    double rate = 0.0;

  private:
    // The display goes off for half a second, as Windows would say it, and
    // comes back: no frame while it is off, the pace again once it is on.
    // Then the test may end the host. Looked at between the loop's frames,
    // and while it waits, which it wakes from every tenth of a second.
    void checkDark() {
        const double now = Seconds();
        const HWND preview = FindWindowExA(host_, nullptr, "Torvi_R", nullptr);
        switch (darkStep_) {
            case 0:
                Expect(SendDisplayPower(preview, 0), "the display-off notice reaches the preview");
                darkFrom_ = {frames, now};
                darkStep_ = 1;
                break;
            case 1:
                if (now - darkFrom_.at >= 0.5) {
                    std::printf("%d frames in %.2f s while the display was off\n",
                                frames - darkFrom_.frames, now - darkFrom_.at);
                    Expect(frames == darkFrom_.frames, "no frames while the display is off");
                    Expect(SendDisplayPower(preview, 1),
                           "the display-on notice reaches the preview");
                    darkFrom_ = {frames, now};
                    darkStep_ = 2;
                }
                break;
            default:
                if (now - darkFrom_.at >= 0.5) {
                    std::printf("%d frames in the half second after it came back\n",
                                frames - darkFrom_.frames);
                    Expect(frames - darkFrom_.frames >= 10, "frames again once the display is on");
                    darkChecked_ = true;
                    WriteReady(ready_, "ready\n");
                }
                break;
        }
    }

    int darkStep_ = 0;
    struct {
        int frames;
        double at;
    } darkFrom_{0, 0.0};
    static constexpr int kPictures = 12;
    bool darkChecked_ = false;
    PaintedFrames& frames_;
    HWND host_;
    int width_;
    int height_;
    const char* ready_;
    std::string stop_;
    double start_;
    int seconds_;
    int saved_ = 0;
    struct {
        int frames;
        double at;
    } firstSaved_{0, 0.0};
};

// The preview in a host of this very process, driven by the loop Velmora.scr
// runs. Wine 8 shows no GL child window on the screen (its copy to the
// top-level's surface fails), so the pictures are read back from the
// painting's own context.
int Live(int width, int height, const char* ready, int seconds) {
    const HWND host = MakeWindow("Velmora Live Host", WS_POPUP | WS_VISIBLE, width, height);
    PreviewWindow port(GetModuleHandleA(nullptr));
    if (host == nullptr || !SetUpPreview(port, NumberFromHandle(host))) {
        return 1;
    }
    PaintedFrames* painting = port.livePainting();
    Expect(painting != nullptr, "the painting moves in the preview");
    if (painting == nullptr) {
        WriteReady(ready, "still\n");
        return Summary();
    }
    const double start = Seconds();
    WatchedFrames frames(*painting, host, width, height, ready, seconds);
    runPaintingLoop(frames);
    const double ended = Seconds();
    std::printf("first lit after %.2f s\n", frames.litAfter);
    Expect(frames.litAfter >= 0.0 && frames.litAfter < 2.0, "lit within two seconds");
    std::printf("%d frames in %.1f s, %.1f a second from the first second on\n", frames.frames,
                frames.destroyedAt - start, frames.rate);
    Expect(frames.rate > 5.0 && frames.rate < 66.0,
           "moving, never faster than the painting's pace");
    const double after = ended - frames.destroyedAt;
    std::printf("loop ended %.0f ms after the host went\n", after * 1000.0);
    Expect(after < 0.5, "ends within half a second of the host");
    Expect(!IsWindow(host), "the host is gone");
    return Summary();
}

// A host for Velmora.scr /p in another process: the preview is looked at as
// in Preview, then the host goes and the time until the program has ended is
// measured.
int LiveHost(const std::wstring& scr, int width, int height, const char* ready, int seconds) {
    const HWND host = MakeWindow("Velmora Test Host", WS_POPUP | WS_VISIBLE, width, height);
    PROCESS_INFORMATION process{};
    if (!StartScr(scr, L"/p " + std::to_wstring(static_cast<int>(NumberFromHandle(host))),
                  process)) {
        Expect(false, "Velmora.scr starts");
        return Summary();
    }
    HWND preview = nullptr;
    PumpUntil(10000, [&] {
        preview = FindWindowExA(host, nullptr, "Torvi_R", nullptr);
        return preview != nullptr && IsWindowVisible(preview);
    });
    Expect(preview != nullptr, "Torvi_R is a child of the host");
    const HWND picture =
        preview != nullptr ? FindWindowExA(preview, nullptr, "Img_Prev", nullptr) : nullptr;
    Expect(picture != nullptr && !IsWindowVisible(picture),
           "the still is hidden beneath the moving painting");
    WriteReady(ready, "ready\n");

    // READY_FILE.dark and READY_FILE.light: the test measures Velmora.scr
    // while this host says the display went off, then on again.
    const std::string stop = std::string(ready) + ".stop";
    for (const auto& [name, value] : {std::pair<const char*, DWORD>{".dark", 0}, {".light", 1}}) {
        const std::string asked = std::string(ready) + name;
        PumpUntil(static_cast<DWORD>(seconds) * 1000,
                  [&] { return FileThere(asked) || FileThere(stop); });
        if (!FileThere(asked)) {
            break;
        }
        Expect(SendDisplayPower(preview, value),
               std::string("the notice ") + name + " reaches the preview of another process");
        WriteReady((asked + ".sent").c_str(), "sent\n");
    }
    PumpUntil(static_cast<DWORD>(seconds) * 1000, [&] { return FileThere(stop); });
    Expect(WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT,
           "Velmora.scr lives while the host does");
    const double destroyed = Seconds();
    DestroyWindow(host);
    const bool ended =
        PumpUntil(10000, [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; });
    const double after = Seconds() - destroyed;
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    std::printf("Velmora.scr ended %.0f ms after the host went\n", after * 1000.0);
    Expect(ended && after < 0.5, "it ends within half a second of the host");
    Expect(exitCode == 0, "with exit code 0");
    if (!ended) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Summary();
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The message box of another process: its text, in the language given, its
// buttons and its icon.
int MessageBoxCheck(const char* title, ScreenLanguage language) {
    const HWND box = FindWindowA(nullptr, title);
    Expect(box != nullptr, std::string("a window titled ") + title);
    if (box == nullptr) {
        return Summary();
    }
    std::wstring text;
    int buttons = 0;
    std::wstring buttonText;
    RECT buttonRect{};
    bool icon = false;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) {
            continue;
        }
        wchar_t content[256] = {};
        GetWindowTextW(child, content, 256);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const std::string kind = ClassOf(child);
        if (kind == "Button") {
            ++buttons;
            buttonText = content;
            GetWindowRect(child, &buttonRect);
        } else if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
            icon = icon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
        } else if (kind == "Static" && content[0] != L'\0') {
            text = content;
        }
    }
    const std::wstring expected = WideFromShiftJis(ScreenTextsIn(language).missingRenderer);
    Expect(text == expected, "the text is the missing-renderer message");
    std::printf("text %s\n", Hex(ShiftJisFromWide(text)).c_str());
    Expect(buttons == 1, "one button (" + std::to_string(buttons) + ")");
    Expect(buttonText == L"OK", "the button is OK");
    Expect(!icon, "no icon");
    std::printf("button centre %ld %ld\n", (buttonRect.left + buttonRect.right) / 2,
                (buttonRect.top + buttonRect.bottom) / 2);
    return Summary();
}

std::string Utf8(const std::wstring& text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(),
                            length, nullptr, nullptr);
    }
    return utf8;
}

int PathBytes(const std::wstring& path) {
    Win32PathBytes port;
    const std::optional<std::string> bytes = PathBytesOf(port, path);
    std::printf("%s\n", bytes ? Hex(*bytes).c_str() : "none");
    if (bytes) {
        std::printf("%s\n", Hex(Utf8(PathNamedBy(port, *bytes))).c_str());
    }
    return 0;
}

int StartMenuShortcut(const std::wstring& name) {
    wchar_t programs[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs))) {
        std::printf("no Start menu\n");
        return 1;
    }
    const std::wstring path = std::wstring(programs) + L"\\" + name + L".lnk";
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::printf("none\n");
        return 0;
    }
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH] = {};
    wchar_t arguments[1024] = {};
    bool read =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
        SUCCEEDED(link->GetArguments(arguments, 1024));
    if (file != nullptr) {
        file->Release();
    }
    if (link != nullptr) {
        link->Release();
    }
    CoUninitialize();
    if (!read) {
        std::printf("unreadable\n");
        return 1;
    }
    std::printf("target=%s arguments=%s\n", Utf8(target).c_str(), Utf8(arguments).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "ini-table") {
        return IniTable();
    }
    if (command == "ini-write" && argc == 6) {
        return IniWrite(argv[2], argv[3], argv[4], argv[5]);
    }
    if (command == "ini-read" && argc == 3) {
        return IniRead(argv[2]);
    }
    if (command == "window" && argc == 5) {
        return Window(argv[2], argv[3], std::atoi(argv[4]));
    }
    if (command == "preview" && argc == 6) {
        return Preview(WideArgument(2), argv[3], std::atoi(argv[4]), std::atoi(argv[5]));
    }
    if (command == "still" && argc == 6) {
        return Still(std::atoi(argv[2]), std::atoi(argv[3]), argv[4], std::atoi(argv[5]));
    }
    if (command == "live" && argc == 6) {
        return Live(std::atoi(argv[2]), std::atoi(argv[3]), argv[4], std::atoi(argv[5]));
    }
    if (command == "live-host" && argc == 7) {
        return LiveHost(WideArgument(2), std::atoi(argv[3]), std::atoi(argv[4]), argv[5],
                        std::atoi(argv[6]));
    }
    if (command == "message-box" && (argc == 3 || argc == 4)) {
        const bool english = argc == 4 && std::string(argv[3]) == "english";
        return MessageBoxCheck(argv[2],
                               english ? ScreenLanguage::kEnglish : ScreenLanguage::kJapanese);
    }
    if (command == "path-bytes" && argc == 3) {
        return PathBytes(WideArgument(2));
    }
    if (command == "start-menu" && argc == 3) {
        return StartMenuShortcut(WideArgument(2));
    }
    std::fprintf(stderr, "usage: see the head of frontend_probe.cpp\n");
    return 2;
}
