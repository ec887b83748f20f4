#pragma once
#include <string>

namespace velmoor {

// Paths of the running program and the existence test the program uses wherever it asks whether
// something is there.

// The full path of the running program file, with symbolic links resolved (/proc/self/exe).
// Never cut: a shortened path would name another file. "" when it cannot be read.
std::string GetProgramPath();

// The folder of the running program file, ending in "/" ("/" for a program at the root).
// "" when the program path cannot be read.
std::string GetProgramFolder();

// The program file's name without its extension ("velmoor"): the caption of the message boxes
// the program shows in its own name.
std::string GetProgramTitle();

// True when a file or folder exists at `path` (symbolic links followed). False for "".
bool PathExists(const std::string& path);

// The target of the symbolic link `link`, whatever its length; "" when it cannot be read.
std::string ReadSymbolicLink(const std::string& link);

// The last component of `path` (after the last "/").
std::string BaseName(const std::string& path);

}  // namespace velmoor
