#include "platform/gtk/CGtkWindow.h"

#include "platform/CWnd.h"
#include "platform/gtk/GtkKeyMap.h"

namespace velmoor {

namespace {

UINT MouseFlags(guint state)
{
    UINT flags = 0;
    if (state & GDK_BUTTON1_MASK)
        flags |= 0x0001;  // MK_LBUTTON
    if (state & GDK_BUTTON3_MASK)
        flags |= 0x0002;  // MK_RBUTTON
    if (state & GDK_SHIFT_MASK)
        flags |= 0x0004;  // MK_SHIFT
    if (state & GDK_CONTROL_MASK)
        flags |= 0x0008;  // MK_CONTROL
    return flags;
}

}  // namespace

CGtkWindow::CGtkWindow(CWnd& wnd, const WindowParams& params) : m_wnd(wnd), m_bounds(params.rect), m_requested(params.rect)
{
    m_window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    g_object_ref_sink(m_window);
    GtkWindow* w = GTK_WINDOW(m_window);
    gtk_window_set_decorated(w, (params.style & WS_CAPTION) == WS_CAPTION);
    gtk_window_set_title(w, params.name.c_str());
    gtk_widget_set_app_paintable(m_window, TRUE);
    gtk_window_set_resizable(w, TRUE);
    if (params.exStyle & WS_EX_TOOLWINDOW) {
        gtk_window_set_skip_taskbar_hint(w, TRUE);
        gtk_window_set_skip_pager_hint(w, TRUE);
    }
    if (CWnd* owner = CWnd::FromHandle(params.owner)) {
        if (auto* ownerWindow = dynamic_cast<CGtkWindow*>(owner->Native())) {
            gtk_window_set_transient_for(w, GTK_WINDOW(ownerWindow->Widget()));
            gtk_window_set_type_hint(w, GDK_WINDOW_TYPE_HINT_UTILITY);
        }
    }
    m_fixed = gtk_fixed_new();
    gtk_widget_set_has_window(m_fixed, FALSE);
    gtk_container_add(GTK_CONTAINER(m_window), m_fixed);
    gtk_widget_show(m_fixed);

    gtk_widget_add_events(m_window, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                        GDK_KEY_PRESS_MASK | GDK_STRUCTURE_MASK);
    g_signal_connect(m_window, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(m_window, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(m_window, "button-press-event", G_CALLBACK(OnButton), this);
    g_signal_connect(m_window, "button-release-event", G_CALLBACK(OnButton), this);
    g_signal_connect(m_window, "key-press-event", G_CALLBACK(OnKey), this);
    g_signal_connect(m_window, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(m_window, "configure-event", G_CALLBACK(OnConfigure), this);
    g_signal_connect(m_window, "window-state-event", G_CALLBACK(OnWindowState), this);
    g_signal_connect(m_window, "screen-changed", G_CALLBACK(OnScreenChanged), this);
    g_signal_connect(m_window, "composited-changed", G_CALLBACK(OnCompositedChanged), this);
    ChooseVisual();
    SetBounds(params.rect);
}

CGtkWindow::~CGtkWindow()
{
    g_signal_handlers_disconnect_by_data(m_window, this);
    gtk_widget_destroy(m_window);
    g_object_unref(m_window);
    if (m_layered)
        cairo_surface_destroy(m_layered);
}

void CGtkWindow::ChooseVisual()
{
    GdkScreen* screen = gtk_widget_get_screen(m_window);
    GdkVisual* visual = gdk_screen_get_rgba_visual(screen);
    if (visual != nullptr)
        gtk_widget_set_visual(m_window, visual);
}

void CGtkWindow::OnScreenChanged(GtkWidget*, GdkScreen*, gpointer self)
{
    static_cast<CGtkWindow*>(self)->ChooseVisual();
}

void CGtkWindow::OnCompositedChanged(GtkWidget*, gpointer self)
{
    auto* me = static_cast<CGtkWindow*>(self);
    me->m_shapeWidth = -1;
    me->ApplyShape();
}

bool CGtkWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND hwnd = m_wnd.GetSafeHwnd();
    if (hwnd == kNoWindow)
        return false;
    return Platform().DispatchInput({hwnd, message, wParam, lParam});
}

void CGtkWindow::Show(int showCommand)
{
    GtkWindow* w = GTK_WINDOW(m_window);
    switch (showCommand) {
    case SW_HIDE:
        gtk_widget_hide(m_window);
        return;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        gtk_widget_show(m_window);
        gtk_window_iconify(w);
        return;
    case SW_MAXIMIZE:
        gtk_widget_show(m_window);
        gtk_window_maximize(w);
        return;
    case SW_RESTORE:
        gtk_widget_show(m_window);
        if (m_iconic)
            gtk_window_deiconify(w);
        else
            gtk_window_unmaximize(w);
        return;
    default:
        if (!gtk_widget_get_visible(m_window)) {
            // Window managers place new windows by their own rules; the program's position holds.
            gtk_window_move(w, m_bounds.left, m_bounds.top);
            gtk_widget_show(m_window);
        }
        return;
    }
}

bool CGtkWindow::IsVisible() const
{
    return gtk_widget_get_visible(m_window);
}

void CGtkWindow::SetBounds(const RECT& rect)
{
    m_requested = rect;
    m_bounds = rect;
    m_pendingConfigures = 3;
    GtkWindow* w = GTK_WINDOW(m_window);
    gtk_window_move(w, rect.left, rect.top);
    if (rect.Width() > 0 && rect.Height() > 0) {
        gtk_window_set_default_size(w, rect.Width(), rect.Height());
        gtk_window_resize(w, rect.Width(), rect.Height());
    }
}

void CGtkWindow::SetTitle(const std::string& title)
{
    gtk_window_set_title(GTK_WINDOW(m_window), title.c_str());
}

void CGtkWindow::SetIconPng(std::span<const unsigned char> png)
{
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("png", nullptr);
    if (loader == nullptr)
        return;
    if (gdk_pixbuf_loader_write(loader, png.data(), png.size(), nullptr) && gdk_pixbuf_loader_close(loader, nullptr)) {
        if (GdkPixbuf* icon = gdk_pixbuf_loader_get_pixbuf(loader))
            gtk_window_set_icon(GTK_WINDOW(m_window), icon);
    } else {
        gdk_pixbuf_loader_close(loader, nullptr);
    }
    g_object_unref(loader);
}

void CGtkWindow::UpdateLayered(cairo_surface_t* argb32)
{
    if (argb32 != m_layered) {
        cairo_surface_reference(argb32);
        if (m_layered)
            cairo_surface_destroy(m_layered);
        m_layered = argb32;
    }
    ApplyShape();
    gtk_widget_queue_draw(m_window);
}

void CGtkWindow::ApplyShape()
{
    if (m_layered == nullptr)
        return;
    const int w = cairo_image_surface_get_width(m_layered);
    const int h = cairo_image_surface_get_height(m_layered);
    // The skin's outline does not change with hover frames; the shape is made again only when
    // the picture's size or the screen's compositing changes.
    if (w == m_shapeWidth && h == m_shapeHeight)
        return;
    m_shapeWidth = w;
    m_shapeHeight = h;
    cairo_region_t* region = gdk_cairo_region_create_from_surface(m_layered);
    gtk_widget_input_shape_combine_region(m_window, region);
    // Without a compositor the transparent surroundings would show black: cut them away.
    if (!gtk_widget_is_composited(m_window))
        gtk_widget_shape_combine_region(m_window, region);
    else
        gtk_widget_shape_combine_region(m_window, nullptr);
    cairo_region_destroy(region);
}

void CGtkWindow::Invalidate(const RECT* rect)
{
    if (rect == nullptr)
        gtk_widget_queue_draw(m_window);
    else
        gtk_widget_queue_draw_area(m_window, rect->left, rect->top, rect->Width(), rect->Height());
}

void CGtkWindow::BeginMoveDrag()
{
    GdkEvent* event = gtk_get_current_event();
    gdouble x = 0;
    gdouble y = 0;
    guint32 time = GDK_CURRENT_TIME;
    if (event != nullptr) {
        gdk_event_get_root_coords(event, &x, &y);
        time = gdk_event_get_time(event);
        gdk_event_free(event);
    } else {
        GdkSeat* seat = gdk_display_get_default_seat(gtk_widget_get_display(m_window));
        int ix = 0;
        int iy = 0;
        gdk_device_get_position(gdk_seat_get_pointer(seat), nullptr, &ix, &iy);
        x = ix;
        y = iy;
    }
    gtk_window_begin_move_drag(GTK_WINDOW(m_window), 1, static_cast<int>(x), static_cast<int>(y), time);
}

void CGtkWindow::SetCursor(Cursor cursor)
{
    GdkWindow* gdkWindow = gtk_widget_get_window(m_window);
    if (gdkWindow == nullptr)
        return;
    GdkCursor* c = gdk_cursor_new_from_name(gtk_widget_get_display(m_window), cursor == Cursor::Hand ? "pointer" : "default");
    gdk_window_set_cursor(gdkWindow, c);
    if (c)
        g_object_unref(c);
}

void CGtkWindow::SetForeground()
{
    gtk_window_present(GTK_WINDOW(m_window));
}

void CGtkWindow::SetFocus()
{
    gtk_window_present(GTK_WINDOW(m_window));
}

gboolean CGtkWindow::OnDraw(GtkWidget*, cairo_t* cr, gpointer self)
{
    auto* me = static_cast<CGtkWindow*>(self);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    if (me->m_layered != nullptr) {
        cairo_set_source_surface(cr, me->m_layered, 0, 0);
        cairo_paint(cr);
    } else {
        cairo_set_source_rgba(cr, 0, 0, 0, 1);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        if (me->m_wnd.IsWindow())
            me->m_wnd.SendMessage(WM_PAINT, reinterpret_cast<WPARAM>(cr), 0);
    }
    cairo_restore(cr);
    return FALSE;  // children draw over the skin
}

gboolean CGtkWindow::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self)
{
    auto* me = static_cast<CGtkWindow*>(self);
    me->Dispatch(WM_MOUSEMOVE, MouseFlags(event->state), MakeLParam(static_cast<int>(event->x), static_cast<int>(event->y)));
    return FALSE;
}

gboolean CGtkWindow::OnButton(GtkWidget*, GdkEventButton* event, gpointer self)
{
    auto* me = static_cast<CGtkWindow*>(self);
    const LPARAM lp = MakeLParam(static_cast<int>(event->x), static_cast<int>(event->y));
    UINT message = 0;
    if (event->type == GDK_BUTTON_PRESS)
        message = event->button == 1 ? WM_LBUTTONDOWN : (event->button == 3 ? WM_RBUTTONDOWN : 0);
    else if (event->type == GDK_2BUTTON_PRESS && event->button == 1)
        message = WM_LBUTTONDBLCLK;
    else if (event->type == GDK_BUTTON_RELEASE)
        message = event->button == 1 ? WM_LBUTTONUP : (event->button == 3 ? WM_RBUTTONUP : 0);
    if (message != 0)
        me->Dispatch(message, MouseFlags(event->state), lp);
    return FALSE;
}

gboolean CGtkWindow::OnKey(GtkWidget*, GdkEventKey* event, gpointer self)
{
    auto* me = static_cast<CGtkWindow*>(self);
    const UINT vk = VirtualKeyFromKeyval(event->keyval);
    if (vk == 0)
        return FALSE;
    const bool alt = (event->state & GDK_MOD1_MASK) != 0;
    const LPARAM lp = static_cast<LPARAM>(event->hardware_keycode) << 16;
    // True: a window reserved the key; otherwise the focused widget (a page) gets it.
    return me->Dispatch(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, lp) ? TRUE : FALSE;
}

gboolean CGtkWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer self)
{
    auto* me = static_cast<CGtkWindow*>(self);
    // Window managers keep Alt+F4 for themselves and turn it into this request, so it is offered
    // as Alt+F4 first (windows that reserve the key ask before closing); otherwise it is the
    // system menu's close. Either way the program decides what follows.
    const HWND hwnd = me->m_wnd.GetSafeHwnd();
    if (hwnd == kNoWindow || me->Dispatch(WM_SYSKEYDOWN, VK_F4, 0))
        return TRUE;
    if (CWnd* wnd = CWnd::FromHandle(hwnd))
        wnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    return TRUE;
}

gboolean CGtkWindow::OnConfigure(GtkWidget* widget, GdkEventConfigure* event, gpointer self)
{
    auto* me = static_cast<CGtkWindow*>(self);
    int x = event->x;
    int y = event->y;
    gtk_window_get_position(GTK_WINDOW(widget), &x, &y);
    const RECT now{x, y, x + event->width, y + event->height};
    const bool same = now.left == me->m_requested.left && now.top == me->m_requested.top &&
                      now.Width() == me->m_requested.Width() && now.Height() == me->m_requested.Height();
    if (me->m_pendingConfigures > 0) {
        // Configure events for positions the program set itself, possibly stale ones, are not
        // moves by the user.
        --me->m_pendingConfigures;
        if (same)
            me->m_pendingConfigures = 0;
        return FALSE;
    }
    me->m_bounds = now;
    me->m_requested = now;
    if (me->m_wnd.IsWindow())
        me->m_wnd.OnNativeBoundsChanged(now);
    return FALSE;
}

gboolean CGtkWindow::OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self)
{
    auto* me = static_cast<CGtkWindow*>(self);
    me->m_iconic = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    me->m_zoomed = (event->new_window_state & GDK_WINDOW_STATE_MAXIMIZED) != 0;
    if (event->changed_mask & (GDK_WINDOW_STATE_ICONIFIED | GDK_WINDOW_STATE_MAXIMIZED)) {
        if (me->m_wnd.IsWindow())
            me->m_wnd.OnNativeStateChanged();
    }
    return FALSE;
}

}  // namespace velmoor
