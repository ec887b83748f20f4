#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace velmoor {

// Small text helpers for the program's UTF-8 strings. Letter case is folded for ASCII only: the
// names compared this way (settings keys, file names) are matched the way the program stores them.

char ToLowerAscii(char c);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreAsciiCase(std::string_view a, std::string_view b);

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// At most `maxCodePoints` code points of `text`, never cut inside a multi-byte sequence.
std::string TruncateCodePoints(std::string_view text, std::size_t maxCodePoints);

// `text` without leading and trailing spaces, tabs, CR, LF, vertical tabs and form feeds.
std::string_view TrimWhiteSpace(std::string_view text);

}  // namespace velmoor
