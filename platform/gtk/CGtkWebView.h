#pragma once
#include <memory>
#include <string>
#include <vector>

#include <webkit2/webkit2.h>

#include "platform/IWebView.h"

namespace velmoor {

// A WebKitGTK view inside a program window's fixed container. It asks its host, as the browser
// control asks its client site, whether to show a context menu, how to frame the page and which
// `window.external` the page gets, and reports the control's events to the hosting window.
class CGtkWebView : public IWebView {
public:
    // Null when `parent` has no GTK window to hold the view.
    static std::unique_ptr<CGtkWebView> Create(GtkFixed* container, const WebViewParams& params);
    ~CGtkWebView() override;
    CGtkWebView(const CGtkWebView&) = delete;
    CGtkWebView& operator=(const CGtkWebView&) = delete;

    static CGtkWebView* FromWidget(WebKitWebView* view);

    void SetHost(IWebViewHost* host) override;
    void SetSilent(bool silent) override { m_silent = silent; }
    void Navigate2(const std::string& url) override;
    void Refresh() override;
    void Stop() override;
    void SetBounds(const RECT& rect) override;
    std::string CurrentUrl() const override;
    bool TranslateAccelerator(const MSG&) override { return false; }  // unreserved keys reach the view itself
    bool EvaluateScript(const std::string& script, std::string& result) override;

    // The bridge scheme's answer for one request from this view's pages: "0" unknown or failed,
    // "1" done without a value, "2" followed by the returned string.
    std::string AnswerBridgeRequest(const std::string& path, const std::string& uri);

private:
    CGtkWebView(GtkFixed* container, const WebViewParams& params);
    void ApplyHost();
    std::string Call(const std::string& name, const std::vector<std::string>& args);

    static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision, WebKitPolicyDecisionType type, gpointer self);
    static GtkWidget* OnCreate(WebKitWebView*, WebKitNavigationAction* action, gpointer self);
    static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer self);
    static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar*, GError* error, gpointer self);
    static void OnTitle(GObject*, GParamSpec*, gpointer self);
    static void OnClose(WebKitWebView*, gpointer self);
    static gboolean OnContextMenu(WebKitWebView*, WebKitContextMenu*, GdkEvent*, WebKitHitTestResult*, gpointer self);
    static gboolean OnScriptDialog(WebKitWebView*, WebKitScriptDialog*, gpointer self);
    static void OnScriptMessage(WebKitUserContentManager*, WebKitJavascriptResult* message, gpointer self);

    GtkFixed* m_container;
    WebKitUserContentManager* m_content = nullptr;
    WebKitWebView* m_view = nullptr;
    IWebViewEvents* m_events;
    IWebViewHost* m_host = nullptr;
    bool m_silent = false;
    bool m_noDocument = false;
};

}  // namespace velmoor
