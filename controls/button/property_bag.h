#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "button_font.h"

// A stored property: a Boolean, a whole number, a text (Shift-JIS bytes) or a
// font.
using PropertyValue = std::variant<bool, std::int32_t, std::string, ButtonFont>;

// A stored value as the type a property wants, or nothing when it does not
// convert: a text that is no number, a number out of the property's range, a
// font as anything else. Booleans are numbers -1 (True) and 0, and the texts
// "True" and "False"; a number is True when it is not 0.
std::optional<bool> BooleanFrom(const PropertyValue& value);
std::optional<std::int32_t> IntegerFrom(const PropertyValue& value, std::int32_t lowest,
                                        std::int32_t highest);
std::optional<std::string> TextFrom(const PropertyValue& value);
std::optional<ButtonFont> FontFrom(const PropertyValue& value);

// `value` converted to the type that `like` holds.
std::optional<PropertyValue> ConvertedLike(const PropertyValue& value, const PropertyValue& like);

// The typed property store of one control: keys with values, kept in the
// order they were first stored.
class PropertyBag {
  public:
    using Entry = std::pair<std::string, PropertyValue>;

    // The stored value, or `otherwise` when the key is absent.
    PropertyValue ReadProperty(std::string_view key, const PropertyValue& otherwise) const;
    // Stores the value, unless it equals `otherwise` converted to the value's
    // type: then the key is left absent, so that reading gives the reader's
    // default.
    void WriteProperty(std::string_view key, const PropertyValue& value,
                       const PropertyValue& otherwise);

    const PropertyValue* find(std::string_view key) const;
    // Stores the value as it is, replacing what the key held.
    void set(std::string_view key, PropertyValue value);
    void erase(std::string_view key);

    const std::vector<Entry>& entries() const { return entries_; }
    bool operator==(const PropertyBag& other) const { return entries_ == other.entries_; }

  private:
    std::vector<Entry> entries_;
};
