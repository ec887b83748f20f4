#include "ui/game/CVavedGame.h"

#include "platform/CPlatform.h"
#include "platform/MessageBox.h"
#include "web/CWebCtrlInterFace.h"

namespace velmoor {

CVavedGame* g_pGameWnd = nullptr;

std::string GameWindowTitle(const std::string& serverName)
{
    return "Velmoor--" + serverName + "(F9刷新)";
}

CVavedGame::CVavedGame()
{
    m_host = new CWebCtrlInterFace(true);  // no scroll bars, and no bridge: game pages get no window.external
    m_host->AddRef();
    g_pGameWnd = this;
}

CVavedGame::~CVavedGame()
{
    ReleaseBrowser();
    if (IsWindow())
        DestroyWindow();
    if (g_pGameWnd == this)
        g_pGameWnd = nullptr;
}

bool CVavedGame::Create(const std::string& gameUrl, const std::string& serverName)
{
    m_gameUrl = gameUrl;
    const SIZE screen = Platform().ScreenSize();
    const int w = 1280 < screen.cx ? 1280 : screen.cx;
    const int h = 800 < screen.cy ? 800 : screen.cy;
    const int x = (screen.cx - w) / 2;
    const int y = (screen.cy - h) / 2;
    return CreateEx(0, GameWindowTitle(serverName),
                    WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                    {x, y, x + w, y + h}, kNoWindow, 0);
}

int CVavedGame::OnCreate()
{
    RECT client;
    GetClientRect(client);
    if (!m_browser.CreateControl(*this, client, kBrowserId, this))
        return 0;  // the window stays, without a page; closing it still takes the player back
    m_browser.InstallClientSite(m_host);
    m_browser.Navigate(m_gameUrl);
    m_browser.SetSilent(true);
    return 0;
}

void CVavedGame::OnSize(UINT, int cx, int cy)
{
    if (m_browser.IsWindow())
        m_browser.MoveWindow({0, 0, cx, cy});
}

BOOL CVavedGame::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F9) {
        if (m_browser.Control() != nullptr)
            m_browser.Control()->Refresh();
        return TRUE;
    }
    return CWnd::PreTranslateMessage(msg);
}

void CVavedGame::OnSysCommand(UINT id, LPARAM lParam)
{
    // The title bar's close leaves the game after a confirmation; the launcher then closes and
    // deletes this window (WM_CLOSE is the tear-down).
    if ((id & 0xFFF0) != SC_CLOSE) {
        CWnd::OnSysCommand(id, lParam);
        return;
    }
    if (MessageBox("确定要退出当前正在玩的游戏吗？", "退出提示", MB_OKCANCEL | MB_ICONQUESTION) == IDOK)
        Platform().Post({Platform().MainWindow(), WM_GAME_EXIT, 0, 0});
}

void CVavedGame::OnClose()
{
    ReleaseBrowser();
    DestroyWindow();
}

void CVavedGame::ReleaseBrowser()
{
    if (m_browser.Control() != nullptr)
        m_browser.Control()->Stop();
    m_browser.DestroyWindow();
    if (m_host != nullptr) {
        CWebCtrlInterFace* host = m_host;
        m_host = nullptr;
        host->Release();
    }
}

void CVavedGame::SetVipInfo(const std::string& text)
{
    m_vipInfo = text;
}

}  // namespace velmoor
