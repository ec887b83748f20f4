#pragma once
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace velmoor::test {

// The machine an end-to-end run needs, made fresh for the run: an Xvfb on a free display, the
// demo portal on a free loopback port, a private home with a default http(s) handler that only
// logs the addresses it is given, and the web engine's environment for a container.
class E2eDesktop {
public:
    bool Start(std::string& error);
    void Stop();

    const std::string& PortalOrigin() const { return m_origin; }
    const std::string& Home() const { return m_home; }
    // Addresses handed to the default browser so far, in order.
    std::vector<std::string> BrowserLog() const;

private:
    bool StartXvfb(std::string& error);
    bool StartPortal(std::string& error);
    void WriteBrowserHandler();

    std::string m_home;
    std::string m_origin;
    std::string m_log;
    pid_t m_xvfb = -1;
    pid_t m_portal = -1;
};

// Runs the main loop until `condition` holds or `seconds` pass; returns the condition.
bool WaitFor(const std::function<bool()>& condition, double seconds = 30);

}  // namespace velmoor::test
