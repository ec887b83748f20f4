#pragma once
// The small vocabulary of window-system types and numbers the program is written in. The values
// are those the program's messages, settings and tests rely on; every backend maps them onto its
// own window system.
#include <cstdint>

namespace velmoor {

using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using BOOL = int;
// GLib defines these as macros of the same values; whichever comes first serves.
#ifndef TRUE
constexpr BOOL TRUE = 1;
#endif
#ifndef FALSE
constexpr BOOL FALSE = 0;
#endif
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A window handle: a number the platform hands out, never reused within a run. Messages posted
// to a handle whose window is gone are dropped, so worker threads never touch a dead window.
using HWND = std::uint32_t;
constexpr HWND kNoWindow = 0;

struct POINT {
    int x = 0;
    int y = 0;
};

struct SIZE {
    int cx = 0;
    int cy = 0;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Windows' PtInRect: right and bottom edges are outside.
inline bool PtInRect(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

struct MSG {
    HWND hwnd = kNoWindow;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

inline LPARAM MakeLParam(int lo, int hi)
{
    return static_cast<LPARAM>((static_cast<std::uint32_t>(hi & 0xFFFF) << 16) | (static_cast<std::uint32_t>(lo) & 0xFFFF));
}
inline int GetXLParam(LPARAM lp) { return static_cast<std::int16_t>(lp & 0xFFFF); }
inline int GetYLParam(LPARAM lp) { return static_cast<std::int16_t>((lp >> 16) & 0xFFFF); }

// Messages.
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUERYENDSESSION = 0x0011;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_HOTKEY = 0x0312;
constexpr UINT WM_USER = 0x0400;

// Application messages.
constexpr UINT WM_TRAY_NOTIFY = 1124;
constexpr UINT WM_GAME_EXIT = 1126;
constexpr UINT WM_GAME_OPEN = 1127;
constexpr UINT WM_PAY_CLOSE = 1137;
constexpr UINT WM_VIP_SHOW = 1227;
constexpr UINT WM_VIP_USERINFO = 1228;
constexpr UINT WM_VIP_NOTIFY = 1229;
constexpr UINT WM_VIP_CLOSED = 1230;

// WM_SYSCOMMAND codes. SC_MOVE | HTCAPTION (0xF012) means "let the user drag the window".
constexpr WPARAM SC_SIZE = 0xF000;
constexpr WPARAM SC_MOVE = 0xF010;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_RESTORE = 0xF120;
constexpr WPARAM SC_DRAGMOVE = 0xF012;

// Hit-test codes.
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;

// Message boxes.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_ICONERROR = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONWARNING = 0x0030;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Hot-key modifiers as RegisterHotKey takes them.
constexpr UINT MOD_ALT = 1;
constexpr UINT MOD_CONTROL = 2;
constexpr UINT MOD_SHIFT = 4;
// Modifier flags as the hot-key entry field stores them (high word of a stored boss key).
constexpr UINT HOTKEYF_SHIFT = 1;
constexpr UINT HOTKEYF_CONTROL = 2;
constexpr UINT HOTKEYF_ALT = 4;

// Virtual-key codes the program names.
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F4 = 0x73;
constexpr UINT VK_F5 = 0x74;
constexpr UINT VK_F9 = 0x78;
constexpr UINT VK_F10 = 0x79;
constexpr UINT VK_F11 = 0x7A;
constexpr UINT VK_F12 = 0x7B;

// Cursors.
enum class Cursor { Arrow, Hand };

}  // namespace velmoor
