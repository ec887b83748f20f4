#pragma once
#include "net/CMacAddressChain.h"

#include <string>

namespace velmoor {

// The machine identity from this machine's interfaces, computed afresh on every call: six
// upper-case hex bytes joined by "-", or kNoMacAddress when no interface has a usable address.
std::string GetMacAddress();

}  // namespace velmoor
