// A fixed character buffer that the platform fills with a reply. It starts all NUL and
// keeps its length between calls; a reply's text ends at the first NUL, so whatever an
// earlier, longer reply left behind it never counts. Portable.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace music {

template <std::size_t Length>
class FixedText {
  public:
    char* data() { return chars_.data(); }
    static constexpr uint32_t size() { return static_cast<uint32_t>(Length); }

    // The text up to the first NUL. A platform that filled every character without one
    // gives the whole buffer and nothing beyond it.
    std::string Text() const {
        const auto end = std::find(chars_.begin(), chars_.end(), '\0');
        return std::string(chars_.begin(), end);
    }

    // Compares the buffer's first word.size() characters, NULs included: a shorter reply
    // has its NUL inside them and so never matches.
    bool BeginsWith(std::string_view word) const {
        return word.size() <= Length && std::equal(word.begin(), word.end(), chars_.begin());
    }

  private:
    std::array<char, Length> chars_{};
};

}  // namespace music
