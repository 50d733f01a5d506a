#include "shortened_path.h"

namespace {

constexpr wchar_t kLeftOut[] = L"...";

}  // namespace

std::wstring ShortenedPath(const std::wstring& path,
                           const std::function<bool(const std::wstring&)>& fits) {
    if (fits(path)) {
        return path;
    }
    const std::size_t lastBackslash = path.rfind(L'\\');
    const std::size_t nameStart = lastBackslash == std::wstring::npos ? 0 : lastBackslash;
    const std::wstring name = path.substr(nameStart);
    // The longest start of the folders that leaves room for the name.
    for (std::size_t kept = nameStart; kept-- > 0;) {
        const std::wstring shown = path.substr(0, kept) + kLeftOut + name;
        if (fits(shown)) {
            return shown;
        }
    }
    // A name too long on its own: its middle goes, the ending has the
    // larger share of what is kept.
    for (std::size_t kept = name.size(); kept-- > 1;) {
        const std::size_t front = kept / 2;
        const std::wstring shown =
            kLeftOut + name.substr(0, front) + kLeftOut + name.substr(name.size() - (kept - front));
        if (fits(shown)) {
            return shown;
        }
    }
    return kLeftOut;
}
