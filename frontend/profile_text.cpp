#include "profile_text.h"

#include "ascii_text.h"
#include "shift_jis.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line: its text is [begin, end), its line break [end, next).
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

enum class LineKind { kSection, kKey, kOther };

std::string_view Trim(std::string_view text) {
    return SkipTrailingBlanks(SkipLeadingBlanks(text, " \t"), " \t");
}

// Up to the first line break.
std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

class Lines {
  public:
    explicit Lines(std::string_view text) : text_(text) {
        if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            position_ = kByteOrderMark.size();
        }
    }

    bool next(Line& line) {
        if (position_ >= text_.size()) {
            return false;
        }
        line.begin = position_;
        const std::size_t feed = text_.find('\n', position_);
        // A CR before the LF, or at the very end, belongs to the line break.
        line.next = feed == std::string_view::npos ? text_.size() : feed + 1;
        line.end = feed == std::string_view::npos ? text_.size() : feed;
        if (line.end > position_ && text_[line.end - 1] == '\r') {
            --line.end;
        }
        position_ = line.next;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// What a line is, with the section's name or the key and value it holds.
LineKind Classify(std::string_view body, std::string_view& name, std::string_view& value) {
    const std::string_view trimmed = Trim(body);
    if (!trimmed.empty() && trimmed.front() == '[') {
        std::string_view inside = trimmed.substr(1);
        name = Trim(inside.substr(0, inside.find(']')));
        return LineKind::kSection;
    }
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos) {
        return LineKind::kOther;
    }
    name = Trim(body.substr(0, equals));
    value = Trim(body.substr(equals + 1));
    return LineKind::kKey;
}

// Makes a text that ends inside a line end that line, so that what follows
// starts a line of its own. A CR at the very end was that line's break already.
void EndLine(std::string& text, std::string_view newline) {
    if (text.empty() || text.back() == '\n') {
        return;
    }
    if (text.back() == '\r') {
        text += '\n';
    } else {
        text += newline;
    }
}

std::string_view NewlineOf(std::string_view text) {
    const std::size_t feed = text.find('\n');
    if (feed != std::string_view::npos && (feed == 0 || text[feed - 1] != '\r')) {
        return "\n";
    }
    return "\r\n";
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    bool inSection = false;
    bool sectionSeen = false;
    Lines lines(text);
    Line line{};
    while (lines.next(line)) {
        std::string_view name, value;
        const std::string_view body = text.substr(line.begin, line.end - line.begin);
        switch (Classify(body, name, value)) {
            case LineKind::kSection:
                if (sectionSeen) {
                    return std::nullopt;
                }
                inSection = ShiftJisEqualIgnoringCase(name, section);
                sectionSeen = inSection;
                break;
            case LineKind::kKey:
                if (inSection && !name.empty() && ShiftJisEqualIgnoringCase(name, key)) {
                    return value;
                }
                break;
            case LineKind::kOther:
                break;
        }
    }
    return std::nullopt;
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
    section = FirstLine(section);
    key = FirstLine(key);
    value = FirstLine(value);
    const std::string_view newline = NewlineOf(text);
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    bool inSection = false;
    bool sectionSeen = false;
    // Where a new key line goes: after the section's header or its last key.
    std::optional<Line> insertAfter;
    Lines lines(text);
    Line line{};
    while (lines.next(line)) {
        std::string_view name, found;
        const std::string_view body = text.substr(line.begin, line.end - line.begin);
        const LineKind kind = Classify(body, name, found);
        if (kind == LineKind::kSection) {
            if (sectionSeen) {
                break;
            }
            inSection = ShiftJisEqualIgnoringCase(name, section);
            sectionSeen = inSection;
            if (inSection) {
                insertAfter = line;
            }
        } else if (kind == LineKind::kKey && inSection) {
            if (!name.empty() && ShiftJisEqualIgnoringCase(name, key)) {
                std::string result(text.substr(0, line.begin));
                result += keyLine;
                result += text.substr(line.end);
                return result;
            }
            insertAfter = line;
        }
    }

    std::string result;
    if (insertAfter) {
        result = text.substr(0, insertAfter->next);
        EndLine(result, newline);
        result += keyLine;
        result += newline;
        result += text.substr(insertAfter->next);
        return result;
    }

    result = text;
    EndLine(result, newline);
    result += "[";
    result += section;
    result += "]";
    result += newline;
    result += keyLine;
    result += newline;
    return result;
}
