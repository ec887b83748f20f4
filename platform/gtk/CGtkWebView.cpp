#include "platform/gtk/CGtkWebView.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/gtk/CGtkWebEngine.h"

namespace velmoor {

namespace {

constexpr const char* kViewKey = "velmoor-web-view";

// `window.external` as the browser control's pages see it: members looked up by name in any
// letter case, unknown ones missing, calls answered before they return. The synchronous request
// goes to the program's bridge scheme; where the page's security policy forbids that request the
// call still reaches the program as a message, only without a value.
constexpr const char* kExternalScript = R"JS((function () {
  if (window.__velmoorExternal) { return; }
  var base = 'velmoor-bridge://bridge/';
  function request(kind, name, args) {
    var q = 'n=' + encodeURIComponent(name) + '&c=' + args.length;
    for (var i = 0; i < args.length; ++i) { q += '&a' + i + '=' + encodeURIComponent(args[i]); }
    try {
      var x = new XMLHttpRequest();
      x.open('GET', base + kind + '?' + q, false);
      x.send();
      return x.responseText;
    } catch (e) {
      return null;
    }
  }
  function post(name, args) {
    try {
      window.webkit.messageHandlers.velmoorExternal.postMessage({n: name, a: args});
      return true;
    } catch (e) {
      return false;
    }
  }
  function text(v) { return v === undefined || v === null ? '' : String(v); }
  function member(name) {
    var known = request('lookup', name, []);
    if (known === '0') { return undefined; }
    return function () {
      var args = Array.prototype.map.call(arguments, text);
      var r = request('call', name, args);
      if (r === null) {
        if (!post(name, args)) { throw new TypeError('window.external.' + name + ' is unavailable'); }
        return undefined;
      }
      if (r.charAt(0) === '2') { return r.substring(1); }
      if (r.charAt(0) === '1') { return undefined; }
      throw new TypeError('window.external.' + name + ' failed');
    };
  }
  var ext = new Proxy({}, {
    get: function (t, name) { return typeof name === 'string' ? member(name) : undefined; },
    has: function (t, name) { return typeof name === 'string' && request('lookup', name, []) !== '0'; },
    set: function () { return false; }
  });
  window.__velmoorExternal = true;
  Object.defineProperty(window, 'external', {value: ext, configurable: true, enumerable: false, writable: false});
})();)JS";

// Pages shown without scroll bars.
constexpr const char* kNoScrollSheet =
    "::-webkit-scrollbar { display: none !important; width: 0 !important; height: 0 !important; }";

std::string Text(const char* text)
{
    return text != nullptr ? std::string(text) : std::string();
}

std::string QueryValue(GHashTable* params, const std::string& key)
{
    return Text(params ? static_cast<const char*>(g_hash_table_lookup(params, key.c_str())) : nullptr);
}

}  // namespace

std::unique_ptr<CGtkWebView> CGtkWebView::Create(GtkFixed* container, const WebViewParams& params)
{
    if (container == nullptr)
        return nullptr;
    return std::unique_ptr<CGtkWebView>(new CGtkWebView(container, params));
}

CGtkWebView::CGtkWebView(GtkFixed* container, const WebViewParams& params) : m_container(container), m_events(params.events)
{
    g_object_ref(m_container);
    m_content = webkit_user_content_manager_new();
    m_view = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", CGtkWebEngine::Get().Context(),
                                          "user-content-manager", m_content, nullptr));
    g_object_ref_sink(m_view);
    g_object_set_data(G_OBJECT(m_view), kViewKey, this);
    WebKitSettings* settings = webkit_web_view_get_settings(m_view);
    // Script may ask for windows; whether anything opens is the host's decision (NewWindow3).
    webkit_settings_set_javascript_can_open_windows_automatically(settings, TRUE);
    webkit_settings_set_enable_developer_extras(settings, FALSE);

    g_signal_connect(m_view, "decide-policy", G_CALLBACK(OnDecidePolicy), this);
    g_signal_connect(m_view, "create", G_CALLBACK(OnCreate), this);
    g_signal_connect(m_view, "load-changed", G_CALLBACK(OnLoadChanged), this);
    g_signal_connect(m_view, "load-failed", G_CALLBACK(OnLoadFailed), this);
    g_signal_connect(m_view, "notify::title", G_CALLBACK(OnTitle), this);
    g_signal_connect(m_view, "close", G_CALLBACK(OnClose), this);
    g_signal_connect(m_view, "context-menu", G_CALLBACK(OnContextMenu), this);
    g_signal_connect(m_view, "script-dialog", G_CALLBACK(OnScriptDialog), this);
    g_signal_connect(m_content, "script-message-received::velmoorExternal", G_CALLBACK(OnScriptMessage), this);

    gtk_fixed_put(m_container, GTK_WIDGET(m_view), params.rect.left, params.rect.top);
    SetBounds(params.rect);
    gtk_widget_set_can_focus(GTK_WIDGET(m_view), TRUE);
    gtk_widget_show(GTK_WIDGET(m_view));
    gtk_widget_grab_focus(GTK_WIDGET(m_view));
}

CGtkWebView::~CGtkWebView()
{
    g_signal_handlers_disconnect_by_data(m_view, this);
    g_signal_handlers_disconnect_by_data(m_content, this);
    g_object_set_data(G_OBJECT(m_view), kViewKey, nullptr);
    webkit_web_view_stop_loading(m_view);
    webkit_user_content_manager_unregister_script_message_handler(m_content, CGtkWebEngine::kMessageHandler);
    gtk_widget_destroy(GTK_WIDGET(m_view));
    g_object_unref(m_view);
    g_object_unref(m_content);
    g_object_unref(m_container);
}

CGtkWebView* CGtkWebView::FromWidget(WebKitWebView* view)
{
    return view ? static_cast<CGtkWebView*>(g_object_get_data(G_OBJECT(view), kViewKey)) : nullptr;
}

void CGtkWebView::SetHost(IWebViewHost* host)
{
    m_host = host;
    ApplyHost();
}

void CGtkWebView::ApplyHost()
{
    webkit_user_content_manager_remove_all_scripts(m_content);
    webkit_user_content_manager_remove_all_style_sheets(m_content);
    webkit_user_content_manager_unregister_script_message_handler(m_content, CGtkWebEngine::kMessageHandler);
    if (m_host == nullptr)
        return;
    if (m_host->HasExternal()) {
        webkit_user_content_manager_register_script_message_handler(m_content, CGtkWebEngine::kMessageHandler);
        WebKitUserScript* script = webkit_user_script_new(kExternalScript, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                                                          WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
        webkit_user_content_manager_add_script(m_content, script);
        webkit_user_script_unref(script);
    }
    // The 3-D border (flag 4) has no counterpart: the engine's view never draws one.
    if (m_host->HostFlags() & 8u) {
        WebKitUserStyleSheet* sheet =
            webkit_user_style_sheet_new(kNoScrollSheet, WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
                                        WEBKIT_USER_STYLE_LEVEL_USER, nullptr, nullptr);
        webkit_user_content_manager_add_style_sheet(m_content, sheet);
        webkit_user_style_sheet_unref(sheet);
    }
}

void CGtkWebView::Navigate2(const std::string& url)
{
    webkit_web_view_load_uri(m_view, url.c_str());
}

void CGtkWebView::Refresh()
{
    webkit_web_view_reload(m_view);
}

void CGtkWebView::Stop()
{
    webkit_web_view_stop_loading(m_view);
}

void CGtkWebView::SetBounds(const RECT& rect)
{
    // A child window is clipped by its parent; a GTK child would grow the parent instead, so the
    // view keeps to the window's current size.
    int width = rect.Width();
    int height = rect.Height();
    GtkWidget* top = gtk_widget_get_toplevel(GTK_WIDGET(m_container));
    if (GTK_IS_WINDOW(top)) {
        int topWidth = 0;
        int topHeight = 0;
        gtk_window_get_size(GTK_WINDOW(top), &topWidth, &topHeight);
        width = std::min(width, topWidth - rect.left);
        height = std::min(height, topHeight - rect.top);
    }
    gtk_fixed_move(m_container, GTK_WIDGET(m_view), rect.left, rect.top);
    gtk_widget_set_size_request(GTK_WIDGET(m_view), std::max(1, width), std::max(1, height));
}

std::string CGtkWebView::CurrentUrl() const
{
    return Text(webkit_web_view_get_uri(m_view));
}

bool CGtkWebView::EvaluateScript(const std::string& script, std::string& result)
{
    struct Wait {
        bool done = false;
        bool ok = false;
        std::string value;
    } wait;
    webkit_web_view_evaluate_javascript(
        m_view, script.c_str(), -1, nullptr, nullptr, nullptr,
        [](GObject* source, GAsyncResult* res, gpointer data) {
            auto* w = static_cast<Wait*>(data);
            GError* error = nullptr;
            JSCValue* value = webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), res, &error);
            if (value != nullptr) {
                w->ok = true;
                if (!jsc_value_is_undefined(value)) {
                    char* text = jsc_value_to_string(value);
                    w->value = Text(text);
                    g_free(text);
                }
                g_object_unref(value);
            } else {
                w->value = error ? Text(error->message) : std::string();
            }
            if (error)
                g_error_free(error);
            w->done = true;
        },
        &wait);
    // The answer comes back through the main loop; the page may call the program meanwhile.
    const gint64 deadline = g_get_monotonic_time() + 60 * G_USEC_PER_SEC;
    while (!wait.done && g_get_monotonic_time() < deadline)
        g_main_context_iteration(nullptr, TRUE);
    result = wait.value;
    return wait.done && wait.ok;
}

std::string CGtkWebView::Call(const std::string& name, const std::vector<std::string>& args)
{
    if (m_host == nullptr || !m_host->HasExternal())
        return "0";
    std::string value;
    bool hasResult = false;
    if (!m_host->CallExternal(name, args, value, hasResult))
        return "0";
    return hasResult ? "2" + value : "1";
}

std::string CGtkWebView::AnswerBridgeRequest(const std::string& path, const std::string& uri)
{
    GUri* parsed = g_uri_parse(uri.c_str(), G_URI_FLAGS_ENCODED_QUERY, nullptr);
    const char* query = parsed ? g_uri_get_query(parsed) : nullptr;
    GHashTable* params = query ? g_uri_parse_params(query, -1, "&", G_URI_PARAMS_NONE, nullptr) : nullptr;
    const std::string name = QueryValue(params, "n");
    std::string reply = "0";
    if (path == "/lookup") {
        reply = m_host && m_host->HasExternal() && m_host->HasExternalMethod(name) ? "1" : "0";
    } else if (path == "/call") {
        std::vector<std::string> args;
        const int count = std::atoi(QueryValue(params, "c").c_str());
        for (int i = 0; i < count && i < 64; ++i)
            args.push_back(QueryValue(params, "a" + std::to_string(i)));
        reply = Call(name, args);
    }
    if (params)
        g_hash_table_unref(params);
    if (parsed)
        g_uri_unref(parsed);
    return reply;
}

gboolean CGtkWebView::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type, gpointer self)
{
    auto* me = static_cast<CGtkWebView*>(self);
    if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE)
        return FALSE;
    WebKitNavigationAction* action =
        webkit_navigation_policy_decision_get_navigation_action(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
    const std::string url = Text(webkit_uri_request_get_uri(webkit_navigation_action_get_request(action)));
    g_object_ref(decision);  // the host may tear the view down from inside its handler
    if (type == WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) {
        bool cancel = false;
        if (me->m_events)
            me->m_events->OnNewWindow3(cancel, url);
        // The program never opens engine windows of its own; a request left uncancelled opens
        // nothing either.
        webkit_policy_decision_ignore(decision);
    } else {
        if (me->m_events)
            me->m_events->OnBeforeNavigate2(url);
        webkit_policy_decision_use(decision);
    }
    g_object_unref(decision);
    return TRUE;
}

GtkWidget* CGtkWebView::OnCreate(WebKitWebView*, WebKitNavigationAction* action, gpointer self)
{
    auto* me = static_cast<CGtkWebView*>(self);
    const std::string url = Text(webkit_uri_request_get_uri(webkit_navigation_action_get_request(action)));
    bool cancel = false;
    if (me->m_events)
        me->m_events->OnNewWindow3(cancel, url);
    return nullptr;
}

void CGtkWebView::OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer self)
{
    auto* me = static_cast<CGtkWebView*>(self);
    const std::string url = Text(webkit_web_view_get_uri(view));
    switch (event) {
    case WEBKIT_LOAD_STARTED: me->m_noDocument = false; break;
    case WEBKIT_LOAD_COMMITTED:
        if (me->m_events)
            me->m_events->OnNavigateComplete2(url);
        break;
    case WEBKIT_LOAD_FINISHED:
        if (me->m_events)
            me->m_events->OnDocumentComplete(url, !me->m_noDocument);
        break;
    default: break;
    }
}

namespace {

// Shown in place of the engine's plain error text when a page cannot be reached; the failed
// address stays the page's address, and the button loads it again.
std::string UnreachablePage(const char* uri)
{
    gchar* target = g_markup_escape_text(uri ? uri : "", -1);
    std::string html =
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
        "html,body{margin:0;height:100%;background:#0b1030;color:#d9dcf0;font:14px sans-serif;overflow:hidden}"
        "div{position:absolute;top:50%;left:0;right:0;transform:translateY(-50%);text-align:center}"
        "h1{color:#f0d27a;font-size:18px;font-weight:normal;margin:0 0 12px}p{margin:4px 0 18px;color:#9aa0c8}"
        "a{background:#2a3470;color:#f0d27a;border:1px solid #f0d27a;border-radius:4px;padding:6px 18px;"
        "text-decoration:none}a:hover{background:#3a4690}"
        "</style></head><body><div><h1>无法连接到服务器</h1><p>请检查网络连接后重试。</p>"
        "<a href=\"";
    html += target;
    html += "\">重新连接</a></div></body></html>";
    g_free(target);
    return html;
}

}  // namespace

gboolean CGtkWebView::OnLoadFailed(WebKitWebView* view, WebKitLoadEvent, gchar* uri, GError* error, gpointer self)
{
    // A load given up (stopped, replaced by another) leaves no document; a failed one shows an
    // error page, which is a document.
    if (g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED) ||
        g_error_matches(error, WEBKIT_POLICY_ERROR, WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE)) {
        static_cast<CGtkWebView*>(self)->m_noDocument = true;
        return FALSE;
    }
    if (error->domain == WEBKIT_NETWORK_ERROR || error->domain == G_IO_ERROR || error->domain == G_RESOLVER_ERROR ||
        error->domain == G_TLS_ERROR) {
        webkit_web_view_load_alternate_html(view, UnreachablePage(uri).c_str(), uri, nullptr);
        return TRUE;
    }
    return FALSE;
}

void CGtkWebView::OnTitle(GObject* object, GParamSpec*, gpointer self)
{
    auto* me = static_cast<CGtkWebView*>(self);
    if (me->m_events)
        me->m_events->OnTitleChange(Text(webkit_web_view_get_title(WEBKIT_WEB_VIEW(object))));
}

void CGtkWebView::OnClose(WebKitWebView*, gpointer self)
{
    auto* me = static_cast<CGtkWebView*>(self);
    if (me->m_events)
        me->m_events->OnWindowClosing();
}

gboolean CGtkWebView::OnContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult*, gpointer self)
{
    auto* me = static_cast<CGtkWebView*>(self);
    return me->m_host != nullptr && me->m_host->SuppressContextMenu() ? TRUE : FALSE;
}

gboolean CGtkWebView::OnScriptDialog(WebKitWebView*, WebKitScriptDialog*, gpointer self)
{
    // Silent: the dialog counts as handled and nothing is shown (a confirm answers cancel).
    return static_cast<CGtkWebView*>(self)->m_silent ? TRUE : FALSE;
}

void CGtkWebView::OnScriptMessage(WebKitUserContentManager*, WebKitJavascriptResult* message, gpointer self)
{
    auto* me = static_cast<CGtkWebView*>(self);
    JSCValue* value = webkit_javascript_result_get_js_value(message);
    if (!jsc_value_is_object(value))
        return;
    JSCValue* nameValue = jsc_value_object_get_property(value, "n");
    JSCValue* argsValue = jsc_value_object_get_property(value, "a");
    char* name = jsc_value_to_string(nameValue);
    std::vector<std::string> args;
    if (jsc_value_is_array(argsValue)) {
        JSCValue* length = jsc_value_object_get_property(argsValue, "length");
        const int count = jsc_value_to_int32(length);
        g_object_unref(length);
        for (int i = 0; i < count && i < 64; ++i) {
            JSCValue* arg = jsc_value_object_get_property_at_index(argsValue, static_cast<guint>(i));
            char* text = jsc_value_to_string(arg);
            args.push_back(Text(text));
            g_free(text);
            g_object_unref(arg);
        }
    }
    const std::string callName = Text(name);
    g_free(name);
    g_object_unref(nameValue);
    g_object_unref(argsValue);
    me->Call(callName, args);
}

}  // namespace velmoor
