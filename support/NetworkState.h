#pragma once
#include <functional>

namespace velmoor {

// Whether the system reports a usable network connection (GIO's network monitor). Tests replace
// the probe with SetNetworkProbe; an empty function restores the system's.
bool IsNetworkAlive();
void SetNetworkProbe(std::function<bool()> probe);

}  // namespace velmoor
