#pragma once
// Permission faults only show for an ordinary user: root may write into read-only folders. When
// the tests run as root, the check runs in a child process that has dropped to "nobody"; the
// files it works on must then belong to that user (ChownTree).
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace velmoor::testing {

constexpr uid_t kNobody = 65534;

inline void ChownTree(const std::filesystem::path& root)
{
    if (::geteuid() != 0)
        return;
    ::lchown(root.c_str(), kNobody, kNobody);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        ::lchown(entry.path().c_str(), kNobody, kNobody);
}

// Runs `check` without root's rights and returns its result.
inline bool RunUnprivileged(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace velmoor::testing
