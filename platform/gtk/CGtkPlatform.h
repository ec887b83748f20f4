#pragma once
#include <atomic>
#include <map>
#include <memory>
#include <utility>

#include <gtk/gtk.h>

#include "platform/CPlatform.h"
#include "platform/gtk/CGtkHotKeys.h"

namespace velmoor {

// The real desktop backend: GTK 3 on X11.
class CGtkPlatform : public CPlatform {
public:
    // Null when no X display can be opened.
    static std::unique_ptr<CGtkPlatform> Create();
    ~CGtkPlatform() override;

    std::unique_ptr<INativeWindow> CreateNativeWindow(CWnd& wnd, const WindowParams& params) override;
    std::unique_ptr<IWebView> CreateWebView(CWnd& parent, const WebViewParams& params) override;
    void ClearWebsiteData(std::function<void()> done) override;
    std::string WebCacheFolder() override;
    int RunMessageLoop() override;
    void QuitMessageLoop(int exitCode) override;
    void RunModalLoop(CWnd& dialog, const std::function<bool()>& ended) override;
    void SetTimer(HWND hwnd, UINT id, UINT elapseMs) override;
    void KillTimer(HWND hwnd, UINT id) override;
    void KillTimers(HWND hwnd) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT type) override;
    bool OpenUrl(const std::string& url) override;
    SIZE ScreenSize() override;
    bool RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT vk) override;
    bool UnregisterHotKey(HWND hwnd, int id) override;

protected:
    void WakeUp() override;

private:
    CGtkPlatform();
    static gboolean OnWake(gpointer self);
    static gboolean OnTimer(gpointer data);
    static gboolean OnTerminate(gpointer self);

    struct TimerKey {
        CGtkPlatform* platform;
        HWND hwnd;
        UINT id;
    };
    std::map<std::pair<HWND, UINT>, guint> m_timers;
    std::atomic<bool> m_wakePending{false};
    bool m_quit = false;
    int m_exitCode = 0;
    int m_loopDepth = 0;
    std::unique_ptr<CGtkHotKeys> m_hotKeys;
    guint m_signalSources[3] = {0, 0, 0};
};

}  // namespace velmoor
