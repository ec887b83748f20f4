// The system's proxy resolver follows the proxy environment variables; the local test servers
// must be reached directly even on a machine that has a proxy configured.
#include <cstdlib>

namespace {

const bool kLoopbackDirect = [] {
    setenv("no_proxy", "127.0.0.1,localhost", 1);
    setenv("NO_PROXY", "127.0.0.1,localhost", 1);
    return true;
}();

}  // namespace
