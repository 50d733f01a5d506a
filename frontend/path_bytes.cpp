#include "path_bytes.h"

std::optional<std::string> PathBytesOf(PathBytesPort& port, const std::wstring& path,
                                       std::size_t longest) {
    AnsiText ansi = port.ansiFrom(path);
    if (ansi.exact && ansi.bytes.size() <= longest) {
        return std::move(ansi.bytes);
    }
    // A short name is made of characters that the code page holds, as a rule
    // plain ASCII, and is no longer than the long one; where a volume keeps
    // none, the long name comes back and is no better than before.
    const std::optional<std::wstring> shortForm = port.shortFormOf(path);
    if (!shortForm.has_value() || shortForm->empty()) {
        return std::nullopt;
    }
    AnsiText shortAnsi = port.ansiFrom(*shortForm);
    if (shortAnsi.exact && shortAnsi.bytes.size() <= longest) {
        return std::move(shortAnsi.bytes);
    }
    return std::nullopt;
}

std::string PathBytesOrUnusable(PathBytesPort& port, const std::wstring& path) {
    if (std::optional<std::string> bytes = PathBytesOf(port, path)) {
        return std::move(*bytes);
    }
    return port.ansiFrom(path).bytes;
}

std::wstring PathNamedBy(PathBytesPort& port, const std::string& bytes) {
    std::wstring path = port.wideFrom(bytes);
    if (path.empty()) {
        return path;
    }
    if (std::optional<std::wstring> longForm = port.longFormOf(path)) {
        if (!longForm->empty()) {
            return std::move(*longForm);
        }
    }
    return path;
}
