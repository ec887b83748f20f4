#include "platform/CWnd.h"

namespace velmoor {

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    // A window object that dies with its window still up takes the window along, without the
    // handlers of a class that is already gone.
    if (m_hWnd != kNoWindow) {
        Platform().KillTimers(m_hWnd);
        Platform().Unregister(m_hWnd);
        m_native.reset();
        m_hWnd = kNoWindow;
    }
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    return Platform().FromHandle(hwnd);
}

BOOL CWnd::CreateEx(DWORD exStyle, const std::string& windowName, DWORD style, const RECT& rect,
                    HWND owner, UINT id)
{
    if (m_hWnd != kNoWindow)
        return FALSE;
    m_exStyle = exStyle;
    m_style = style;
    m_owner = owner;
    m_id = id;
    m_text = windowName;
    m_rect = rect;
    WindowParams params{style, exStyle, windowName, rect, owner, id};
    m_native = Platform().CreateNativeWindow(*this, params);
    if (!m_native)
        return FALSE;
    m_hWnd = Platform().Register(*this);
    if (SendMessage(WM_CREATE) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (m_hWnd == kNoWindow)
        return FALSE;
    SendMessage(WM_SIZE, 0, MakeLParam(m_rect.Width(), m_rect.Height()));
    SendMessage(WM_MOVE, 0, MakeLParam(m_rect.left, m_rect.top));
    if (m_hWnd != kNoWindow && (style & WS_VISIBLE) != 0)
        ShowWindow(SW_SHOW);
    return m_hWnd != kNoWindow;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == kNoWindow)
        return FALSE;
    const HWND h = m_hWnd;
    SendMessage(WM_DESTROY);
    Platform().KillTimers(h);
    const bool wasMain = Platform().MainWindow() == h;
    Platform().Unregister(h);
    m_hWnd = kNoWindow;
    m_visible = false;
    m_native.reset();
    if (wasMain)
        Platform().QuitMessageLoop(0);
    PostNcDestroy();  // may delete this
    return TRUE;
}

BOOL CWnd::ShowWindow(int showCommand)
{
    if (m_hWnd == kNoWindow)
        return FALSE;
    const bool wasVisible = m_visible;
    const bool show = showCommand != SW_HIDE;
    if (show != wasVisible) {
        SendMessage(WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (m_hWnd == kNoWindow)
            return wasVisible;
        m_visible = show;
    }
    m_native->Show(showCommand);
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd != kNoWindow && m_visible;
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd != kNoWindow && m_native->IsIconic();
}

BOOL CWnd::IsZoomed() const
{
    return m_hWnd != kNoWindow && m_native->IsZoomed();
}

void CWnd::SetWindowText(const std::string& text)
{
    m_text = text;
    if (m_native)
        m_native->SetTitle(text);
}

BOOL CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (m_hWnd == kNoWindow)
        return FALSE;
    ApplyBounds({x, y, x + width, y + height}, true);
    if (repaint && m_native)
        m_native->Invalidate(nullptr);
    return TRUE;
}

void CWnd::ApplyBounds(const RECT& rect, bool tellBackend)
{
    const bool moved = rect.left != m_rect.left || rect.top != m_rect.top;
    const bool sized = rect.Width() != m_rect.Width() || rect.Height() != m_rect.Height();
    m_rect = rect;
    if (tellBackend && m_native)
        m_native->SetBounds(rect);
    if (sized)
        SendMessage(WM_SIZE, 0, MakeLParam(rect.Width(), rect.Height()));
    if (moved && m_hWnd != kNoWindow)
        SendMessage(WM_MOVE, 0, MakeLParam(rect.left, rect.top));
}

void CWnd::OnNativeBoundsChanged(const RECT& screenRect)
{
    ApplyBounds(screenRect, false);
}

void CWnd::OnNativeStateChanged()
{
    SendMessage(WM_SIZE, IsIconic() ? 1 : (IsZoomed() ? 2 : 0), MakeLParam(m_rect.Width(), m_rect.Height()));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == kNoWindow)
        return 0;
    return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_hWnd == kNoWindow)
        return FALSE;
    return Platform().Post({m_hWnd, message, wParam, lParam}) ? TRUE : FALSE;
}

UINT CWnd::SetTimer(UINT id, UINT elapseMs)
{
    if (m_hWnd == kNoWindow)
        return 0;
    Platform().SetTimer(m_hWnd, id, elapseMs);
    return id;
}

BOOL CWnd::KillTimer(UINT id)
{
    if (m_hWnd == kNoWindow)
        return FALSE;
    Platform().KillTimer(m_hWnd, id);
    return TRUE;
}

void CWnd::SetForegroundWindow()
{
    if (m_native)
        m_native->SetForeground();
}

void CWnd::SetFocus()
{
    if (m_native)
        m_native->SetFocus();
}

void CWnd::Invalidate()
{
    InvalidateRect(nullptr);
}

void CWnd::InvalidateRect(const RECT* rect)
{
    if (m_native)
        m_native->Invalidate(rect);
}

void CWnd::SetCursor(Cursor cursor)
{
    if (m_native)
        m_native->SetCursor(cursor);
}

void CWnd::ReleaseCapture()
{
    if (m_native)
        m_native->ReleaseCapture();
}

void CWnd::SetIconPng(std::span<const unsigned char> png)
{
    if (m_native && !png.empty())
        m_native->SetIconPng(png);
}

void CWnd::UpdateLayeredWindow(cairo_surface_t* argb32)
{
    if (m_native)
        m_native->UpdateLayered(argb32);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

namespace {
POINT PointOf(LPARAM lp)
{
    return {GetXLParam(lp), GetYLParam(lp)};
}
}  // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return OnCreate();
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_PAINT: OnPaint(reinterpret_cast<cairo_t*>(wParam)); return 0;
    case WM_ERASEBKGND: return OnEraseBkgnd();
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(static_cast<UINT>(wParam), PointOf(lParam)); return 0;
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam), 1, 0); return 0;
    case WM_TIMER: OnTimer(static_cast<UINT>(wParam)); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_MOVE: OnMove(GetXLParam(lParam), GetYLParam(lParam)); return 0;
    case WM_SIZE: OnSize(static_cast<UINT>(wParam), GetXLParam(lParam), GetYLParam(lParam)); return 0;
    case WM_SHOWWINDOW: OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)); return 0;
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_HOTKEY:
        OnHotKey(static_cast<UINT>(wParam), static_cast<UINT>(lParam & 0xFFFF), static_cast<UINT>((lParam >> 16) & 0xFFFF));
        return 0;
    case WM_SYSCOMMAND: OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;
    default: return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return 0;
}

void CWnd::OnSysCommand(UINT id, LPARAM)
{
    switch (id & 0xFFF0) {
    case SC_MOVE:
        if (m_native)
            m_native->BeginMoveDrag();
        break;
    case SC_MINIMIZE: ShowWindow(SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(SW_RESTORE); break;
    case SC_CLOSE: SendMessage(WM_CLOSE); break;
    default: break;
    }
}

}  // namespace velmoor
