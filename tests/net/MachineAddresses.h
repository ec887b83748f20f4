#pragma once
#include <set>
#include <string>

namespace velmoor::test {

// This machine's six-byte hardware addresses as sysfs lists them, upper case and joined by "-",
// without loopback's and other all-zero ones.
std::set<std::string> MachineAddresses();

}  // namespace velmoor::test
