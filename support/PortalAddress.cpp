#include "support/PortalAddress.h"

#include <cstdlib>

#ifndef VELMOOR_PORTAL_WEB
#error "portal addresses come from the build"
#endif

namespace velmoor {

namespace {

const char* BuiltInOrigin(PortalSite site)
{
    switch (site) {
    case PortalSite::Web: return VELMOOR_PORTAL_WEB;
    case PortalSite::Main: return VELMOOR_MAIN_SITE;
    case PortalSite::Report: return VELMOOR_REPORT_SITE;
    case PortalSite::Pay: return VELMOOR_PAY_SITE;
    case PortalSite::Official: return VELMOOR_OFFICIAL_SITE;
    case PortalSite::Service: return VELMOOR_SERVICE_SITE;
    case PortalSite::Forum: return VELMOOR_FORUM_SITE;
    case PortalSite::Home: return VELMOOR_HOME_SITE;
    }
    return VELMOOR_PORTAL_WEB;
}

bool IsUsableOrigin(const std::string& text)
{
    const bool http = text.rfind("http://", 0) == 0;
    const bool https = text.rfind("https://", 0) == 0;
    if (!http && !https)
        return false;
    const std::string rest = text.substr(http ? 7 : 8);
    if (rest.empty())
        return false;
    for (char c : rest) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        c == '.' || c == '-' || c == ':' || c == '[' || c == ']';
        if (!ok)
            return false;
    }
    return true;
}

}  // namespace

std::string ApplyPortalOverride(const std::string& origin, const std::string& override)
{
    std::string o = override;
    while (!o.empty() && o.back() == '/')
        o.pop_back();
    return IsUsableOrigin(o) ? o : origin;
}

std::string PortalOrigin(PortalSite site)
{
    const char* env = std::getenv("VELMOOR_PORTAL");
    return ApplyPortalOverride(BuiltInOrigin(site), env ? env : "");
}

std::string PortalAddress(PortalSite site, const std::string& pathAndQuery)
{
    return PortalOrigin(site) + pathAndQuery;
}

}  // namespace velmoor
