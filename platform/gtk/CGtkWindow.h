#pragma once
#include <gtk/gtk.h>

#include "platform/CPlatform.h"
#include "platform/INativeWindow.h"

namespace velmoor {

class CWnd;

// A top-level GTK window standing in for a borderless window of the program. It paints either
// the per-pixel-alpha picture pushed by UpdateLayered (RGBA visual; the alpha also shapes the
// input so clicks on transparent parts fall through) or, for ordinary windows, whatever the
// program draws in WM_PAINT. Child widgets (web views) go into its fixed container.
class CGtkWindow : public INativeWindow {
public:
    CGtkWindow(CWnd& wnd, const WindowParams& params);
    ~CGtkWindow() override;

    void Show(int showCommand) override;
    bool IsVisible() const override;
    bool IsIconic() const override { return m_iconic; }
    bool IsZoomed() const override { return m_zoomed; }
    void SetBounds(const RECT& screenRect) override;
    void SetTitle(const std::string& title) override;
    void SetIconPng(std::span<const unsigned char> png) override;
    void UpdateLayered(cairo_surface_t* argb32) override;
    void Invalidate(const RECT* rect) override;
    void BeginMoveDrag() override;
    void SetCursor(Cursor cursor) override;
    void SetForeground() override;
    void SetFocus() override;
    void ReleaseCapture() override {}

    GtkWidget* Widget() const { return m_window; }
    // Where child widgets go, at client coordinates.
    GtkFixed* Container() const { return GTK_FIXED(m_fixed); }

private:
    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer self);
    static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self);
    static gboolean OnButton(GtkWidget*, GdkEventButton* event, gpointer self);
    static gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer self);
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
    static gboolean OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self);
    static gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self);
    static void OnScreenChanged(GtkWidget*, GdkScreen*, gpointer self);
    static void OnCompositedChanged(GtkWidget*, gpointer self);

    void ChooseVisual();
    void ApplyShape();
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    CWnd& m_wnd;
    GtkWidget* m_window = nullptr;
    GtkWidget* m_fixed = nullptr;
    cairo_surface_t* m_layered = nullptr;
    int m_shapeWidth = -1;
    int m_shapeHeight = -1;
    RECT m_bounds;
    RECT m_requested;
    int m_pendingConfigures = 0;
    bool m_iconic = false;
    bool m_zoomed = false;
};

}  // namespace velmoor
