#include "E2eDesktop.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtk/gtk.h>

extern char** environ;

namespace velmoor::test {

namespace fs = std::filesystem;

namespace {

pid_t Spawn(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void End(pid_t& pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

bool Exited(pid_t pid)
{
    return waitpid(pid, nullptr, WNOHANG) == pid;
}

int FreePort()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    int port = -1;
    if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    close(s);
    return port;
}

bool Accepts(int port)
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    close(s);
    return ok;
}

// Before the main loop exists: plain polling of outside processes.
bool Poll(const std::function<bool()>& condition, int tenths)
{
    for (int i = 0; i < tenths; ++i) {
        if (condition())
            return true;
        usleep(100000);
    }
    return condition();
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, double seconds)
{
    const gint64 deadline = g_get_monotonic_time() + static_cast<gint64>(seconds * G_USEC_PER_SEC);
    while (!condition()) {
        if (g_get_monotonic_time() > deadline)
            return false;
        // Wakes at least every 50 ms so conditions on outside state (files) are seen too.
        GSource* tick = g_timeout_source_new(50);
        g_source_set_callback(tick, [](gpointer) { return G_SOURCE_REMOVE; }, nullptr, nullptr);
        g_source_attach(tick, nullptr);
        g_main_context_iteration(nullptr, TRUE);
        g_source_destroy(tick);
        g_source_unref(tick);
    }
    return true;
}

bool E2eDesktop::Start(std::string& error)
{
    char pattern[] = "/tmp/velmoor-e2e-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        error = "no temporary folder";
        return false;
    }
    m_home = pattern;
    setenv("HOME", m_home.c_str(), 1);
    setenv("XDG_DATA_HOME", (m_home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_home + "/config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (m_home + "/cache").c_str(), 1);
    // The engine as root in a container: no sandbox, no GPU compositing; tests only.
    setenv("WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS", "1", 1);
    setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", 1);
    setenv("NO_AT_BRIDGE", "1", 1);
    WriteBrowserHandler();
    return StartXvfb(error) && StartPortal(error);
}

void E2eDesktop::WriteBrowserHandler()
{
    m_log = m_home + "/browser.log";
    const std::string script = m_home + "/browser.sh";
    std::ofstream(script) << "#!/bin/sh\necho \"$1\" >> '" << m_log << "'\n";
    chmod(script.c_str(), 0755);
    const fs::path apps = fs::path(m_home) / "data" / "applications";
    fs::create_directories(apps);
    fs::create_directories(fs::path(m_home) / "config");
    std::ofstream(apps / "velmoor-test-browser.desktop")
        << "[Desktop Entry]\nType=Application\nName=Logging browser\nExec=" << script
        << " %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\nNoDisplay=true\n";
    const std::string defaults = "[Default Applications]\nx-scheme-handler/http=velmoor-test-browser.desktop\n"
                                 "x-scheme-handler/https=velmoor-test-browser.desktop\n";
    std::ofstream(fs::path(m_home) / "config" / "mimeapps.list") << defaults;
    std::ofstream(apps / "mimeapps.list") << defaults;
}

bool E2eDesktop::StartXvfb(std::string& error)
{
    for (int display = 91; display < 160; ++display) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(display);
        const std::string lock = "/tmp/.X" + std::to_string(display) + "-lock";
        if (fs::exists(socket) || fs::exists(lock))
            continue;
        m_xvfb = Spawn({"Xvfb", ":" + std::to_string(display), "-screen", "0", "1920x1080x24", "-nolisten", "tcp"});
        if (m_xvfb <= 0)
            break;
        if (Poll([&] { return fs::exists(socket) || Exited(m_xvfb); }, 200) && fs::exists(socket)) {
            setenv("DISPLAY", (":" + std::to_string(display)).c_str(), 1);
            return true;
        }
        End(m_xvfb);  // lost the display to another starter: try the next
    }
    error = "Xvfb did not start";
    return false;
}

bool E2eDesktop::StartPortal(std::string& error)
{
    const int port = FreePort();
    m_portal = Spawn({"python3", std::string(VELMOOR_SOURCE_DIR) + "/tools/demo-portal/portal.py", "--port",
                      std::to_string(port)});
    if (m_portal <= 0 || !Poll([&] { return Accepts(port); }, 200)) {
        error = "the demo portal did not start";
        return false;
    }
    m_origin = "http://127.0.0.1:" + std::to_string(port);
    setenv("VELMOOR_PORTAL", m_origin.c_str(), 1);
    return true;
}

void E2eDesktop::Stop()
{
    End(m_portal);
    End(m_xvfb);
    if (!m_home.empty())
        fs::remove_all(m_home);
}

std::vector<std::string> E2eDesktop::BrowserLog() const
{
    std::vector<std::string> lines;
    std::ifstream in(m_log);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace velmoor::test
