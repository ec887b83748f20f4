#include "InstallFixture.h"

#include "common/FileText.h"

#include <fcntl.h>
#include <glib.h>
#include <sys/file.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace velmoor::testing {

std::string ReadFile(const fs::path& path)
{
    return test::ReadFileText(path);
}

void WriteFile(const fs::path& path, const std::string& content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

bool IsExecutable(const fs::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IXUSR) != 0;
}

bool WaitFor(const std::function<bool()>& condition, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
                           const std::string& folder)
{
    std::vector<std::string> envText;
    for (const auto& [name, value] : env)
        envText.push_back(name + "=" + value);
    std::vector<char*> args, vars;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (auto& v : envText)
        vars.push_back(v.data());
    vars.push_back(nullptr);
    m_pid = ::fork();
    if (m_pid == 0) {
        ::setpgid(0, 0);
        if (::chdir(folder.c_str()) == 0)
            ::execve(args[0], args.data(), vars.data());
        ::_exit(127);
    }
}

std::optional<int> ChildProcess::Wait(int seconds)
{
    if (m_pid <= 0 || m_reaped)
        return std::nullopt;
    int status = 0;
    const bool ended = WaitFor([&] { return ::waitpid(m_pid, &status, WNOHANG) == m_pid; }, seconds);
    if (!ended)
        return std::nullopt;
    m_reaped = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

ChildProcess::~ChildProcess()
{
    if (m_pid <= 0 || m_reaped)
        return;
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
}

DemoPortal::DemoPortal(const fs::path& folder) : m_log(folder / "reports.jsonl"), m_errors(folder / "portal.err")
{
    const std::string script = std::string(VELMOOR_SOURCE_DIR) + "/tools/demo-portal/portal.py";
    const std::string shell = "exec python3 '" + script + "' --port 0 --quiet --log '" + m_log.string()
        + "' 2>'" + m_errors.string() + "'";
    const char* path = std::getenv("PATH");
    m_process.emplace(std::vector<std::string>{"/bin/sh", "-c", shell},
                      std::map<std::string, std::string>{{"PATH", path ? path : "/usr/bin:/bin"}});
    const std::regex serving("serving (http://127\\.0\\.0\\.1:[0-9]+)");
    WaitFor([&] {
        std::smatch match;
        const std::string text = ReadFile(m_errors);
        if (std::regex_search(text, match, serving))
            m_origin = match[1];
        return !m_origin.empty();
    }, 30);
}

std::vector<LoggedReport> DemoPortal::Reports() const
{
    std::vector<LoggedReport> reports;
    std::istringstream lines(ReadFile(m_log));
    std::string line;
    const std::regex uid("\"uid\": \"([^\"]*)\""), event("\"event\": \"([^\"]*)\"");
    while (std::getline(lines, line)) {
        if (line.find("\"kind\": \"report\"") == std::string::npos)
            continue;
        LoggedReport report;
        report.valid = line.find("\"valid\": true") != std::string::npos;
        std::smatch match;
        if (std::regex_search(line, match, uid))
            report.uid = match[1];
        if (std::regex_search(line, match, event))
            report.event = match[1];
        reports.push_back(report);
    }
    return reports;
}

ProgramNameLock::ProgramNameLock()
    : m_fd(::open("/tmp/velmoor-install-tests.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666))
{
    if (m_fd >= 0)
        ::flock(m_fd, LOCK_EX);
}

ProgramNameLock::~ProgramNameLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::vector<pid_t> ProcessesOf(const fs::path& path)
{
    std::vector<pid_t> pids;
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code error;
        const fs::path exe = fs::read_symlink(entry.path() / "exe", error);
        if (!error && exe == path)
            pids.push_back(std::stoi(name));
    }
    return pids;
}

InstallFixture::InstallFixture()
{
    char* made = g_dir_make_tmp("velmoor-install-XXXXXX", nullptr);
    root = made;
    g_free(made);
    home = root / "home";
    dataHome = home / "data";
    configHome = home / "config";
    desktop = home / "桌面";
    downloads = home / "downloads";
    installFolder = dataHome / "gamenest/vuvedaredod";
    menuLinks = dataHome / "applications/程序/Velmoor/Velmoor";
    keyStore = configHome / "gamenest/uninstall.ini";
    icon = dataHome / "icons/hicolor/256x256/apps/velmoor.png";
    for (const auto& folder : {dataHome, configHome, desktop, downloads})
        fs::create_directories(folder);
    WriteFile(configHome / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
    portal.emplace(root);
    for (const auto& [name, value] : Environment()) {
        const char* old = std::getenv(name.c_str());
        m_saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv(name.c_str(), value.c_str(), 1);
    }
}

InstallFixture::~InstallFixture()
{
    for (const auto& [name, value] : m_saved) {
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
    portal.reset();
    std::error_code ignored;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto it = fs::recursive_directory_iterator(root, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root, ignored);
}

std::map<std::string, std::string> InstallFixture::Environment() const
{
    const char* path = std::getenv("PATH");
    return {
        {"HOME", home.string()},
        {"XDG_DATA_HOME", dataHome.string()},
        {"XDG_CONFIG_HOME", configHome.string()},
        {"VELMOOR_PORTAL", portal && portal->Started() ? portal->Origin() : "http://127.0.0.1:9"},
        {"PATH", path ? path : "/usr/bin:/bin"},
        {"NO_PROXY", "127.0.0.1"},
    };
}

}  // namespace velmoor::testing
