// The properties of the button and its persisted property set.

#include <limits>

#include "command.h"

namespace {

constexpr char kEnabledKey[] = "Enabled";
constexpr char kCaptionKey[] = "Caption";
constexpr char kFontKey[] = "Font";
constexpr char kFirstRunKey[] = "FirstRun";
constexpr char kFontColourKey[] = "FontColour";
constexpr char kVisibleKey[] = "Visible";

// A caption that was never set reads as "Command1", while "Command" is the
// one that is not written: a caption of exactly "Command" reads back as
// "Command1".
const PropertyValue kCaptionRead = std::string("Command1");
const PropertyValue kCaptionWritten = std::string("Command");
const PropertyValue kFirstRunDefault = std::string("1");
const PropertyValue kFontColourDefault = std::string("0");
const PropertyValue kVisibleDefault = std::string("1");

constexpr std::int32_t kOpaque = 1;
constexpr std::int32_t kTransparent = 0;

}  // namespace

void Command::setCaption(const std::string& New_Caption) {
    LblMsg.text = New_Caption;
    port_.labelChanged();
    port_.propertyChanged(kCaptionKey);
}

void Command::setFont(const ButtonFont& New_Font) {
    LblMsg.font = New_Font;
    port_.labelChanged();
    port_.propertyChanged(kFontKey);
}

std::uint32_t Command::FontColour() {
    const std::uint32_t colour = LblMsg.colour;
    RefreshFace();
    return colour;
}

void Command::setFontColour(std::uint32_t New_FontColour) {
    if (!LblMsg.setColour(New_FontColour)) {
        // The label refused the colour: the face is refreshed and nothing is
        // reported.
        RefreshFace();
        return;
    }
    port_.labelChanged();
    RefreshFace();
    port_.propertyChanged(kFontColourKey);
}

bool Command::Enabled() {
    if (FirstRun == 0) {
        // A control created without a stored property set comes alive the
        // first time its Enabled is read.
        RefreshFace();
        FirstRun = 1;
        enabled_ = true;
    }
    const bool value = enabled_;
    ApplyEnabled();
    return value;
}

void Command::setEnabled(bool New_Enabled) {
    enabled_ = New_Enabled;
    port_.propertyChanged(kEnabledKey);
    ApplyEnabled();
}

std::uint8_t Command::Visible() {
    if (!opaque_) {
        return 0;
    }
    RefreshFace();
    return 255;
}

void Command::setVisible(std::uint8_t New_Visible) {
    opaque_ = New_Visible != 0;
    port_.labelChanged();
    if (opaque_) {
        RefreshFace();
    }
    port_.propertyChanged(kVisibleKey);
}

void Command::ReadProperties(const PropertyBag& bag) {
    // Each property on its own: a stored value that does not fit the
    // property is skipped, and the property keeps what it had.
    constexpr auto kLongLowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto kLongHighest = std::numeric_limits<std::int32_t>::max();
    if (const auto enabled = BooleanFrom(bag.ReadProperty(kEnabledKey, true))) {
        enabled_ = *enabled;
    }
    if (const auto caption = TextFrom(bag.ReadProperty(kCaptionKey, kCaptionRead))) {
        LblMsg.text = *caption;
    }
    if (const auto font = FontFrom(bag.ReadProperty(kFontKey, port_.ambientFont()))) {
        LblMsg.font = *font;
    }
    if (const auto firstRun = IntegerFrom(bag.ReadProperty(kFirstRunKey, kFirstRunDefault), 0,
                                          std::numeric_limits<std::uint8_t>::max())) {
        FirstRun = static_cast<std::uint8_t>(*firstRun);
    }
    if (const auto colour = IntegerFrom(bag.ReadProperty(kFontColourKey, kFontColourDefault),
                                        kLongLowest, kLongHighest)) {
        LblMsg.setColour(static_cast<std::uint32_t>(*colour));
    }
    if (const auto style = IntegerFrom(bag.ReadProperty(kVisibleKey, kVisibleDefault),
                                       std::numeric_limits<std::int16_t>::min(),
                                       std::numeric_limits<std::int16_t>::max())) {
        // The background style knows only these two.
        if (*style == kOpaque || *style == kTransparent) {
            opaque_ = *style == kOpaque;
        }
    }
    port_.labelChanged();
    RefreshFace();
}

void Command::WriteProperties(PropertyBag& bag) {
    bag.WriteProperty(kEnabledKey, enabled_, true);
    bag.WriteProperty(kCaptionKey, LblMsg.text, kCaptionWritten);
    bag.WriteProperty(kFirstRunKey, std::int32_t{FirstRun}, kFirstRunDefault);
    bag.WriteProperty(kFontKey, LblMsg.font, port_.ambientFont());
    bag.WriteProperty(kFontColourKey, static_cast<std::int32_t>(LblMsg.colour), kFontColourDefault);
    bag.WriteProperty(kVisibleKey, opaque_ ? kOpaque : kTransparent, kVisibleDefault);
    RefreshFace();
}
