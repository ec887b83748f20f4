#pragma once
#include <string>
#include <vector>

#include "platform/IWebView.h"

namespace velmoor {

// The test backend's web view: loads nothing, remembers what the program asked of it, and lets
// a test play the engine: fire its events and make the calls page script would make.
class CHeadlessWebView : public IWebView {
public:
    CHeadlessWebView(const WebViewParams& params, std::vector<CHeadlessWebView*>& registry);
    ~CHeadlessWebView() override;

    void SetHost(IWebViewHost* host) override { m_host = host; }
    void SetSilent(bool silent) override { m_silent = silent; }
    void Navigate2(const std::string& url) override;
    void Refresh() override { ++m_refreshes; }
    void Stop() override { ++m_stops; }
    void SetBounds(const RECT& rect) override { m_rect = rect; }
    std::string CurrentUrl() const override { return m_url; }
    bool TranslateAccelerator(const MSG& msg) override;
    bool EvaluateScript(const std::string& script, std::string& result) override { return false; }

    // The engine's side, played by the test.
    void FireBeforeNavigate2(const std::string& url);
    // Returns the cancel flag as the host left it.
    bool FireNewWindow3(const std::string& url);
    void FireNavigateComplete2(const std::string& url);
    void FireDocumentComplete(const std::string& url, bool hasDocument = true);
    // A navigation as the engine reports it: before, committed, finished.
    void FireLoad(const std::string& url);
    // `window.external.<name>(args)` from page script; false when the page would see it fail.
    bool ScriptCall(const std::string& name, const std::vector<std::string>& args, std::string* result = nullptr);

    // What tests look at.
    IWebViewHost* Host() const { return m_host; }
    UINT Id() const { return m_id; }
    bool Silent() const { return m_silent; }
    const RECT& Bounds() const { return m_rect; }
    const std::vector<std::string>& Navigations() const { return m_navigations; }
    int Refreshes() const { return m_refreshes; }
    int Stops() const { return m_stops; }
    const std::vector<UINT>& OfferedKeys() const { return m_offeredKeys; }

private:
    std::vector<CHeadlessWebView*>& m_registry;
    IWebViewEvents* m_events;
    IWebViewHost* m_host = nullptr;
    RECT m_rect;
    UINT m_id;
    bool m_silent = false;
    std::string m_url;
    std::vector<std::string> m_navigations;
    int m_refreshes = 0;
    int m_stops = 0;
    std::vector<UINT> m_offeredKeys;
};

}  // namespace velmoor
