#include "stop_signal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t stopFlag = 0;

extern "C" void raiseStopFlag(int) {
    stopFlag = 1;
}

}  // namespace

void installStopSignals() {
    struct sigaction action {};
    action.sa_handler = raiseStopFlag;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool stopRequested() {
    return stopFlag != 0;
}
