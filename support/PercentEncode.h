#pragma once
#include <string>
#include <string_view>

namespace velmoor {

// `text` with every byte for which `mustEncode` answers true written as "%XX" (upper-case hex).
std::string PercentEncode(std::string_view text, bool (*mustEncode)(unsigned char));

// True for all but RFC 3986's unreserved characters (letters, digits, "-", ".", "_", "~").
bool IsNotUnreserved(unsigned char c);

}  // namespace velmoor
