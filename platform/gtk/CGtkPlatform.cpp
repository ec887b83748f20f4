#include "platform/gtk/CGtkPlatform.h"

#include <csignal>

#include <glib-unix.h>

#include "platform/CWnd.h"
#include "platform/gtk/CGtkWebEngine.h"
#include "platform/gtk/CGtkWebView.h"
#include "platform/gtk/CGtkWindow.h"

namespace velmoor {

std::unique_ptr<CGtkPlatform> CGtkPlatform::Create()
{
    // Global hot keys and input shapes are X11 features; under Wayland the X server of
    // XWayland provides them.
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr))
        return nullptr;
    return std::unique_ptr<CGtkPlatform>(new CGtkPlatform());
}

CGtkPlatform::CGtkPlatform() : m_hotKeys(std::make_unique<CGtkHotKeys>())
{
    // Termination requests and the end of the session take the program's orderly close path.
    m_signalSources[0] = g_unix_signal_add(SIGTERM, OnTerminate, this);
    m_signalSources[1] = g_unix_signal_add(SIGINT, OnTerminate, this);
    m_signalSources[2] = g_unix_signal_add(SIGHUP, OnTerminate, this);
}

CGtkPlatform::~CGtkPlatform()
{
    for (guint source : m_signalSources) {
        if (source != 0)
            g_source_remove(source);
    }
    for (const auto& [key, source] : m_timers)
        g_source_remove(source);
}

gboolean CGtkPlatform::OnTerminate(gpointer self)
{
    static_cast<CGtkPlatform*>(self)->NotifySessionEnd();
    return G_SOURCE_CONTINUE;
}

std::unique_ptr<INativeWindow> CGtkPlatform::CreateNativeWindow(CWnd& wnd, const WindowParams& params)
{
    return std::make_unique<CGtkWindow>(wnd, params);
}

int CGtkPlatform::RunMessageLoop()
{
    if (m_quit)
        return m_exitCode;
    ++m_loopDepth;
    gtk_main();
    --m_loopDepth;
    return m_exitCode;
}

void CGtkPlatform::QuitMessageLoop(int exitCode)
{
    m_exitCode = exitCode;
    m_quit = true;
    if (m_loopDepth > 0)
        gtk_main_quit();
}

void CGtkPlatform::RunModalLoop(CWnd&, const std::function<bool()>& ended)
{
    while (!ended() && !m_quit)
        g_main_context_iteration(nullptr, TRUE);
}

void CGtkPlatform::WakeUp()
{
    if (!m_wakePending.exchange(true))
        g_idle_add(OnWake, this);
}

gboolean CGtkPlatform::OnWake(gpointer self)
{
    auto* me = static_cast<CGtkPlatform*>(self);
    me->m_wakePending = false;
    me->DrainPosted();
    return G_SOURCE_REMOVE;
}

gboolean CGtkPlatform::OnTimer(gpointer data)
{
    const auto* key = static_cast<TimerKey*>(data);
    if (CWnd* wnd = key->platform->FromHandle(key->hwnd))
        wnd->SendMessage(WM_TIMER, key->id, 0);
    return G_SOURCE_CONTINUE;
}

void CGtkPlatform::SetTimer(HWND hwnd, UINT id, UINT elapseMs)
{
    KillTimer(hwnd, id);
    auto* key = new TimerKey{this, hwnd, id};  // owned by the GLib source
    const guint source = g_timeout_add_full(G_PRIORITY_DEFAULT, elapseMs, OnTimer, key,
                                            [](gpointer p) { delete static_cast<TimerKey*>(p); });
    m_timers[{hwnd, id}] = source;
}

void CGtkPlatform::KillTimer(HWND hwnd, UINT id)
{
    const auto it = m_timers.find({hwnd, id});
    if (it == m_timers.end())
        return;
    g_source_remove(it->second);
    m_timers.erase(it);
}

void CGtkPlatform::KillTimers(HWND hwnd)
{
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->first.first == hwnd) {
            g_source_remove(it->second);
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
}

int CGtkPlatform::ShowMessageBox(const std::string& text, const std::string& caption, UINT type)
{
    GtkMessageType icon = GTK_MESSAGE_INFO;
    switch (type & 0xF0) {
    case MB_ICONQUESTION: icon = GTK_MESSAGE_QUESTION; break;
    case MB_ICONWARNING: icon = GTK_MESSAGE_WARNING; break;
    case MB_ICONERROR: icon = GTK_MESSAGE_ERROR; break;
    default: break;
    }
    GtkButtonsType buttons = GTK_BUTTONS_OK;
    if ((type & 0x0F) == MB_OKCANCEL)
        buttons = GTK_BUTTONS_OK_CANCEL;
    else if ((type & 0x0F) == MB_YESNO)
        buttons = GTK_BUTTONS_YES_NO;
    GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, icon, buttons, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(dialog), caption.c_str());
    gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
    gtk_window_set_keep_above(GTK_WINDOW(dialog), TRUE);
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    gtk_widget_destroy(dialog);
    switch (response) {
    case GTK_RESPONSE_OK: return IDOK;
    case GTK_RESPONSE_YES: return IDYES;
    case GTK_RESPONSE_NO: return IDNO;
    default: return (type & 0x0F) == MB_YESNO ? IDNO : ((type & 0x0F) == MB_OK ? IDOK : IDCANCEL);
    }
}

std::unique_ptr<IWebView> CGtkPlatform::CreateWebView(CWnd& parent, const WebViewParams& params)
{
    auto* window = dynamic_cast<CGtkWindow*>(parent.Native());
    if (window == nullptr)
        return nullptr;
    return CGtkWebView::Create(window->Container(), params);
}

void CGtkPlatform::ClearWebsiteData(std::function<void()> done)
{
    CGtkWebEngine::Get().ClearWebsiteData(std::move(done));
}

std::string CGtkPlatform::WebCacheFolder()
{
    return CGtkWebEngine::Get().CacheFolder();
}

bool CGtkPlatform::OpenUrl(const std::string& url)
{
    // Only web addresses leave the program; anything else could start arbitrary handlers.
    if (url.rfind("http://", 0) != 0 && url.rfind("https://", 0) != 0)
        return false;
    GError* error = nullptr;
    const gboolean ok = g_app_info_launch_default_for_uri(url.c_str(), nullptr, &error);
    if (error)
        g_error_free(error);
    return ok;
}

SIZE CGtkPlatform::ScreenSize()
{
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
    if (monitor == nullptr && display != nullptr)
        monitor = gdk_display_get_monitor(display, 0);
    if (monitor == nullptr)
        return {1024, 768};
    GdkRectangle geometry;
    gdk_monitor_get_geometry(monitor, &geometry);
    return {geometry.width, geometry.height};
}

bool CGtkPlatform::RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT vk)
{
    return m_hotKeys->Register(hwnd, id, modifiers, vk);
}

bool CGtkPlatform::UnregisterHotKey(HWND hwnd, int id)
{
    return m_hotKeys->Unregister(hwnd, id);
}

}  // namespace velmoor
