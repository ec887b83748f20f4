#include "platform/gtk/CGtkWebEngine.h"

#include <memory>

#include "platform/gtk/CGtkWebView.h"

namespace velmoor {

namespace {

std::string UserFolder(const char* variable, const char* fallbackBelowHome)
{
    const char* value = g_getenv(variable);
    if (value != nullptr && g_path_is_absolute(value))
        return value;
    return std::string(g_get_home_dir()) + "/" + fallbackBelowHome;
}

}  // namespace

CGtkWebEngine& CGtkWebEngine::Get()
{
    static CGtkWebEngine* engine = new CGtkWebEngine();  // lives as long as the process's views
    return *engine;
}

CGtkWebEngine::CGtkWebEngine()
{
    const std::string data = UserFolder("XDG_DATA_HOME", ".local/share") + "/velmoor/webdata";
    m_cacheFolder = UserFolder("XDG_CACHE_HOME", ".cache") + "/velmoor/webcache";
    WebKitWebsiteDataManager* manager = webkit_website_data_manager_new(
        "base-data-directory", data.c_str(), "base-cache-directory", m_cacheFolder.c_str(), nullptr);
    m_context = webkit_web_context_new_with_website_data_manager(manager);
    // Cookies in a file of their own so that a log-in outlives the run.
    WebKitCookieManager* cookies = webkit_website_data_manager_get_cookie_manager(manager);
    const std::string cookieFile = data + "/cookies.sqlite";
    g_mkdir_with_parents(data.c_str(), 0700);
    webkit_cookie_manager_set_persistent_storage(cookies, cookieFile.c_str(), WEBKIT_COOKIE_PERSISTENT_STORAGE_SQLITE);
    g_object_unref(manager);
    webkit_web_context_set_cache_model(m_context, WEBKIT_CACHE_MODEL_WEB_BROWSER);

    webkit_web_context_register_uri_scheme(m_context, kBridgeScheme, OnBridgeRequest, nullptr, nullptr);
    WebKitSecurityManager* security = webkit_web_context_get_security_manager(m_context);
    // Pages on https call it too, and their requests carry an origin of their own.
    webkit_security_manager_register_uri_scheme_as_secure(security, kBridgeScheme);
    webkit_security_manager_register_uri_scheme_as_cors_enabled(security, kBridgeScheme);
}

CGtkWebEngine::~CGtkWebEngine()
{
    g_object_unref(m_context);
}

void CGtkWebEngine::OnBridgeRequest(WebKitURISchemeRequest* request, gpointer)
{
    std::string reply = "0";
    if (CGtkWebView* view = CGtkWebView::FromWidget(webkit_uri_scheme_request_get_web_view(request)))
        reply = view->AnswerBridgeRequest(webkit_uri_scheme_request_get_path(request),
                                          webkit_uri_scheme_request_get_uri(request));
    GBytes* bytes = g_bytes_new(reply.data(), reply.size());
    GInputStream* stream = g_memory_input_stream_new_from_bytes(bytes);
    WebKitURISchemeResponse* response = webkit_uri_scheme_response_new(stream, static_cast<gint64>(reply.size()));
    webkit_uri_scheme_response_set_status(response, 200, nullptr);
    webkit_uri_scheme_response_set_content_type(response, "text/plain; charset=utf-8");
    SoupMessageHeaders* headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
    soup_message_headers_append(headers, "Access-Control-Allow-Origin", "*");
    soup_message_headers_append(headers, "Cache-Control", "no-store");
    webkit_uri_scheme_response_set_http_headers(response, headers);  // takes the headers
    webkit_uri_scheme_request_finish_with_response(request, response);
    g_object_unref(response);
    g_object_unref(stream);
    g_bytes_unref(bytes);
}

void CGtkWebEngine::ClearWebsiteData(std::function<void()> done)
{
    struct Pending {
        std::function<void()> done;
    };
    auto* pending = new Pending{std::move(done)};
    WebKitWebsiteDataManager* manager = webkit_web_context_get_website_data_manager(m_context);
    const auto types = static_cast<WebKitWebsiteDataTypes>(WEBKIT_WEBSITE_DATA_ALL & ~WEBKIT_WEBSITE_DATA_COOKIES);
    webkit_website_data_manager_clear(
        manager, types, 0, nullptr,
        [](GObject* source, GAsyncResult* result, gpointer data) {
            std::unique_ptr<Pending> p(static_cast<Pending*>(data));
            webkit_website_data_manager_clear_finish(WEBKIT_WEBSITE_DATA_MANAGER(source), result, nullptr);
            if (p->done)
                p->done();
        },
        pending);
}

}  // namespace velmoor
