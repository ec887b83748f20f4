#include "support/BrowserCache.h"

#include "support/FolderContents.h"
#include "support/ProcessUtils.h"

#include <mutex>

namespace velmoor {

namespace {

// Registered on the user-interface thread, read by the clearing worker.
struct CacheRegistry {
    std::mutex lock;
    std::function<void()> cleaner;
    std::string folder;
};

CacheRegistry& Registry()
{
    static CacheRegistry registry;
    return registry;
}

}  // namespace

void SetBrowserCacheCleaner(std::function<void()> cleaner)
{
    CacheRegistry& registry = Registry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    registry.cleaner = std::move(cleaner);
}

void SetInternetCacheFolder(const std::string& folder)
{
    CacheRegistry& registry = Registry();
    const std::lock_guard<std::mutex> guard(registry.lock);
    registry.folder = folder;
}

void ClearBrowserCache()
{
    std::function<void()> cleaner;
    std::string folder;
    {
        CacheRegistry& registry = Registry();
        const std::lock_guard<std::mutex> guard(registry.lock);
        cleaner = registry.cleaner;
        folder = registry.folder;
    }
    TrimAllWorkingSets();
    // Copies are called outside the lock, so a slow cleaner never blocks a re-registration.
    if (cleaner)
        cleaner();
    if (!folder.empty())
        DeleteFolderContents(folder, false);
}

}  // namespace velmoor
