#include "app/unists/CRunningProgram.h"

#include "support/FileUtils.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <thread>

namespace velmoor {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

bool IsPid(const char* name)
{
    if (*name == '\0')
        return false;
    for (const char* c = name; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return false;
    }
    return true;
}

void SignalAll(const std::vector<pid_t>& pids, int signal)
{
    for (const pid_t pid : pids)
        ::kill(pid, signal);
}

}  // namespace

std::vector<pid_t> CRunningProgram::Processes() const
{
    std::vector<pid_t> pids;
    const std::unique_ptr<DIR, DirCloser> proc(::opendir("/proc"));
    if (!proc || m_programPath.empty())
        return pids;
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(proc.get())) {
        if (!IsPid(entry->d_name))
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(entry->d_name));
        const std::string exe = ReadSymbolicLink(std::string("/proc/") + entry->d_name + "/exe");
        // A program file replaced or removed while running shows " (deleted)" after its path.
        if (pid != self && (exe == m_programPath || exe == m_programPath + " (deleted)"))
            pids.push_back(pid);
    }
    return pids;
}

bool CRunningProgram::EndAll(int graceMs) const
{
    std::vector<pid_t> pids = Processes();
    if (pids.empty())
        return true;
    // The program saves its settings when asked to end, as at a log-out.
    SignalAll(pids, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(graceMs);
    while (!(pids = Processes()).empty() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    SignalAll(pids, SIGKILL);
    return Processes().empty();
}

}  // namespace velmoor
