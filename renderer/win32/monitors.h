#pragma once

#include "monitor_layout.h"

// The layout for the monitors the system lists now. Systems that cannot list
// their monitors (Windows 95, NT 4) have the one screen.
MonitorLayout currentMonitorLayout(MonitorChoice choice);
