#include "monitor_setting.h"

#include "setting_number.h"
#include "settings_file.h"
#include "texts.h"

namespace {

constexpr std::int16_t kEveryMonitor = 0;
constexpr std::int16_t kMainMonitorOnly = 1;

}  // namespace

MonitorChoice ReadMonitorChoice(ProfilePort& profile, const std::string& settingsPath) {
    const auto number =
        ParseSettingNumber(GetIniValue(profile, kSettingsSection, kKeyMonitors, settingsPath));
    return number == kMainMonitorOnly ? MonitorChoice::kMainMonitorOnly
                                      : MonitorChoice::kEveryMonitor;
}

void PutMonitorChoice(ProfilePort& profile, MonitorChoice choice, const std::string& settingsPath,
                      std::int32_t& lastApiResult) {
    const std::int16_t number =
        choice == MonitorChoice::kMainMonitorOnly ? kMainMonitorOnly : kEveryMonitor;
    PutIniValue(profile, kSettingsSection, kKeyMonitors, SettingNumberText(number), settingsPath,
                lastApiResult);
}
