#pragma once

namespace velmoor {

// Registers the web engine's part of the cache clearing (everything but cookies, and the engine's
// disk-cache folder) with ClearBrowserCache. Once per process; later calls do nothing. UI thread.
void InstallWebCacheCleaner();

// The engine's part as the clearing worker runs it: asks the user-interface thread to clear the
// engine's website data and waits until it has finished (or the thread does not answer).
void ClearWebEngineData();

}  // namespace velmoor
