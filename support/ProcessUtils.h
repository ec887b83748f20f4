#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmoor {

// Process helpers of the cache clearing and the installation. Linux has no call that trims the
// memory of another process, and no privilege to switch on for it, so those parts shrink to what
// the own process can do.

// Returns the own process's free heap memory to the system (malloc_trim).
void TrimOwnWorkingSet();

// Lists the running processes through /proc; when they cannot be listed, shows "清除失败" in a
// message box captioned with the program title and stops. Only the own process is trimmed.
// Belongs on a worker thread.
void TrimAllWorkingSets();

// Nothing to enable on Linux; kept so the launcher's creation reads as designed.
void EnableDebugPrivilege();

// True when a running process's program file name equals `fileName` apart from ASCII letter
// case. Exact: a name that merely contains `fileName` does not match. False for "".
bool IsProcessRunning(const std::string& fileName);

// The names one process is known by, as /proc shows them. Exposed for tests.
struct ProcessNames {
    std::optional<std::string> exeName;  // base name of the exe link; unset when unreadable
    std::string comm;                    // the kernel's name, cut to 15 bytes
    std::string argv0Name;               // base name of the first command-line word
};

// The process's file name decides when it can be read. Otherwise its comm counts when shorter
// than 15 bytes, being then the whole name; a 15-byte comm may be a cut name and counts only
// when the first command-line word confirms the full name.
bool ProcessNameMatches(const ProcessNames& names, std::string_view fileName);

// Reads the names of the process whose /proc entry is `procEntry` ("/proc/1234").
ProcessNames ReadProcessNames(const std::string& procEntry);

// The process ids below `procRoot` ("/proc"). False when the folder cannot be read or lists no
// process at all (no /proc mounted).
bool ListProcessIds(const std::string& procRoot, std::vector<int>& pids);

}  // namespace velmoor
