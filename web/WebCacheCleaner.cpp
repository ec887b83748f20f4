#include "web/WebCacheCleaner.h"

#include <chrono>
#include <future>
#include <memory>

#include "platform/CPlatform.h"
#include "support/BrowserCache.h"

namespace velmoor {

namespace {

// Long enough for a large cache; a user-interface thread that never answers (the program is
// ending) must not keep the worker forever.
constexpr auto kClearingTimeout = std::chrono::seconds(60);

}  // namespace

void ClearWebEngineData()
{
    if (!CPlatform::IsInstalled())
        return;
    if (Platform().IsUiThread()) {
        Platform().ClearWebsiteData([] {});  // nothing to wait in: the engine answers on this thread
        return;
    }
    auto finished = std::make_shared<std::promise<void>>();
    std::future<void> done = finished->get_future();
    // The engine belongs to the user-interface thread.
    Platform().PostTask([finished] { Platform().ClearWebsiteData([finished] { finished->set_value(); }); });
    done.wait_for(kClearingTimeout);
}

void InstallWebCacheCleaner()
{
    static bool installed = false;
    if (installed || !CPlatform::IsInstalled())
        return;
    installed = true;
    SetBrowserCacheCleaner(ClearWebEngineData);
    SetInternetCacheFolder(Platform().WebCacheFolder());
}

}  // namespace velmoor
