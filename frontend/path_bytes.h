#pragma once

#include <optional>
#include <string>

// A path as the system's byte interfaces take it. Inside the front-end a path
// is wide (UTF-16 on Windows), as the system names its files and folders; only
// where it must pass through an interface that takes bytes (the values of
// Velmora.ini, which other copies of Velmora read, and the multimedia command
// strings) is it turned into bytes, and PathBytesOf is the one place that
// decides how.

// The text in the system's ANSI code page, and whether every character had a
// counterpart of its own there.
struct AnsiText {
    std::string bytes;
    // False when a character took the code page's default character ("?");
    // a character is never replaced by a look-alike.
    bool exact = false;
};

// What the rule needs from the system: its ANSI code page, and the short
// (8.3) names that its file system keeps beside the long ones.
class PathBytesPort {
  public:
    virtual ~PathBytesPort() = default;

    virtual AnsiText ansiFrom(const std::wstring& text) = 0;
    // Bytes in the ANSI code page read back as the "A" functions read them.
    virtual std::wstring wideFrom(const std::string& bytes) = 0;
    // The path with every folder and file name in its short form, or nothing
    // when the path names nothing or the system cannot give one.
    virtual std::optional<std::wstring> shortFormOf(const std::wstring& path) = 0;
    // The same with every name in its long form.
    virtual std::optional<std::wstring> longFormOf(const std::wstring& path) = 0;
};

// The path's bytes in the ANSI code page when they say exactly what the path
// says and are no more than `longest`; else the bytes of its short form, which
// a volume with short names gives in plain ASCII, on the same terms; else
// nothing, and the caller has to say that this path cannot be kept. A path
// that names nothing yet has no short form.
std::optional<std::string> PathBytesOf(PathBytesPort& port, const std::wstring& path,
                                       std::size_t longest = std::string::npos);

// Like PathBytesOf, but never empty-handed: where the path has no byte form,
// its ANSI text with the default character for what does not convert. That
// character ("?") is not allowed in a file name, so the result names no file
// and a byte interface fails on it rather than reaching a wrong one.
std::string PathBytesOrUnusable(PathBytesPort& port, const std::wstring& path);

// What a person reads for bytes that a byte interface holds (a music file
// kept in Velmora.ini): the path they name, with the names of a short form
// made long again. Bytes that name nothing are read back as they are.
std::wstring PathNamedBy(PathBytesPort& port, const std::string& bytes);
