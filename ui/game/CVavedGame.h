#pragma once
#include <string>

#include "platform/CWnd.h"
#include "platform/IWebView.h"
#include "web/CWebBrowser.h"

namespace velmoor {

class CWebCtrlInterFace;

// The game window: the game's page in a window of its own. For now a plain resizable window with
// the system's title bar ("<product>--<server>(F9刷新)"); its pages get no `window.external`.
// Its title bar's close asks and then lets the launcher take the player back (WM_GAME_EXIT);
// F9 reloads the game.
class CVavedGame : public CWnd, private IWebViewEvents {
public:
    static constexpr UINT kBrowserId = 120;

    CVavedGame();
    ~CVavedGame() override;

    // Creates the window for the launcher's game address and server name.
    bool Create(const std::string& gameUrl, const std::string& serverName);
    // Takes the customer-service user record the access page handed over.
    void SetVipInfo(const std::string& text);
    const std::string& VipInfo() const { return m_vipInfo; }
    const std::string& GameUrl() const { return m_gameUrl; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    int OnCreate() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnClose() override;
    void OnSysCommand(UINT id, LPARAM lParam) override;

private:
    void ReleaseBrowser();

    CWebBrowser m_browser;
    CWebCtrlInterFace* m_host = nullptr;  // reference counted: deletes itself at the last release
    std::string m_gameUrl;
    std::string m_vipInfo;
};

extern CVavedGame* g_pGameWnd;

// "<product>--<server>(F9刷新)".
std::string GameWindowTitle(const std::string& serverName);

}  // namespace velmoor
