#pragma once
#include <vector>

#include <gdk/gdk.h>

#include "platform/WinTypes.h"

namespace velmoor {

// System-wide hot keys on X11: a passive grab of the key on the root window (with the Caps and
// Num Lock variants, so the lock keys do not disable it); the key press is posted to the
// registering window as WM_HOTKEY.
class CGtkHotKeys {
public:
    CGtkHotKeys();
    ~CGtkHotKeys();
    CGtkHotKeys(const CGtkHotKeys&) = delete;
    CGtkHotKeys& operator=(const CGtkHotKeys&) = delete;

    bool Register(HWND hwnd, int id, UINT modifiers, UINT vk);
    bool Unregister(HWND hwnd, int id);

private:
    struct Entry {
        HWND hwnd;
        int id;
        UINT modifiers;
        UINT vk;
        unsigned int keycode;
        unsigned int xmods;
    };
    static GdkFilterReturn Filter(GdkXEvent* xevent, GdkEvent*, gpointer self);
    bool Grab(unsigned int keycode, unsigned int xmods, bool grab);

    std::vector<Entry> m_entries;
    bool m_filterInstalled = false;
};

}  // namespace velmoor
