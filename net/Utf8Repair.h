#pragma once
#include <string>
#include <string_view>

namespace velmoor {

// Reply bytes as valid UTF-8: every ill-formed sequence (its longest valid-looking prefix, or a
// single stray byte) becomes U+FFFD, the way the system's UTF-8 decoder treats it. Zero bytes are
// valid UTF-8 and are kept.
std::string RepairUtf8(std::string_view bytes);

}  // namespace velmoor
