#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

#include "platform/INativeWindow.h"
#include "platform/IWebView.h"
#include "platform/WinTypes.h"

namespace velmoor {

class CWnd;

// Extended style bits the program uses.
constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;  // no task-bar entry
constexpr DWORD WS_EX_LAYERED = 0x00080000;
// Styles.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_CAPTION = 0x00C00000;  // a system title bar (the skinned windows draw their own)
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;

struct WindowParams {
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    std::string name;
    RECT rect;
    HWND owner = kNoWindow;  // owned pop-ups stay above their owner and follow it
    UINT id = 0;
};

// The backend: everything the program takes from the window system. One instance per process,
// installed at start (the GTK backend in the program, the headless one in tests). The shared
// part here owns the window table and the posted-message queue; backends add the rest.
class CPlatform {
public:
    CPlatform();
    virtual ~CPlatform();
    CPlatform(const CPlatform&) = delete;
    CPlatform& operator=(const CPlatform&) = delete;

    static void Install(std::unique_ptr<CPlatform> platform);
    static CPlatform& Get();
    static bool IsInstalled();

    // Windows.
    virtual std::unique_ptr<INativeWindow> CreateNativeWindow(CWnd& wnd, const WindowParams& params) = 0;
    // A web view inside `parent`'s window; null when the engine cannot provide one.
    virtual std::unique_ptr<IWebView> CreateWebView(CWnd& parent, const WebViewParams& params) = 0;
    // Clears the engine's website data except cookies; `done` runs on the UI thread afterwards.
    // UI thread only.
    virtual void ClearWebsiteData(std::function<void()> done) = 0;
    // The engine's disk-cache folder ("" for none).
    virtual std::string WebCacheFolder() { return {}; }
    HWND Register(CWnd& wnd);
    void Unregister(HWND hwnd);
    CWnd* FromHandle(HWND hwnd) const;  // UI thread only
    void SetMainWindow(HWND hwnd) { m_mainWindow = hwnd; }
    HWND MainWindow() const { return m_mainWindow; }

    // Message loop.
    virtual int RunMessageLoop() = 0;
    virtual void QuitMessageLoop(int exitCode) = 0;
    // A modal dialog's nested loop: runs until `ended` answers true.
    virtual void RunModalLoop(CWnd& dialog, const std::function<bool()>& ended) = 0;
    // Thread-safe: queue a message for `hwnd` or a task for the user-interface thread.
    bool Post(const MSG& msg);
    void PostTask(std::function<void()> task);
    // Runs `task` on the user-interface thread and returns when it has run.
    void RunOnUiThread(const std::function<void()>& task);
    bool IsUiThread() const { return std::this_thread::get_id() == m_uiThread; }
    // Delivers input to a window the way the message pump does: PreTranslateMessage along the
    // owner chain first, then the window procedure. Returns true when something swallowed it.
    bool DispatchInput(const MSG& msg);
    // Drains the posted-message queue (called by the backend's loop on the UI thread).
    void DrainPosted();
    bool HasPosted();

    // Timers: WM_TIMER every `elapseMs` until killed; setting an existing id restarts it.
    virtual void SetTimer(HWND hwnd, UINT id, UINT elapseMs) = 0;
    virtual void KillTimer(HWND hwnd, UINT id) = 0;
    virtual void KillTimers(HWND hwnd) = 0;

    // System.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption, UINT type) = 0;
    virtual bool OpenUrl(const std::string& url) = 0;  // default browser; http and https only
    virtual SIZE ScreenSize() = 0;                       // primary monitor
    virtual bool RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT vk) = 0;
    virtual bool UnregisterHotKey(HWND hwnd, int id) = 0;
    // Called on the UI thread when the session ends or the process is asked to terminate.
    void SetSessionEndHandler(std::function<void()> handler) { m_sessionEnd = std::move(handler); }
    void NotifySessionEnd();

protected:
    // Backends call this when posted work is waiting; it must be thread-safe.
    virtual void WakeUp() = 0;

private:
    static std::unique_ptr<CPlatform>& Instance();
    struct Posted {
        MSG msg;
        std::function<void()> task;
    };
    std::unordered_map<HWND, CWnd*> m_windows;
    HWND m_nextHandle = 1;
    HWND m_mainWindow = kNoWindow;
    std::mutex m_queueLock;
    std::deque<Posted> m_queue;
    std::thread::id m_uiThread;
    std::function<void()> m_sessionEnd;
};

inline CPlatform& Platform() { return CPlatform::Get(); }

}  // namespace velmoor
