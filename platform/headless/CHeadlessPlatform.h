#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/CPlatform.h"
#include "platform/headless/CHeadlessWebView.h"
#include "platform/headless/CHeadlessWindow.h"

namespace velmoor {

class CWnd;

// The test backend: windows are plain objects, time is a fake clock the test advances, posted
// messages wait until the test pumps them, message boxes are answered from a script, and
// opened addresses and hot keys are recorded. A first-class backend, not a mock: the program's
// own code runs unchanged on it.
class CHeadlessPlatform : public CPlatform {
public:
    struct ShownBox {
        std::string text;
        std::string caption;
        UINT type;
    };

    CHeadlessPlatform();

    // Installs a fresh headless backend for the process and returns it.
    static CHeadlessPlatform& InstallNew();

    std::unique_ptr<INativeWindow> CreateNativeWindow(CWnd& wnd, const WindowParams& params) override;
    std::unique_ptr<IWebView> CreateWebView(CWnd& parent, const WebViewParams& params) override;
    void ClearWebsiteData(std::function<void()> done) override;
    int RunMessageLoop() override;
    void QuitMessageLoop(int exitCode) override;
    void RunModalLoop(CWnd& dialog, const std::function<bool()>& ended) override;
    void SetTimer(HWND hwnd, UINT id, UINT elapseMs) override;
    void KillTimer(HWND hwnd, UINT id) override;
    void KillTimers(HWND hwnd) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT type) override;
    bool OpenUrl(const std::string& url) override;
    SIZE ScreenSize() override { return m_screen; }
    bool RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT vk) override;
    bool UnregisterHotKey(HWND hwnd, int id) override;

    // Clock and queue.
    std::int64_t Now() const { return m_now; }
    // Moves the clock forward, firing due timers in time order and pumping after each.
    void AdvanceClock(std::int64_t ms);
    void PumpMessages();
    bool QuitRequested() const { return m_quit; }
    bool IsTimerSet(HWND hwnd, UINT id) const;
    // Milliseconds until the timer fires; -1 when it is not set.
    std::int64_t TimerDueIn(HWND hwnd, UINT id) const;

    // Message boxes: answers are taken in order; without one the box answers `DefaultAnswer`.
    void ScriptAnswer(int answer) { m_answers.push_back(answer); }
    void SetDefaultAnswer(int answer) { m_defaultAnswer = answer; }
    const std::vector<ShownBox>& ShownBoxes() const { return m_boxes; }
    // Modal dialogs: each handler runs once, in order, when a modal loop starts.
    void ScriptModal(std::function<void(CWnd&)> handler) { m_modals.push_back(std::move(handler)); }

    const std::vector<std::string>& OpenedUrls() const { return m_urls; }
    void SetScreenSize(SIZE size) { m_screen = size; }

    // Hot keys. A key marked taken is held by "another program": registering it fails.
    void MarkHotKeyTaken(UINT modifiers, UINT vk) { m_taken.insert({modifiers, vk}); }
    bool IsHotKeyRegistered(UINT modifiers, UINT vk) const;
    std::size_t RegisteredHotKeyCount() const { return m_hotKeys.size(); }
    // The user presses a key combination anywhere on the desktop.
    void PressHotKey(UINT modifiers, UINT vk);

    // Input, delivered as the message pump delivers it.
    void MouseMove(CWnd& wnd, int x, int y);
    void LButtonDown(CWnd& wnd, int x, int y);
    void LButtonUp(CWnd& wnd, int x, int y);
    // `alt`: the key arrives as WM_SYSKEYDOWN, as keys pressed with Alt do.
    void KeyDown(CWnd& wnd, UINT vk, bool alt = false);
    // The window system asks to close the window (title-bar close, window-manager close).
    void RequestClose(CWnd& wnd);

    static CHeadlessWindow* NativeOf(const CWnd& wnd);

    // Web views alive now, oldest first; the one with control id `id`, or null.
    const std::vector<CHeadlessWebView*>& WebViews() const { return m_webViews; }
    CHeadlessWebView* WebView(UINT id) const;
    // The next CreateWebView fails (the engine cannot give a view).
    void FailNextWebView() { m_failWebView = true; }
    int WebsiteDataClearings() const { return m_dataClearings; }

protected:
    void WakeUp() override {}

private:
    struct Timer {
        UINT elapse;
        std::int64_t due;
        std::uint64_t order;
    };
    struct HotKey {
        HWND hwnd;
        int id;
        UINT modifiers;
        UINT vk;
    };

    std::map<std::pair<HWND, UINT>, Timer> m_timers;
    std::uint64_t m_timerOrder = 0;
    std::int64_t m_now = 0;
    bool m_quit = false;
    int m_exitCode = 0;
    std::deque<int> m_answers;
    int m_defaultAnswer = IDOK;
    std::vector<ShownBox> m_boxes;
    std::deque<std::function<void(CWnd&)>> m_modals;
    std::vector<std::string> m_urls;
    SIZE m_screen{1920, 1080};
    std::vector<HotKey> m_hotKeys;
    std::set<std::pair<UINT, UINT>> m_taken;
    std::vector<CHeadlessWebView*> m_webViews;
    bool m_failWebView = false;
    int m_dataClearings = 0;
};

}  // namespace velmoor
