// Feeds arbitrary bytes to the button's stored property-set text and to the
// bitmap reader of its face pictures, and checks what must hold for any input:
// nothing crashes, a font size read is one a font can have, the text that the
// writer makes of what was read reads back without a problem and writes the
// same again, and a bitmap that reads is of a possible size and reads back
// the same from the bytes the writer makes of it.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "bmp_file.h"
#include "property_sets_text.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckPropertySets(std::string_view text) {
    const PropertySetsReading reading = ReadPropertySets(text);
    for (const ControlPropertySet& set : reading.sets) {
        for (const PropertyBag::Entry& entry : set.properties.entries()) {
            if (const auto* font = std::get_if<ButtonFont>(&entry.second)) {
                Check(std::isfinite(font->size) && font->size >= 1 && font->size <= 1638);
            }
        }
    }
    const std::string written = WritePropertySets(reading.sets);
    const PropertySetsReading again = ReadPropertySets(written);
    Check(again.problems.empty());
    Check(again.sets.size() == reading.sets.size());
    Check(WritePropertySets(again.sets) == written);
}

void CheckBitmap(const std::string& bytes) {
    RgbImage image;
    std::string error;
    if (!ReadBmp(bytes, image, error)) {
        Check(!error.empty());
        return;
    }
    Check(image.width > 0 && image.width <= 65536 && image.height > 0 && image.height <= 65536);
    Check(image.rgb.size() ==
          static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3);
    RgbImage again;
    Check(ReadBmp(BmpBytes(image), again, error));
    Check(again == image);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckPropertySets(input);
    CheckBitmap(input);
    return 0;
}
