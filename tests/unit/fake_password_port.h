#pragma once

#include <functional>
#include <string>
#include <vector>

#include "password_step.h"

// Answers as the system would and records each call in order.
class FakePasswordPort : public PasswordPort {
  public:
    std::uint32_t platform = kPlatformWin32Windows;
    bool libraryPresent = true;
    bool exportPresent = true;
    // Answers of the dialog, one per call; accepts once they run out.
    std::vector<bool> answers;
    // Runs inside the dialog, as the system's modal loop would dispatch
    // messages meanwhile.
    std::function<void()> whileDialogOpen;

    std::vector<std::string> calls;
    WindowHandle dialogOwner = nullptr;
    int dialogs = 0;

    std::uint32_t platformId() override {
        calls.push_back("version");
        return platform;
    }
    LibraryHandle loadLibrary(const char* name) override {
        calls.push_back(std::string("load ") + name);
        return libraryPresent ? &library_ : nullptr;
    }
    bool findExport(LibraryHandle library, const char* name) override {
        calls.push_back(std::string(library == &library_ ? "find " : "find in stranger ") + name);
        return exportPresent;
    }
    void setScreenSaverRunning(bool running) override {
        calls.push_back(running ? "running on" : "running off");
    }
    bool runPasswordDialog(WindowHandle window) override {
        calls.push_back("dialog");
        dialogOwner = window;
        const bool answer = dialogs < static_cast<int>(answers.size()) ? answers[dialogs] : true;
        ++dialogs;
        if (whileDialogOpen) {
            whileDialogOpen();
        }
        return answer;
    }
    void freeLibrary(LibraryHandle library) override {
        calls.push_back(library == &library_ ? "free" : "free stranger");
    }

  private:
    int library_ = 0;
};
