#include "platform/gtk/CGtkHotKeys.h"

#include <algorithm>

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include "platform/CPlatform.h"
#include "platform/gtk/GtkKeyMap.h"

namespace velmoor {

namespace {

// The lock modifiers a grab has to be made with too; Mod2 is Num Lock on every common layout.
constexpr unsigned int kLockVariants[] = {0, LockMask, Mod2Mask, LockMask | Mod2Mask};

Display* XDisplay()
{
    GdkDisplay* display = gdk_display_get_default();
    if (display == nullptr || !GDK_IS_X11_DISPLAY(display))
        return nullptr;
    return GDK_DISPLAY_XDISPLAY(display);
}

unsigned int XModifiers(UINT modifiers)
{
    unsigned int m = 0;
    if (modifiers & MOD_SHIFT)
        m |= ShiftMask;
    if (modifiers & MOD_CONTROL)
        m |= ControlMask;
    if (modifiers & MOD_ALT)
        m |= Mod1Mask;
    return m;
}

}  // namespace

CGtkHotKeys::CGtkHotKeys() = default;

CGtkHotKeys::~CGtkHotKeys()
{
    for (const Entry& e : m_entries)
        Grab(e.keycode, e.xmods, false);
    if (m_filterInstalled) {
        if (GdkScreen* screen = gdk_screen_get_default())
            gdk_window_remove_filter(gdk_screen_get_root_window(screen), Filter, this);
    }
}

bool CGtkHotKeys::Grab(unsigned int keycode, unsigned int xmods, bool grab)
{
    Display* display = XDisplay();
    if (display == nullptr)
        return false;
    GdkDisplay* gdkDisplay = gdk_display_get_default();
    const Window root = DefaultRootWindow(display);
    // A key another client holds answers the grab with an error; trap it to report failure.
    gdk_x11_display_error_trap_push(gdkDisplay);
    for (unsigned int lock : kLockVariants) {
        if (grab)
            XGrabKey(display, static_cast<int>(keycode), xmods | lock, root, False, GrabModeAsync, GrabModeAsync);
        else
            XUngrabKey(display, static_cast<int>(keycode), xmods | lock, root);
    }
    XSync(display, False);
    const int error = gdk_x11_display_error_trap_pop(gdkDisplay);
    if (error != 0 && grab) {
        gdk_x11_display_error_trap_push(gdkDisplay);
        for (unsigned int lock : kLockVariants)
            XUngrabKey(display, static_cast<int>(keycode), xmods | lock, root);
        XSync(display, False);
        gdk_x11_display_error_trap_pop_ignored(gdkDisplay);
    }
    return error == 0;
}

bool CGtkHotKeys::Register(HWND hwnd, int id, UINT modifiers, UINT vk)
{
    Display* display = XDisplay();
    if (display == nullptr)
        return false;
    const bool taken = std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& e) {
        return (e.hwnd == hwnd && e.id == id) || (e.modifiers == modifiers && e.vk == vk);
    });
    if (taken)
        return false;
    const unsigned int keyval = KeyvalFromVirtualKey(vk);
    if (keyval == 0)
        return false;
    const unsigned int keycode = XKeysymToKeycode(display, keyval);
    if (keycode == 0)
        return false;
    const unsigned int xmods = XModifiers(modifiers);
    if (!Grab(keycode, xmods, true))
        return false;
    if (!m_filterInstalled) {
        GdkWindow* root = gdk_screen_get_root_window(gdk_screen_get_default());
        gdk_window_set_events(root, static_cast<GdkEventMask>(gdk_window_get_events(root) | GDK_KEY_PRESS_MASK));
        gdk_window_add_filter(root, Filter, this);
        m_filterInstalled = true;
    }
    m_entries.push_back({hwnd, id, modifiers, vk, keycode, xmods});
    return true;
}

bool CGtkHotKeys::Unregister(HWND hwnd, int id)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const Entry& e) { return e.hwnd == hwnd && e.id == id; });
    if (it == m_entries.end())
        return false;
    Grab(it->keycode, it->xmods, false);
    m_entries.erase(it);
    return true;
}

GdkFilterReturn CGtkHotKeys::Filter(GdkXEvent* xevent, GdkEvent*, gpointer self)
{
    auto* me = static_cast<CGtkHotKeys*>(self);
    const XEvent* e = static_cast<const XEvent*>(xevent);
    if (e->type != KeyPress)
        return GDK_FILTER_CONTINUE;
    const unsigned int state = e->xkey.state & (ShiftMask | ControlMask | Mod1Mask);
    for (const Entry& entry : me->m_entries) {
        if (entry.keycode == e->xkey.keycode && entry.xmods == state) {
            Platform().Post({entry.hwnd, WM_HOTKEY, static_cast<WPARAM>(entry.id),
                             MakeLParam(static_cast<int>(entry.modifiers), static_cast<int>(entry.vk))});
            return GDK_FILTER_REMOVE;
        }
    }
    return GDK_FILTER_CONTINUE;
}

}  // namespace velmoor
