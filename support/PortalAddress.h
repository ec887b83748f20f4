#pragma once
#include <string>

namespace velmoor {

// The portal's sites. Their hosts are deployment values fixed at build time; when the environment
// variable VELMOOR_PORTAL holds an origin ("http://127.0.0.1:8080"), it replaces scheme, host and
// port of every one of them, which is how the demo portal and the tests point the program at
// loopback. Each returns an origin without a trailing "/".
enum class PortalSite {
    Web,        // portal web site: the access page
    Main,       // portal main site
    Report,     // usage-report endpoint
    Pay,        // payment site
    Official,   // the game's official site
    Service,    // customer-service site
    Forum,      // forum
    Home,       // portal home page
};

std::string PortalOrigin(PortalSite site);

// Origin of `site` followed by `pathAndQuery` (which starts with "/").
std::string PortalAddress(PortalSite site, const std::string& pathAndQuery);

// Replaces scheme, host and port of `origin` by those of `override` when that is a usable
// http(s) origin; otherwise returns `origin` unchanged. Exposed for tests.
std::string ApplyPortalOverride(const std::string& origin, const std::string& override);

}  // namespace velmoor
