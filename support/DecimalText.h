#pragma once
#include <string_view>

namespace velmoor {

// A decimal integer read the way the C runtime's atoi family reads it: leading white space, an
// optional sign, then digits up to the first other character; no digits give 0; values beyond
// the int range saturate.
int ParseLeadingInt(std::string_view text);

}  // namespace velmoor
