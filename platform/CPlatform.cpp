#include "platform/CPlatform.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>

#include "platform/CWnd.h"

namespace velmoor {

CPlatform::CPlatform() : m_uiThread(std::this_thread::get_id()) {}

CPlatform::~CPlatform() = default;

std::unique_ptr<CPlatform>& CPlatform::Instance()
{
    static std::unique_ptr<CPlatform> instance;
    return instance;
}

void CPlatform::Install(std::unique_ptr<CPlatform> platform)
{
    Instance() = std::move(platform);
}

CPlatform& CPlatform::Get()
{
    auto& p = Instance();
    if (!p) {
        std::fputs("velmoor: no platform backend installed\n", stderr);
        std::abort();
    }
    return *p;
}

bool CPlatform::IsInstalled()
{
    return Instance() != nullptr;
}

HWND CPlatform::Register(CWnd& wnd)
{
    const HWND h = m_nextHandle++;
    m_windows[h] = &wnd;
    return h;
}

void CPlatform::Unregister(HWND hwnd)
{
    m_windows.erase(hwnd);
    if (hwnd == m_mainWindow)
        m_mainWindow = kNoWindow;
}

CWnd* CPlatform::FromHandle(HWND hwnd) const
{
    const auto it = m_windows.find(hwnd);
    return it == m_windows.end() ? nullptr : it->second;
}

bool CPlatform::Post(const MSG& msg)
{
    {
        std::lock_guard<std::mutex> lock(m_queueLock);
        m_queue.push_back({msg, {}});
    }
    WakeUp();
    return true;
}

void CPlatform::PostTask(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(m_queueLock);
        m_queue.push_back({{}, std::move(task)});
    }
    WakeUp();
}

void CPlatform::RunOnUiThread(const std::function<void()>& task)
{
    if (IsUiThread()) {
        task();
        return;
    }
    std::mutex lock;
    std::condition_variable done;
    bool finished = false;
    PostTask([&] {
        task();
        std::lock_guard<std::mutex> guard(lock);
        finished = true;
        done.notify_one();
    });
    std::unique_lock<std::mutex> guard(lock);
    done.wait(guard, [&] { return finished; });
}

void CPlatform::DrainPosted()
{
    // Take one batch: work posted while the batch runs waits for the next drain, so a window
    // that keeps posting to itself cannot starve the loop.
    std::deque<Posted> batch;
    {
        std::lock_guard<std::mutex> lock(m_queueLock);
        batch.swap(m_queue);
    }
    for (Posted& p : batch) {
        if (p.task) {
            p.task();
            continue;
        }
        if (CWnd* wnd = FromHandle(p.msg.hwnd))
            wnd->SendMessage(p.msg.message, p.msg.wParam, p.msg.lParam);
    }
}

bool CPlatform::HasPosted()
{
    std::lock_guard<std::mutex> lock(m_queueLock);
    return !m_queue.empty();
}

bool CPlatform::DispatchInput(const MSG& msg)
{
    MSG m = msg;
    // The target first, then its owners, as the framework walks the pre-translation tree.
    for (HWND h = msg.hwnd; h != kNoWindow;) {
        CWnd* wnd = FromHandle(h);
        if (wnd == nullptr)
            return true;
        if (wnd->PreTranslateMessage(&m))
            return true;
        h = wnd->GetOwner();
    }
    CWnd* target = FromHandle(msg.hwnd);
    if (target == nullptr)
        return true;
    target->SendMessage(m.message, m.wParam, m.lParam);
    return false;
}

void CPlatform::NotifySessionEnd()
{
    if (m_sessionEnd)
        m_sessionEnd();
}

}  // namespace velmoor
