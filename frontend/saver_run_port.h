#pragma once

#include <cstdint>
#include <string>

// The saver-run window's three timers, numbered as the window knows them.
enum class SaverTimer { Timer1 = 1, Timer2 = 2, Timer3 = 3 };

// What the saver run needs from the system: its window's timers, the window
// search, starting the renderer, the cursor, and ending the program.
class SaverRunPort {
  public:
    virtual ~SaverRunPort() = default;

    // Starts (or restarts) a timer of the saver-run window that ticks every
    // `milliseconds` until it is stopped.
    virtual void startTimer(SaverTimer timer, std::uint32_t milliseconds) = 0;
    virtual void stopTimer(SaverTimer timer) = 0;
    // FindWindowA with no class name: true when a top-level window has
    // exactly this title.
    virtual bool findWindow(const char* title) = 0;
    // Starts the file (a path as the system names it) as a program with its own path alone as
    // command line and its first window shown normally, keeping no handle. Returns once a top-level
    // window titled readyTitle exists, the program has ended, or some seconds have passed. A
    // program that cannot be started is not reported: the run then finds no renderer window and
    // ends.
    virtual void startProgram(const std::wstring& path, const char* readyTitle) = 0;
    // ShowCursor with `show` as its flag (any non-zero value shows); the
    // cursor's new display count.
    virtual std::int32_t showCursor(std::int32_t show) = 0;
    // Ends the process at once; does not return on the system.
    virtual void endProgram() = 0;
};
