#pragma once
// A throw-away user for installation tests: HOME, the XDG folders and a desktop below one
// temporary folder, and the demo portal on loopback logging the usage reports.
#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmoor::testing {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path);
void WriteFile(const fs::path& path, const std::string& content);
bool IsExecutable(const fs::path& path);

// Polls `condition` every 50 ms until it holds or `seconds` have passed.
bool WaitFor(const std::function<bool()>& condition, int seconds = 60);

// A child process, ended (and reaped) when the object goes.
class ChildProcess {
public:
    ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                 const std::string& folder = "/");
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return m_pid; }
    // The exit code once the process has ended within `seconds`; nothing otherwise.
    std::optional<int> Wait(int seconds = 60);

private:
    pid_t m_pid = -1;
    bool m_reaped = false;
};

// One usage report as the portal logged it.
struct LoggedReport {
    bool valid = false;
    std::string uid;
    std::string event;
};

// The demo portal on a free loopback port.
class DemoPortal {
public:
    explicit DemoPortal(const fs::path& folder);
    bool Started() const { return !m_origin.empty(); }
    const std::string& Origin() const { return m_origin; }
    std::vector<LoggedReport> Reports() const;

private:
    fs::path m_log;
    fs::path m_errors;
    std::optional<ChildProcess> m_process;
    std::string m_origin;
};

// Held by tests that run a program named "vuvedaredod" or need none running, so that test
// programs running side by side do not see each other's.
class ProgramNameLock {
public:
    ProgramNameLock();
    ~ProgramNameLock();
    ProgramNameLock(const ProgramNameLock&) = delete;
    ProgramNameLock& operator=(const ProgramNameLock&) = delete;

private:
    int m_fd = -1;
};

// Processes whose program file is exactly `path`.
std::vector<pid_t> ProcessesOf(const fs::path& path);

class InstallFixture {
public:
    InstallFixture();
    ~InstallFixture();
    InstallFixture(const InstallFixture&) = delete;
    InstallFixture& operator=(const InstallFixture&) = delete;

    // The environment the installer and its children see.
    std::map<std::string, std::string> Environment() const;

    fs::path root;
    fs::path home;
    fs::path dataHome;
    fs::path configHome;
    fs::path desktop;
    fs::path downloads;
    fs::path installFolder;  // dataHome/gamenest/vuvedaredod
    fs::path menuLinks;      // dataHome/applications/程序/Velmoor/Velmoor
    fs::path keyStore;
    fs::path icon;
    std::optional<DemoPortal> portal;

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

}  // namespace velmoor::testing
