// A small window that proves a Windows program runs on the test display the
// way the Velmora programs need: it reports the ANSI code page, the wave output
// devices and the Japanese dialog fonts on stdout, fills itself with a known
// colour through OpenGL, and ends with a known exit code on the first key.
#include <windows.h>

// OpenGL's Windows header needs the types of <windows.h>.
#include <GL/gl.h>

#include <string>

namespace {

const char kWindowClass[] = "VelmoraSmokeWindow";
const char kWindowTitle[] = "Velmora smoke window";
const int kExitCodeOnKey = 42;
const GLfloat kFill[3] = {0.2f, 0.6f, 1.0f};

// The dialog asks for these by name; each must reach a real CJK face.
const wchar_t* const kDialogFonts[] = {
    L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF",  // ＭＳ Ｐゴシック
    L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF",        // ＭＳ ゴシック
    L"MS UI Gothic",
};

HGLRC glContext = nullptr;

std::string toUtf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string utf8(size - 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], size, nullptr, nullptr);
    return utf8;
}

// A GUI program has no console, but Wine hands it the standard handles of the
// process that started it, which is how the test reads these lines.
void report(const std::string& line) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return;
    std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// GDI answers any name with some face, so a name counts only if it is a known
// family; the face behind it then tells which real font the name leads to.
std::string faceFor(const wchar_t* requested) {
    LOGFONTW request = {};
    request.lfHeight = -12;
    request.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(request.lfFaceName, requested, LF_FACESIZE);

    HDC screen = GetDC(nullptr);
    bool known = false;
    EnumFontFamiliesExW(screen, &request, noteFamily, reinterpret_cast<LPARAM>(&known), 0);
    std::string face = "(unknown family)";
    if (known) {
        HFONT font = CreateFontIndirectW(&request);
        HGDIOBJ previous = SelectObject(screen, font);
        UINT size = GetOutlineTextMetricsW(screen, 0, nullptr);
        std::string buffer(size, '\0');
        auto* metrics = reinterpret_cast<OUTLINETEXTMETRICW*>(&buffer[0]);
        if (size > 0 && GetOutlineTextMetricsW(screen, size, metrics) != 0) {
            size_t offset = reinterpret_cast<size_t>(metrics->otmpFaceName);
            face = toUtf8(reinterpret_cast<const wchar_t*>(&buffer[offset]));
        }
        SelectObject(screen, previous);
        DeleteObject(font);
    }
    ReleaseDC(nullptr, screen);
    return face;
}

void reportEnvironment() {
    report("acp " + std::to_string(GetACP()));
    report("wave-out-devices " + std::to_string(waveOutGetNumDevs()));
    for (const wchar_t* name : kDialogFonts) {
        report("font " + toUtf8(name) + " = " + faceFor(name));
    }
}

bool setUpOpenGL(HWND window) {
    HDC dc = GetDC(window);
    PIXELFORMATDESCRIPTOR wanted = {};
    wanted.nSize = sizeof(wanted);
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = 24;
    int format = ChoosePixelFormat(dc, &wanted);
    bool ready = format != 0 && SetPixelFormat(dc, format, &wanted) &&
                 (glContext = wglCreateContext(dc)) != nullptr && wglMakeCurrent(dc, glContext);
    if (ready) {
        report(std::string("gl-renderer ") +
               reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    } else {
        report("gl-renderer (none)");
    }
    ReleaseDC(window, dc);
    return ready;
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (glContext != nullptr) {
        glClearColor(kFill[0], kFill[1], kFill[2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glFinish();
        SwapBuffers(dc);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            setUpOpenGL(window);
            return 0;
        case WM_PAINT:
            paint(window);
            return 0;
        case WM_KEYDOWN:
            report("key " + std::to_string(wParam));
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            if (glContext != nullptr) {
                wglMakeCurrent(nullptr, nullptr);
                wglDeleteContext(glContext);
                glContext = nullptr;
            }
            PostQuitMessage(kExitCodeOnKey);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    reportEnvironment();

    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassA(&windowClass) == 0)
        return 1;

    HWND window = CreateWindowExA(0, kWindowClass, kWindowTitle, WS_POPUP | WS_VISIBLE, 100, 100,
                                  320, 240, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 2;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
