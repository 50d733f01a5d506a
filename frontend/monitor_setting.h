#pragma once

#include <cstdint>
#include <string>

#include "monitor_choice.h"
#include "profile_port.h"

// The choice of monitors as Velmora.ini keeps it: the key ﾓﾆﾀｰ区分 of the
// section beside the music's keys, a number written as theirs are (" 0"
// every monitor, " 1" the main monitor only). A file without the key, or with
// any other value, paints every monitor, as Velmora did before there was a
// choice for the people who want it elsewhere.
MonitorChoice ReadMonitorChoice(ProfilePort& profile, const std::string& settingsPath);

// Writes the key; the system's result goes to lastApiResult.
void PutMonitorChoice(ProfilePort& profile, MonitorChoice choice, const std::string& settingsPath,
                      std::int32_t& lastApiResult);
