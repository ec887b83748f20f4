#pragma once
#include <functional>
#include <string>

#include <webkit2/webkit2.h>

namespace velmoor {

// The web engine shared by every view of the process: one context whose website data (cookies,
// storage, disk cache) persists below the user's data folder, and the bridge scheme through which
// page script reaches `window.external` synchronously.
class CGtkWebEngine {
public:
    static constexpr const char* kBridgeScheme = "velmoor-bridge";
    static constexpr const char* kMessageHandler = "velmoorExternal";

    static CGtkWebEngine& Get();
    CGtkWebEngine(const CGtkWebEngine&) = delete;
    CGtkWebEngine& operator=(const CGtkWebEngine&) = delete;

    WebKitWebContext* Context() const { return m_context; }
    const std::string& CacheFolder() const { return m_cacheFolder; }
    // Everything but cookies; `done` runs on the UI thread when the engine has finished.
    void ClearWebsiteData(std::function<void()> done);

private:
    CGtkWebEngine();
    ~CGtkWebEngine();
    static void OnBridgeRequest(WebKitURISchemeRequest* request, gpointer);

    WebKitWebContext* m_context = nullptr;
    std::string m_cacheFolder;
};

}  // namespace velmoor
