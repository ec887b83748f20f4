#pragma once
#include <string>

#include "platform/CDialog.h"
#include "platform/IWebView.h"
#include "web/CWebBrowser.h"
#include "web/IJSDispatch.h"

namespace velmoor {

class CMainWnd;
class CWebCtrlInterFace;

// The access dialog: the owned pop-up over the launcher's web area that shows the portal's access
// page. Game links and the page's game-start calls become requests to the launcher to open the
// game window; other links asking for a new window go to the default browser; the page's other
// script calls hand the launcher the payment address, the service record and the registration.
class CWebDlg : public CDialog, public IJSDispatch, private IWebViewEvents {
public:
    static constexpr UINT kBrowserId = 119;

    explicit CWebDlg(CMainWnd* parent);
    ~CWebDlg() override;

    // Reloads the access page (after a game window closed).
    void Refresh();
    // Shuts the browser down and destroys the dialog (the launcher's real close).
    void ShutDown() { OnCancel(); }

    const std::string& HomeUrl() const { return m_homeUrl; }
    const std::string& LastUrl() const { return m_lastUrl; }
    CWebBrowser& Browser() { return m_browser; }

    // IJSDispatch: what the access page asks of the launcher.
    void OnOpenGameWindowNew(const std::string& a1, const std::string& a2, const std::string& a3,
                             int reserved) override;
    void OnOpenGame(const std::string& param) override;
    void OnAccountRegisterSuccess(const std::string& param) override;
    void OnShowIM(const std::string& param) override;
    void OnOpenPay(const std::string& param) override;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnSize(UINT type, int cx, int cy) override;
    // Template 117: 326 × 187 dialog units in "MS Shell Dlg" 8 pt.
    SIZE TemplateSize() const override { return {489, 304}; }

private:
    // IWebViewEvents (control id 119).
    void OnBeforeNavigate2(const std::string& url) override;
    void OnNewWindow3(bool& cancel, const std::string& url) override;
    void OnNavigateComplete2(const std::string& url) override;
    void OnDocumentComplete(const std::string& url, bool hasDocument) override;

    void NavigateHome();
    void RequestGame();
    void ReleaseBrowser();

    CWebBrowser m_browser;
    RECT m_pageRect;
    std::string m_homeUrl;
    std::string m_lastUrl;
    bool m_navigated = false;
    CWebCtrlInterFace* m_host = nullptr;
};

// The access page's address for the user ids, each percent-encoded in the query.
std::string AccessPageAddress(const std::string& uid, const std::string& suid);

// A link that starts the game: it carries "client=1" and is not the empty script link.
bool IsGameLink(const std::string& url);

// The three pieces of the page's OpenGame argument, split at "|": address, (unused), server name.
struct OpenGamePieces {
    std::string first;
    std::string second;
    std::string third;
};
OpenGamePieces SplitOpenGameArgument(const std::string& text);

}  // namespace velmoor
