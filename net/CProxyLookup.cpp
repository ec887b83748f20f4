#include "net/CProxyLookup.h"

#include <gio/gio.h>

#include <algorithm>

namespace velmoor {

namespace {

struct StrvFree {
    void operator()(gchar** list) const { g_strfreev(list); }
};

std::shared_ptr<GProxyResolver> Hold(GProxyResolver* resolver)
{
    if (!resolver)
        return nullptr;
    g_object_ref(resolver);
    return std::shared_ptr<GProxyResolver>(resolver, [](GProxyResolver* r) { g_object_unref(r); });
}


}  // namespace

CProxyLookup::CProxyLookup(GProxyResolver* resolver) : resolver(Hold(resolver))
{
}

std::optional<std::string> CurlProxyText(const std::string& proxy)
{
    const auto end = proxy.find("://");
    if (end == std::string::npos)
        return std::nullopt;
    std::string scheme = proxy.substr(0, end);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(), [](unsigned char c) { return g_ascii_tolower(c); });
    const std::string rest = proxy.substr(end);
    if (scheme == "direct")
        return std::string();
    if (scheme == "http" || scheme == "https" || scheme == "socks4" || scheme == "socks4a")
        return scheme + rest;
    if (scheme == "socks5" || scheme == "socks")
        return "socks5h" + rest;
    return std::nullopt;
}

std::string CProxyLookup::ProxyFor(const std::string& url) const
{
    GProxyResolver* active = resolver ? resolver.get() : g_proxy_resolver_get_default();
    if (!active)
        return {};
    const std::unique_ptr<gchar*, StrvFree> proxies(g_proxy_resolver_lookup(active, url.c_str(), nullptr, nullptr));
    for (gchar** p = proxies.get(); p && *p; ++p) {
        if (const auto text = CurlProxyText(*p))
            return *text;
    }
    return {};
}

}  // namespace velmoor
