#include "property_bag.h"

#include <algorithm>
#include <limits>

#include "plain_text.h"

namespace {

constexpr std::int32_t kTrue = -1;

std::optional<std::int64_t> NumberInText(std::string_view text) {
    text = Trimmed(text);
    if (SameIgnoringCase(text, "True")) {
        return kTrue;
    }
    if (SameIgnoringCase(text, "False")) {
        return 0;
    }
    return WholeNumberIn(text);
}

}  // namespace

std::optional<bool> BooleanFrom(const PropertyValue& value) {
    if (const auto* boolean = std::get_if<bool>(&value)) {
        return *boolean;
    }
    if (const auto* integer = std::get_if<std::int32_t>(&value)) {
        return *integer != 0;
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        if (const auto number = NumberInText(*text)) {
            return *number != 0;
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> IntegerFrom(const PropertyValue& value, std::int32_t lowest,
                                        std::int32_t highest) {
    std::optional<std::int64_t> number;
    if (const auto* boolean = std::get_if<bool>(&value)) {
        number = *boolean ? kTrue : 0;
    } else if (const auto* integer = std::get_if<std::int32_t>(&value)) {
        number = *integer;
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        number = NumberInText(*text);
    }
    if (!number || *number < lowest || *number > highest) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*number);
}

std::optional<std::string> TextFrom(const PropertyValue& value) {
    if (const auto* boolean = std::get_if<bool>(&value)) {
        return std::string(*boolean ? "True" : "False");
    }
    if (const auto* integer = std::get_if<std::int32_t>(&value)) {
        return std::to_string(*integer);
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return std::nullopt;
}

std::optional<ButtonFont> FontFrom(const PropertyValue& value) {
    if (const auto* font = std::get_if<ButtonFont>(&value)) {
        return *font;
    }
    return std::nullopt;
}

std::optional<PropertyValue> ConvertedLike(const PropertyValue& value, const PropertyValue& like) {
    constexpr auto kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto kHighest = std::numeric_limits<std::int32_t>::max();
    const auto wrap = [](const auto& converted) -> std::optional<PropertyValue> {
        if (!converted) {
            return std::nullopt;
        }
        return PropertyValue(*converted);
    };
    switch (like.index()) {
        case 0:
            return wrap(BooleanFrom(value));
        case 1:
            return wrap(IntegerFrom(value, kLowest, kHighest));
        case 2:
            return wrap(TextFrom(value));
        default:
            return wrap(FontFrom(value));
    }
}

PropertyValue PropertyBag::ReadProperty(std::string_view key,
                                        const PropertyValue& otherwise) const {
    const PropertyValue* stored = find(key);
    return stored != nullptr ? *stored : otherwise;
}

void PropertyBag::WriteProperty(std::string_view key, const PropertyValue& value,
                                const PropertyValue& otherwise) {
    const std::optional<PropertyValue> defaultValue = ConvertedLike(otherwise, value);
    if (defaultValue && *defaultValue == value) {
        erase(key);
        return;
    }
    set(key, value);
}

const PropertyValue* PropertyBag::find(std::string_view key) const {
    for (const Entry& entry : entries_) {
        if (entry.first == key) {
            return &entry.second;
        }
    }
    return nullptr;
}

void PropertyBag::set(std::string_view key, PropertyValue value) {
    for (Entry& entry : entries_) {
        if (entry.first == key) {
            entry.second = std::move(value);
            return;
        }
    }
    entries_.emplace_back(std::string(key), std::move(value));
}

void PropertyBag::erase(std::string_view key) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& entry) { return entry.first == key; }),
                   entries_.end());
}
