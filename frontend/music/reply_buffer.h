#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// A fixed reply buffer that lives as long as the module and is never cleared:
// each reply overwrites only its own front, so whatever an earlier, longer
// reply left behind the terminating NUL must never be read.
template <std::size_t N>
class ReplyBuffer {
  public:
    char* data() { return bytes_.data(); }
    static constexpr std::uint32_t size() { return N; }

    // The characters before the first NUL; all of them if the service filled
    // the buffer without one.
    std::string text() const {
        const auto end = std::find(bytes_.begin(), bytes_.end(), '\0');
        return std::string(bytes_.begin(), end);
    }

  private:
    std::array<char, N> bytes_{};
};
