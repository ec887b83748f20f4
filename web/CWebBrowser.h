#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/CWnd.h"
#include "platform/IWebView.h"

namespace velmoor {

class CWebCtrlInterFace;
class IDispatch;

// The browser control inside a hosting window: the engine's view at the window's client
// coordinates, with the program's client site in place of the control's own. When the engine
// asks about the context menu, the frame or `window.external`, the answer comes from the site,
// in the shapes the control's client site gives it.
class CWebBrowser : public IWebViewHost {
public:
    static constexpr UINT kStyleChildVisible = 0x50000000;

    CWebBrowser() = default;
    ~CWebBrowser();
    CWebBrowser(const CWebBrowser&) = delete;
    CWebBrowser& operator=(const CWebBrowser&) = delete;

    // The control's creation; false when the engine cannot give a view.
    BOOL CreateControl(CWnd& parent, const RECT& rect, UINT id, IWebViewEvents* events);
    bool IsWindow() const { return m_view != nullptr; }
    UINT GetDlgCtrlID() const { return m_id; }
    // The control's automation side (null before creation and after destruction).
    IWebView* Control() const { return m_view.get(); }
    // Makes `site` the control's client site; the control holds a reference until it goes.
    bool InstallClientSite(CWebCtrlInterFace* site);
    CWebCtrlInterFace* ClientSite() const { return m_site; }
    void MoveWindow(const RECT& rect);
    // Destroys the control and lets its client site go.
    void DestroyWindow();

    // The two automation calls the control wraps.
    void SetSilent(bool silent);
    void Navigate(const std::string& url);

    // IWebViewHost: the engine asks, the client site answers.
    bool SuppressContextMenu() override;
    DWORD HostFlags() override;
    bool HasExternal() override;
    bool HasExternalMethod(const std::string& name) override;
    bool CallExternal(const std::string& name, const std::vector<std::string>& args, std::string& result,
                      bool& hasResult) override;

private:
    // `window.external` with one reference taken, or null.
    IDispatch* External();
    void ReleaseSite();

    std::unique_ptr<IWebView> m_view;
    CWebCtrlInterFace* m_site = nullptr;
    UINT m_id = 0;
};

}  // namespace velmoor
