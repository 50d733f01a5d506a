// velmora-icon: draws the programs' icon from the painting and writes it as an
// .ico file, from which both programs and the installer carry it.
//
//   velmora-icon FILE.ico

#include <cstdio>
#include <fstream>
#include <string>

#include "program_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "velmora-icon: give the .ico file to write\n");
        return 2;
    }
    std::vector<IconImage> images;
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!DrawProgramIcon(images, error) || !IconFileBytes(images, bytes, error)) {
        std::fprintf(stderr, "velmora-icon: %s\n", error.c_str());
        return 1;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        std::fprintf(stderr, "velmora-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
