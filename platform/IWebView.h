#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace velmoor {

// What the hosting side of a web view answers when the engine asks, as the browser control asks
// its client site: the context menu, the page's frame and scroll bars, and `window.external`.
class IWebViewHost {
public:
    // True: the host handled the menu, so the engine shows none.
    virtual bool SuppressContextMenu() = 0;
    // DOCHOSTUIFLAG_* bits: 4 no 3-D border, 8 no scroll bars.
    virtual DWORD HostFlags() = 0;
    // Whether pages get a `window.external` at all.
    virtual bool HasExternal() = 0;
    // Name lookup on `window.external` (any letter case); false: the page sees no such member.
    virtual bool HasExternalMethod(const std::string& name) = 0;
    // One call on `window.external`, arguments in script order as strings. False when the name
    // is unknown or the call failed; `hasResult` tells a returned string from no value.
    virtual bool CallExternal(const std::string& name, const std::vector<std::string>& args,
                              std::string& result, bool& hasResult) = 0;

protected:
    ~IWebViewHost() = default;
};

// The browser control's events, as a hosting window receives them.
class IWebViewEvents {
public:
    // A navigation (main frame or frame) is about to load `url`; the host may not cancel it.
    virtual void OnBeforeNavigate2(const std::string& url) {}
    // The page asks for a new window on `url`; `cancel` starts false, true keeps anything from
    // opening.
    virtual void OnNewWindow3(bool& cancel, const std::string& url) {}
    virtual void OnNavigateComplete2(const std::string& url) {}
    // A load finished; `hasDocument` is false when nothing was shown (a load given up).
    virtual void OnDocumentComplete(const std::string& url, bool hasDocument) {}
    virtual void OnTitleChange(const std::string& title) {}
    // Page script closed its window.
    virtual void OnWindowClosing() {}

protected:
    ~IWebViewEvents() = default;
};

struct WebViewParams {
    RECT rect;  // in the parent's client coordinates
    UINT id = 0;
    IWebViewEvents* events = nullptr;  // not owned; outlives the view
};

// A web engine view embedded in a program window at client coordinates.
class IWebView {
public:
    virtual ~IWebView() = default;

    // The host answers the engine's questions from now on (null: engine defaults). Takes effect
    // for the pages loaded after the call.
    virtual void SetHost(IWebViewHost* host) = 0;
    // No dialogs from the engine itself (script alerts, errors).
    virtual void SetSilent(bool silent) = 0;
    virtual void Navigate2(const std::string& url) = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    virtual void SetBounds(const RECT& rect) = 0;
    virtual std::string CurrentUrl() const = 0;
    // Offers a key to the page's own accelerators (the control's TranslateAccelerator).
    virtual bool TranslateAccelerator(const MSG& msg) = 0;
    // Runs script in the page and waits for its value as text; false when it threw or the
    // engine could not run it. For tests and tools.
    virtual bool EvaluateScript(const std::string& script, std::string& result) = 0;
};

}  // namespace velmoor
