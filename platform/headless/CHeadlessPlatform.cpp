#include "platform/headless/CHeadlessPlatform.h"

#include <algorithm>

#include "platform/CWnd.h"

namespace velmoor {

CHeadlessPlatform::CHeadlessPlatform() = default;

CHeadlessPlatform& CHeadlessPlatform::InstallNew()
{
    auto platform = std::make_unique<CHeadlessPlatform>();
    CHeadlessPlatform& ref = *platform;
    CPlatform::Install(std::move(platform));
    return ref;
}

std::unique_ptr<INativeWindow> CHeadlessPlatform::CreateNativeWindow(CWnd&, const WindowParams& params)
{
    return std::make_unique<CHeadlessWindow>(params.rect);
}

std::unique_ptr<IWebView> CHeadlessPlatform::CreateWebView(CWnd&, const WebViewParams& params)
{
    if (m_failWebView) {
        m_failWebView = false;
        return nullptr;
    }
    return std::make_unique<CHeadlessWebView>(params, m_webViews);
}

CHeadlessWebView* CHeadlessPlatform::WebView(UINT id) const
{
    for (CHeadlessWebView* view : m_webViews) {
        if (view->Id() == id)
            return view;
    }
    return nullptr;
}

void CHeadlessPlatform::ClearWebsiteData(std::function<void()> done)
{
    ++m_dataClearings;
    PostTask(std::move(done));
}

int CHeadlessPlatform::RunMessageLoop()
{
    // Runs what is queued; with nothing left to do the loop ends rather than wait for input
    // that no one will give.
    m_quit = false;
    PumpMessages();
    return m_exitCode;
}

void CHeadlessPlatform::QuitMessageLoop(int exitCode)
{
    m_quit = true;
    m_exitCode = exitCode;
}

void CHeadlessPlatform::RunModalLoop(CWnd& dialog, const std::function<bool()>& ended)
{
    if (!m_modals.empty()) {
        auto handler = std::move(m_modals.front());
        m_modals.pop_front();
        handler(dialog);
    }
    PumpMessages();
    (void)ended;
}

void CHeadlessPlatform::SetTimer(HWND hwnd, UINT id, UINT elapseMs)
{
    m_timers[{hwnd, id}] = {elapseMs, m_now + elapseMs, m_timerOrder++};
}

void CHeadlessPlatform::KillTimer(HWND hwnd, UINT id)
{
    m_timers.erase({hwnd, id});
}

void CHeadlessPlatform::KillTimers(HWND hwnd)
{
    std::erase_if(m_timers, [hwnd](const auto& entry) { return entry.first.first == hwnd; });
}

bool CHeadlessPlatform::IsTimerSet(HWND hwnd, UINT id) const
{
    return m_timers.count({hwnd, id}) != 0;
}

std::int64_t CHeadlessPlatform::TimerDueIn(HWND hwnd, UINT id) const
{
    const auto it = m_timers.find({hwnd, id});
    return it == m_timers.end() ? -1 : it->second.due - m_now;
}

void CHeadlessPlatform::AdvanceClock(std::int64_t ms)
{
    const std::int64_t end = m_now + ms;
    for (;;) {
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due > end)
                continue;
            if (next == m_timers.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order))
                next = it;
        }
        if (next == m_timers.end())
            break;
        m_now = std::max(m_now, next->second.due);
        const auto [hwnd, id] = next->first;
        next->second.due = m_now + std::max<UINT>(next->second.elapse, 1);
        if (CWnd* wnd = FromHandle(hwnd))
            wnd->SendMessage(WM_TIMER, id, 0);
        PumpMessages();
    }
    m_now = end;
    PumpMessages();
}

void CHeadlessPlatform::PumpMessages()
{
    // Work posted while draining is drained too, up to a bound that stops a runaway poster.
    for (int round = 0; round < 1000; ++round) {
        DrainPosted();
        if (!HasPosted())
            return;
    }
}

int CHeadlessPlatform::ShowMessageBox(const std::string& text, const std::string& caption, UINT type)
{
    m_boxes.push_back({text, caption, type});
    if (m_answers.empty())
        return m_defaultAnswer;
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

bool CHeadlessPlatform::OpenUrl(const std::string& url)
{
    if (url.rfind("http://", 0) != 0 && url.rfind("https://", 0) != 0)
        return false;
    m_urls.push_back(url);
    return true;
}

bool CHeadlessPlatform::RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT vk)
{
    if (m_taken.count({modifiers, vk}) != 0 || IsHotKeyRegistered(modifiers, vk))
        return false;
    for (const HotKey& k : m_hotKeys) {
        if (k.hwnd == hwnd && k.id == id)
            return false;
    }
    m_hotKeys.push_back({hwnd, id, modifiers, vk});
    return true;
}

bool CHeadlessPlatform::UnregisterHotKey(HWND hwnd, int id)
{
    const auto before = m_hotKeys.size();
    std::erase_if(m_hotKeys, [&](const HotKey& k) { return k.hwnd == hwnd && k.id == id; });
    return m_hotKeys.size() != before;
}

bool CHeadlessPlatform::IsHotKeyRegistered(UINT modifiers, UINT vk) const
{
    return std::any_of(m_hotKeys.begin(), m_hotKeys.end(),
                       [&](const HotKey& k) { return k.modifiers == modifiers && k.vk == vk; });
}

void CHeadlessPlatform::PressHotKey(UINT modifiers, UINT vk)
{
    for (const HotKey& k : m_hotKeys) {
        if (k.modifiers == modifiers && k.vk == vk) {
            Post({k.hwnd, WM_HOTKEY, static_cast<WPARAM>(k.id), MakeLParam(static_cast<int>(modifiers), static_cast<int>(vk))});
            break;
        }
    }
    PumpMessages();
}

void CHeadlessPlatform::MouseMove(CWnd& wnd, int x, int y)
{
    DispatchInput({wnd.GetSafeHwnd(), WM_MOUSEMOVE, 0, MakeLParam(x, y)});
    PumpMessages();
}

void CHeadlessPlatform::LButtonDown(CWnd& wnd, int x, int y)
{
    DispatchInput({wnd.GetSafeHwnd(), WM_LBUTTONDOWN, 1, MakeLParam(x, y)});
    PumpMessages();
}

void CHeadlessPlatform::LButtonUp(CWnd& wnd, int x, int y)
{
    DispatchInput({wnd.GetSafeHwnd(), WM_LBUTTONUP, 0, MakeLParam(x, y)});
    PumpMessages();
}

void CHeadlessPlatform::KeyDown(CWnd& wnd, UINT vk, bool alt)
{
    DispatchInput({wnd.GetSafeHwnd(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 0});
    PumpMessages();
}

void CHeadlessPlatform::RequestClose(CWnd& wnd)
{
    wnd.SendMessage(WM_CLOSE);
    PumpMessages();
}

CHeadlessWindow* CHeadlessPlatform::NativeOf(const CWnd& wnd)
{
    return dynamic_cast<CHeadlessWindow*>(wnd.Native());
}

}  // namespace velmoor
