#pragma once

#include "monitor_choice.h"

// The choice of monitors that the settings dialog saved in Velmora.ini, which
// lies beside the renderer as beside the front-end. Every monitor where the
// file or the key is missing.
MonitorChoice savedMonitorChoice();
