#pragma once
#include <span>
#include <string>

#include <cairo.h>

#include "platform/WinTypes.h"

namespace velmoor {

// What a backend's window does for a CWnd. The CWnd keeps the program's view of the window
// (rectangle, visibility) and tells the backend; the backend reports user-made changes back
// through the platform's dispatch (input messages, moves by the window manager).
class INativeWindow {
public:
    virtual ~INativeWindow() = default;

    virtual void Show(int showCommand) = 0;  // SW_HIDE, SW_SHOW, SW_MINIMIZE, SW_MAXIMIZE, SW_RESTORE
    virtual bool IsVisible() const = 0;
    virtual bool IsIconic() const = 0;
    virtual bool IsZoomed() const = 0;
    virtual void SetBounds(const RECT& screenRect) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetIconPng(std::span<const unsigned char> png) = 0;
    // Per-pixel-alpha picture of the whole window; the backend keeps a reference until the next.
    virtual void UpdateLayered(cairo_surface_t* argb32) = 0;
    // Double-buffered windows: ask for a WM_PAINT of `rect` (client coordinates; null: whole).
    virtual void Invalidate(const RECT* rect) = 0;
    virtual void BeginMoveDrag() = 0;
    virtual void SetCursor(Cursor cursor) = 0;
    virtual void SetForeground() = 0;
    virtual void SetFocus() = 0;
    virtual void ReleaseCapture() = 0;
};

}  // namespace velmoor
