// The native settings-file reader and writer from the command line, so that a
// file written by one side can be read by the other (the Windows side is the
// end-to-end test program under Wine). Bytes travel as hex.
//
//   velmora_ini_native write FILE KIND TRACK PATH_HEX
//   velmora_ini_native read FILE

#include <cstdio>
#include <cstdlib>
#include <string>

#include "hex_bytes.h"
#include "native_profile.h"
#include "settings_file.h"
#include "texts.h"

namespace {}  // namespace

int main(int argc, char** argv) {
    NativeProfile profile;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "write" && argc == 6) {
        std::int32_t lastApiResult = 0;
        const auto number = [](const char* text) {
            return SettingNumberText(static_cast<std::int16_t>(std::atoi(text)));
        };
        PutIniValue(profile, kSettingsSection, kKeyKind, number(argv[3]), argv[2], lastApiResult);
        PutIniValue(profile, kSettingsSection, kKeyRepeatTrack, number(argv[4]), argv[2],
                    lastApiResult);
        PutIniValue(profile, kSettingsSection, kKeyFile, FromHex(argv[5]), argv[2], lastApiResult);
        return lastApiResult != 0 ? 0 : 1;
    }
    if (command == "read" && argc == 3) {
        std::printf("kind=%s\n",
                    Hex(GetIniValue(profile, kSettingsSection, kKeyKind, argv[2])).c_str());
        std::printf("track=%s\n",
                    Hex(GetIniValue(profile, kSettingsSection, kKeyRepeatTrack, argv[2])).c_str());
        std::printf("file=%s\n",
                    Hex(GetIniValue(profile, kSettingsSection, kKeyFile, argv[2])).c_str());
        return 0;
    }
    std::fprintf(stderr, "usage: velmora_ini_native write FILE KIND TRACK PATH_HEX | read FILE\n");
    return 2;
}
