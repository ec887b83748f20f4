#include "ui/game/CVavedGame.h"

namespace velmoor {

CVavedGame* g_pGameWnd = nullptr;

CVavedGame::CVavedGame()
{
    g_pGameWnd = this;
}

CVavedGame::~CVavedGame()
{
    if (IsWindow())
        DestroyWindow();
    if (g_pGameWnd == this)
        g_pGameWnd = nullptr;
}

bool CVavedGame::Create(const std::string& gameUrl, const std::string& serverName)
{
    const std::string title = "Velmoor--" + serverName + "(F9刷新)";
    return CreateEx(0, title, WS_POPUP | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                    {100, 100, 900, 600}, kNoWindow, 0);
}

void CVavedGame::SetVipInfo(const std::string& text)
{
    m_vipInfo = text;
}

}  // namespace velmoor
