#pragma once
#include <memory>
#include <span>
#include <string>

#include <cairo.h>

#include "platform/CPlatform.h"
#include "platform/INativeWindow.h"
#include "platform/WinTypes.h"

namespace velmoor {

// A window: the program's own small stand-in for the framework window class. Messages arrive at
// WindowProc, which hands the usual ones to the virtual handlers below (the message map);
// subclasses override WindowProc for their own messages. Handlers' base versions do the default
// processing (OnClose destroys the window, OnSysCommand drags, minimises, maximises ...).
class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd != kNoWindow; }
    static CWnd* FromHandle(HWND hwnd);

    BOOL CreateEx(DWORD exStyle, const std::string& windowName, DWORD style, const RECT& rect,
                  HWND owner, UINT id);
    BOOL DestroyWindow();

    // Returns whether the window was visible before. Sends WM_SHOWWINDOW when the visibility
    // changes, before the change, as the window system does.
    BOOL ShowWindow(int showCommand);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void UpdateWindow() {}
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const { return m_text; }
    void GetWindowRect(RECT& rect) const { rect = m_rect; }
    void GetClientRect(RECT& rect) const { rect = {0, 0, m_rect.Width(), m_rect.Height()}; }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    DWORD GetExStyle() const { return m_exStyle; }
    void ModifyStyleEx(DWORD remove, DWORD add) { m_exStyle = (m_exStyle & ~remove) | add; }
    HWND GetOwner() const { return m_owner; }
    UINT GetDlgCtrlID() const { return m_id; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    UINT SetTimer(UINT id, UINT elapseMs);
    BOOL KillTimer(UINT id);

    void SetForegroundWindow();
    void SetFocus();
    void Invalidate();
    void InvalidateRect(const RECT* rect);
    void SetCursor(Cursor cursor);
    void ReleaseCapture();
    void SetIconPng(std::span<const unsigned char> png);
    // Pushes a whole-window picture with per-pixel alpha (the layered-window update).
    void UpdateLayeredWindow(cairo_surface_t* argb32);

    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Backend reports: the window manager or the user moved, resized, or closed the window.
    void OnNativeBoundsChanged(const RECT& screenRect);
    // Backend report: the window became visible or hidden by the window system (minimise ...).
    void OnNativeStateChanged();
    INativeWindow* Native() const { return m_native.get(); }

protected:
    virtual int OnCreate() { return 0; }
    virtual void OnDestroy() {}
    // `cr` draws into the window's off-screen buffer, which the backend copies in one step.
    virtual void OnPaint(cairo_t* cr) {}
    virtual BOOL OnEraseBkgnd() { return TRUE; }
    virtual void OnMouseMove(UINT flags, POINT point) {}
    virtual void OnLButtonDown(UINT flags, POINT point) {}
    virtual void OnLButtonUp(UINT flags, POINT point) {}
    virtual void OnLButtonDblClk(UINT flags, POINT point) {}
    virtual void OnRButtonDown(UINT flags, POINT point) {}
    virtual void OnRButtonUp(UINT flags, POINT point) {}
    virtual void OnKeyDown(UINT vk, UINT repeat, UINT flags) {}
    virtual void OnTimer(UINT id) {}
    virtual void OnClose() { DestroyWindow(); }
    virtual void OnMove(int x, int y) {}
    virtual void OnSize(UINT type, int cx, int cy) {}
    virtual void OnShowWindow(BOOL show, UINT status) {}
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) { return FALSE; }
    virtual void OnHotKey(UINT id, UINT modifiers, UINT vk) {}
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    // Last call on a window object after its window is gone; self-deleting windows delete here.
    virtual void PostNcDestroy() {}

private:
    void ApplyBounds(const RECT& rect, bool tellBackend);

    HWND m_hWnd = kNoWindow;
    HWND m_owner = kNoWindow;
    UINT m_id = 0;
    DWORD m_style = 0;
    DWORD m_exStyle = 0;
    RECT m_rect;
    std::string m_text;
    bool m_visible = false;
    std::unique_ptr<INativeWindow> m_native;
};

}  // namespace velmoor
