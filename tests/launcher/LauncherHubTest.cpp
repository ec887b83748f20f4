#include "LauncherFixture.h"

#include "support/NetworkState.h"
#include "ui/game/CVavedGame.h"
#include "platform/headless/CHeadlessWebView.h"
#include "ui/launcher/CWebDlg.h"

namespace velmoor::test {
namespace {

class LauncherHub : public LauncherFixture {
protected:
    void TearDown() override
    {
        SetNetworkProbe({});
        LauncherFixture::TearDown();
    }
};

TEST_F(LauncherHub, BossKeyTogglesTheLauncherWithoutAGame)
{
    Open();
    ASSERT_TRUE(platform->IsHotKeyRegistered(0, VK_F10));
    platform->PressHotKey(0, VK_F10);
    EXPECT_FALSE(launcher->IsWindowVisible());
    platform->PressHotKey(0, VK_F10);
    EXPECT_TRUE(launcher->IsWindowVisible());
    EXPECT_GT(Native().Foregrounds(), 0);
}

TEST_F(LauncherHub, BossKeyWithModifiersIsRegisteredWithTheirSystemFlags)
{
    // shift 1, control 2, alt 4 in the stored value; MOD_SHIFT 4, MOD_CONTROL 2, MOD_ALT 1 when registered.
    WriteSettings("[tavu]\nstart=1\nhotkey=" + std::to_string((5 << 16) | 'Q') + "\n");
    Open();
    EXPECT_TRUE(platform->IsHotKeyRegistered(MOD_SHIFT | MOD_ALT, 'Q'));
}

TEST_F(LauncherHub, ATakenBossKeyIsIgnored)
{
    platform->MarkHotKeyTaken(0, VK_F10);
    Open();
    EXPECT_EQ(platform->RegisteredHotKeyCount(), 0u);
    EXPECT_TRUE(launcher->IsWindowVisible());
}

TEST_F(LauncherHub, GameOpenHidesTheLauncherAndReusesAnOpenGame)
{
    Open();
    launcher->GameUrl = "http://127.0.0.1:9/game/play/";
    launcher->ServerName = "Server A";
    launcher->SendMessage(WM_GAME_OPEN);
    ASSERT_NE(launcher->GameWindow, nullptr);
    CVavedGame* game = launcher->GameWindow.get();
    EXPECT_TRUE(game->IsWindowVisible());
    EXPECT_TRUE(game->IsZoomed()) << "opens maximised while MaximisedGame is set";
    EXPECT_FALSE(launcher->IsWindowVisible());

    launcher->ShowWindow(SW_SHOW);
    launcher->SendMessage(WM_GAME_OPEN);
    EXPECT_EQ(launcher->GameWindow.get(), game);
    EXPECT_FALSE(launcher->IsWindowVisible());

    // With a game open the boss key toggles only the game window.
    platform->PressHotKey(0, VK_F10);
    EXPECT_FALSE(game->IsWindowVisible());
    EXPECT_FALSE(launcher->IsWindowVisible());
    platform->PressHotKey(0, VK_F10);
    EXPECT_TRUE(game->IsWindowVisible());

    launcher->PostMessage(WM_GAME_EXIT);
    platform->PumpMessages();
    EXPECT_EQ(launcher->GameWindow, nullptr);
    EXPECT_TRUE(launcher->IsWindowVisible());
}

TEST_F(LauncherHub, VipUserInfoReachesOnlyAnOpenGame)
{
    Open();
    launcher->VipUserText = "u|1|2";
    launcher->PostMessage(WM_VIP_USERINFO);
    platform->PumpMessages();  // no game: nothing happens
    launcher->MaximisedGame = 0;
    launcher->SendMessage(WM_GAME_OPEN);
    ASSERT_NE(launcher->GameWindow, nullptr);
    EXPECT_FALSE(launcher->GameWindow->IsZoomed());
    launcher->VipUserText.clear();
    launcher->PostMessage(WM_VIP_USERINFO);
    platform->PumpMessages();
    EXPECT_EQ(launcher->GameWindow->VipInfo(), "");
    launcher->VipUserText = "u|1|2";
    launcher->PostMessage(WM_VIP_USERINFO);
    platform->PumpMessages();
    EXPECT_EQ(launcher->GameWindow->VipInfo(), "u|1|2");
}

TEST_F(LauncherHub, HiddenStartMakesTheAccessDialogAtTheFirstShowing)
{
    Open(CMainWnd::kStartHidden);
    EXPECT_EQ(launcher->AccessDialog, nullptr);
    platform->PressHotKey(0, VK_F10);
    EXPECT_TRUE(launcher->IsWindowVisible());
    ASSERT_NE(launcher->AccessDialog, nullptr);
    EXPECT_EQ(launcher->AccessDialogCreated, 1);
    EXPECT_FALSE(launcher->AccessDialog->IsWindowVisible()) << "waits for its first page";
}

TEST_F(LauncherHub, AccessDialogFollowsTheLauncher)
{
    Open();
    ASSERT_NE(launcher->AccessDialog, nullptr);
    launcher->MoveWindow(100, 50, 1200, 815);
    RECT r;
    launcher->AccessDialog->GetWindowRect(r);
    EXPECT_EQ(r.left, 100 + 471);
    EXPECT_EQ(r.top, 50 + 227);
    EXPECT_EQ(r.Width(), 546);
    EXPECT_EQ(r.Height(), 384);
    launcher->PageLoadPending = 0;
    launcher->ShowWindow(SW_HIDE);
    EXPECT_FALSE(launcher->AccessDialog->IsWindowVisible());
    launcher->ShowWindow(SW_SHOW);
    EXPECT_TRUE(launcher->AccessDialog->IsWindowVisible());
}

TEST_F(LauncherHub, TimersAreOneShotAndTheDateIsStampedOnce)
{
    bool network = false;
    SetNetworkProbe([&] { return network; });
    Open();
    const HWND h = launcher->GetSafeHwnd();
    EXPECT_EQ(platform->TimerDueIn(h, 1105), 10000);
    EXPECT_EQ(platform->TimerDueIn(h, 1103), 300000);
    platform->AdvanceClock(10000);
    EXPECT_FALSE(platform->IsTimerSet(h, 1105));
    platform->AdvanceClock(290000);
    EXPECT_NE(Setting("nYear"), "<absent>");
    const std::string year = Setting("nYear");
    EXPECT_EQ(year.size(), 4u);
    EXPECT_EQ(platform->TimerDueIn(h, 1103), 120000) << "network down: again in two minutes";
    CIniFile::WriteString(SettingsPath(), "tavu", "nYear", "1999");
    platform->AdvanceClock(120000);
    EXPECT_EQ(Setting("nYear"), "1999") << "a set year is never rewritten";
    network = true;
    platform->AdvanceClock(120000);
    EXPECT_FALSE(platform->IsTimerSet(h, 1103));
}

}  // namespace
}  // namespace velmoor::test

namespace velmoor::test {
namespace {

class GameWindowTest : public LauncherFixture {
protected:
    CVavedGame& OpenGame()
    {
        Open();
        platform->SetMainWindow(launcher->GetSafeHwnd());
        launcher->GameUrl = "http://127.0.0.1:9/game/play/?sid=4";
        launcher->ServerName = "S4";
        launcher->SendMessage(WM_GAME_OPEN);
        return *launcher->GameWindow;
    }
    CHeadlessWebView* GameView() { return platform->WebView(CVavedGame::kBrowserId); }
};

TEST_F(GameWindowTest, PlaysTheGameAddressWithoutABridge)
{
    CVavedGame& game = OpenGame();
    EXPECT_EQ(game.GetWindowText(), "Velmoor--S4(F9刷新)");
    CHeadlessWebView* view = GameView();
    ASSERT_NE(view, nullptr);
    ASSERT_FALSE(view->Navigations().empty());
    EXPECT_EQ(view->Navigations().front(), "http://127.0.0.1:9/game/play/?sid=4");
    EXPECT_TRUE(view->Silent());
    EXPECT_FALSE(view->ScriptCall("WD_JAPI", {"getApiVersion"})) << "game pages have no window.external";
    EXPECT_EQ(view->Host()->HostFlags(), 12u) << "no border, no scroll bars";
    platform->KeyDown(game, VK_F9);
    EXPECT_EQ(view->Refreshes(), 1);
}

TEST_F(GameWindowTest, TitleBarCloseLeavesTheGameOnlyAfterConfirmation)
{
    CVavedGame& game = OpenGame();
    platform->ScriptAnswer(IDCANCEL);
    game.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    platform->PumpMessages();
    ASSERT_NE(launcher->GameWindow, nullptr);
    EXPECT_EQ(platform->ShownBoxes().back().text, "确定要退出当前正在玩的游戏吗？");
    platform->ScriptAnswer(IDOK);
    game.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    platform->PumpMessages();
    EXPECT_EQ(launcher->GameWindow, nullptr);
    EXPECT_TRUE(launcher->IsWindowVisible());
}

}  // namespace
}  // namespace velmoor::test
