#pragma once
#include <string>

namespace velmoor {

// Splits an installer's file name into the user id and the sub-user id: the extension after the
// last "." is dropped (a name without "." is used whole), then the stem is cut at its first "_".
// Without "_" the whole stem is the user id and the sub-user id is empty.
// "12345_678.exe" gives "12345" and "678".
void SplitInstallerName(const std::string& fileName, std::string& uid, std::string& suid);

}  // namespace velmoor
