#pragma once
#include <memory>
#include <optional>
#include <string>

typedef struct _GProxyResolver GProxyResolver;

namespace velmoor {

// Which proxy a request goes through, as the system's proxy resolver decides it (GLib's default
// resolver follows the desktop's proxy settings and the usual proxy environment variables).
class CProxyLookup {
public:
    // The system's resolver, taken at the first lookup.
    CProxyLookup() = default;
    // A resolver of the caller's (tests use a fixed one); a reference is held.
    explicit CProxyLookup(GProxyResolver* resolver);

    // The proxy for `url` in libcurl's spelling ("http://host:port", "socks5h://host:port"), or
    // the empty text for a direct connection, which is also the answer when the lookup fails.
    std::string ProxyFor(const std::string& url) const;

private:
    std::shared_ptr<GProxyResolver> resolver;
};

// One of the resolver's answers in libcurl's spelling: "" for "direct://", the address itself for
// http, https, socks4 and socks4a proxies, "socks5h://" for socks5 and plain socks ones (names are
// resolved by the proxy, as GLib's own SOCKS client does); nothing for a kind libcurl cannot use.
std::optional<std::string> CurlProxyText(const std::string& proxy);

}  // namespace velmoor
