#pragma once
#include <functional>
#include <string>

namespace velmoor {

// Clearing the browser cache, as the tray menu and the game window offer it. The web engine's
// own part is registered by the web layer, which keeps this library free of it.

// The web engine's cache clearing: removes every cached resource but keeps the cookies. Called
// on the clearing worker thread, so it must be safe to call from there. An empty function
// unregisters it.
void SetBrowserCacheCleaner(std::function<void()> cleaner);

// The web engine's disk-cache folder, emptied by the clearing ("" for none).
void SetInternetCacheFolder(const std::string& folder);

// In this order: TrimAllWorkingSets, the registered cleaner, then DeleteFolderContents of the
// cache folder keeping "desktop.ini" files. Runs on the caller's thread, which is meant to be a
// worker; the caller shows the result. Safe to run while the cleaner or folder is re-registered.
void ClearBrowserCache();

}  // namespace velmoor
