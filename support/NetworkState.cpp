#include "support/NetworkState.h"

#include <mutex>

#include <gio/gio.h>

namespace velmoor {

namespace {
std::mutex g_probeLock;
std::function<bool()> g_probe;
}  // namespace

void SetNetworkProbe(std::function<bool()> probe)
{
    std::lock_guard<std::mutex> lock(g_probeLock);
    g_probe = std::move(probe);
}

bool IsNetworkAlive()
{
    {
        std::lock_guard<std::mutex> lock(g_probeLock);
        if (g_probe)
            return g_probe();
    }
    GNetworkMonitor* monitor = g_network_monitor_get_default();
    return monitor != nullptr && g_network_monitor_get_network_available(monitor);
}

}  // namespace velmoor
