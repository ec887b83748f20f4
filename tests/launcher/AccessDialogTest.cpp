#include <filesystem>
#include <string>
#include <vector>

#include "LauncherFixture.h"
#include "support/PortalAddress.h"
#include "ui/game/CVavedGame.h"
#include "ui/launcher/CWebDlg.h"

namespace velmoor::test {
namespace {

// The access dialog over a launcher on the headless backend; the test plays the web engine
// through the dialog's view (control id 119) and page script through its `window.external`.
class AccessDialog : public LauncherFixture {
protected:
    void SetUp() override
    {
        LauncherFixture::SetUp();
        Open();
        ASSERT_NE(launcher->AccessDialog, nullptr);
        view = platform->WebView(CWebDlg::kBrowserId);
        ASSERT_NE(view, nullptr);
    }

    CWebDlg& Dialog() { return *launcher->AccessDialog; }
    std::string Home() const { return PortalAddress(PortalSite::Web, "/game/s/wdAccess/?name=tavu&uid=&suid="); }
    bool GameOpened() const { return launcher->GameWindow != nullptr && !launcher->IsWindowVisible(); }
    std::filesystem::path Marker() const { return folder / "data" / "Rovevar" / "data.dat"; }

    CHeadlessWebView* view = nullptr;
};

TEST_F(AccessDialog, OpensTheAccessPageHiddenAndSilent)
{
    EXPECT_EQ(view->Navigations(), std::vector<std::string>{Home()});
    EXPECT_TRUE(view->Silent());
    EXPECT_FALSE(Dialog().IsWindowVisible());
    EXPECT_EQ(launcher->PageLoadPending, 1);
    ASSERT_NE(view->Host(), nullptr);
    EXPECT_TRUE(view->Host()->SuppressContextMenu());
    EXPECT_EQ(view->Host()->HostFlags(), 4u) << "no 3-D border, scroll bars allowed";
    EXPECT_TRUE(view->Host()->HasExternal());
}

TEST_F(AccessDialog, AccessPageAddressEscapesTheIds)
{
    struct Case {
        std::string uid, suid, query;
    };
    const std::vector<Case> cases = {
        {"12345", "678", "?name=tavu&uid=12345&suid=678"},
        {"", "", "?name=tavu&uid=&suid="},
        {"1&name=x", "a b#c", "?name=tavu&uid=1%26name%3Dx&suid=a%20b%23c"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AccessPageAddress(c.uid, c.suid), PortalAddress(PortalSite::Web, "/game/s/wdAccess/" + c.query)) << c.uid;
}

TEST_F(AccessDialog, FirstCompletedLoadWithADocumentShowsItOverTheWebArea)
{
    launcher->MoveWindow(100, 50, 1200, 815);
    view->FireDocumentComplete(Home(), false);
    EXPECT_FALSE(Dialog().IsWindowVisible()) << "a load without a document shows nothing";
    EXPECT_EQ(launcher->PageLoadPending, 1);

    view->FireLoad(Home());
    EXPECT_TRUE(Dialog().IsWindowVisible());
    EXPECT_EQ(launcher->PageLoadPending, 0);
    RECT r;
    Dialog().GetWindowRect(r);
    EXPECT_EQ(r.left, 100 + launcher->WebArea.left);
    EXPECT_EQ(r.top, 50 + launcher->WebArea.top);
    EXPECT_EQ(view->Bounds().Width(), r.Width()) << "the page fills the dialog";
    EXPECT_EQ(view->Bounds().Height(), r.Height());
}

TEST_F(AccessDialog, FirstLoadOverAHiddenLauncherWaitsForTheLauncher)
{
    launcher->ShowWindow(SW_HIDE);
    view->FireLoad(Home());
    EXPECT_FALSE(Dialog().IsWindowVisible());
    EXPECT_EQ(launcher->PageLoadPending, 0);
    launcher->ShowWindow(SW_SHOW);
    EXPECT_TRUE(Dialog().IsWindowVisible());
}

TEST_F(AccessDialog, NavigationToAGameLinkOpensTheGameAndGoesOn)
{
    view->FireBeforeNavigate2("http://x/list");
    EXPECT_EQ(launcher->GameWindow, nullptr);
    const std::string game = "http://x/game?sid=3&client=1";
    view->FireBeforeNavigate2(game);
    EXPECT_EQ(launcher->GameUrl, game);
    EXPECT_TRUE(GameOpened());
    EXPECT_EQ(Dialog().LastUrl(), game);
}

TEST_F(AccessDialog, NewWindowRequestsNeverOpenAnEngineWindow)
{
    struct Case {
        std::string url;
        bool toBrowser;
    };
    const std::vector<Case> cases = {
        {"http://127.0.0.1/forum", true},
        {"https://example.com/a?b=c", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"data:text/html,<b>x</b>", false},
        {"client://loadgame?url=http://x", false},
        {"mailto:someone@example.com", false},
    };
    for (const Case& c : cases) {
        const std::size_t before = platform->OpenedUrls().size();
        EXPECT_TRUE(view->FireNewWindow3(c.url)) << c.url;
        const bool opened = platform->OpenedUrls().size() > before;
        EXPECT_EQ(opened, c.toBrowser) << c.url;
        if (opened)
            EXPECT_EQ(platform->OpenedUrls().back(), c.url);
    }
    EXPECT_EQ(launcher->GameWindow, nullptr);
}

TEST_F(AccessDialog, NewWindowOnAGameLinkOnlyReplacesTheGameAddress)
{
    const std::string game = "http://x/game?client=1";
    EXPECT_TRUE(view->FireNewWindow3(game));
    EXPECT_EQ(launcher->GameUrl, game);
    EXPECT_TRUE(platform->OpenedUrls().empty());
    EXPECT_EQ(launcher->GameWindow, nullptr);
}

TEST_F(AccessDialog, OpenGameSplitsItsArgument)
{
    struct Case {
        std::string arg, url, server;
    };
    const std::vector<Case> cases = {
        {"http://g/1|s1|Server A", "http://g/1", "Server A"},
        {"http://g/2|s2|Server|B|C", "http://g/2", "Server|B|C"},
        {"http://g/3|Only", "http://g/3", "Only"},
        {"http://g/4", "http://g/4", ""},
        {"||", "", ""},
    };
    for (const Case& c : cases) {
        launcher->ServerName = "stale";
        ASSERT_TRUE(view->ScriptCall("WD_JAPI", {"OpenGame", c.arg})) << c.arg;
        EXPECT_EQ(launcher->GameUrl, c.url) << c.arg;
        EXPECT_EQ(launcher->ServerName, c.server) << c.arg;
        EXPECT_TRUE(GameOpened()) << "the game window is there before the call returns";
    }
}

TEST_F(AccessDialog, OpenGameWindowNewTakesTheFirstAndThirdArguments)
{
    ASSERT_TRUE(view->ScriptCall("opengamewindownew", {"http://g/9", "s9", "Server Nine", "0"}));
    EXPECT_EQ(launcher->GameUrl, "http://g/9");
    EXPECT_EQ(launcher->ServerName, "Server Nine");
    EXPECT_TRUE(GameOpened());
}

TEST_F(AccessDialog, ScriptQueriesAnswerAndUnknownNamesFail)
{
    std::string value;
    EXPECT_TRUE(view->ScriptCall("WD_JAPI", {"getApiVersion"}, &value));
    EXPECT_EQ(value, "1");
    EXPECT_TRUE(view->ScriptCall("wd_japi", {"getClientVersion"}, &value));
    EXPECT_EQ(value, "1001");
    EXPECT_FALSE(view->ScriptCall("NoSuchMethod", {}));
    EXPECT_TRUE(view->ScriptCall("WD_JAPI", {}, &value)) << "too few arguments read as empty";
    EXPECT_EQ(launcher->GameWindow, nullptr);
}

TEST_F(AccessDialog, RegistrationIsRecordedOnceForOneOrTwo)
{
    ASSERT_TRUE(view->ScriptCall("WD_JAPI", {"AccountRegisterSuccess", "3"}));
    EXPECT_FALSE(std::filesystem::exists(Marker()));
    EXPECT_EQ(launcher->RegistrationRecorded, 0);
    ASSERT_TRUE(view->ScriptCall("WD_JAPI", {"AccountRegisterSuccess", "1"}));
    EXPECT_TRUE(std::filesystem::exists(Marker()));
    EXPECT_EQ(launcher->RegistrationRecorded, 1);
    std::filesystem::remove(Marker());
    ASSERT_TRUE(view->ScriptCall("WD_JAPI", {"AccountRegisterSuccess", "2"}));
    EXPECT_FALSE(std::filesystem::exists(Marker())) << "a second report writes nothing";
}

TEST_F(AccessDialog, PayAddressAndServiceRecordReachTheLauncher)
{
    ASSERT_TRUE(view->ScriptCall("WD_JAPI", {"openPay", "http://pay/x"}));
    EXPECT_EQ(launcher->PayUrl, "http://pay/x");
    ASSERT_TRUE(view->ScriptCall("WD_JAPI", {"OpenGame", "http://g|1|S"}));
    ASSERT_TRUE(view->ScriptCall("WD_JAPI", {"ShowIM", "vip-record"}));
    EXPECT_EQ(launcher->VipUserText, "vip-record");
    EXPECT_EQ(launcher->GameWindow->VipInfo(), "") << "posted, not sent";
    platform->PumpMessages();
    EXPECT_EQ(launcher->GameWindow->VipInfo(), "vip-record");
}

TEST_F(AccessDialog, ReservedKeysStayAwayFromThePage)
{
    struct Case {
        UINT vk;
        bool alt;
        bool offered;
    };
    const std::vector<Case> cases = {
        {VK_ESCAPE, false, false},
        {VK_F5, false, false},
        {VK_BACK, false, false},
        {VK_TAB, false, true},
        {'C', false, true},
    };
    for (const Case& c : cases) {
        const std::size_t before = view->OfferedKeys().size();
        platform->KeyDown(Dialog(), c.vk, c.alt);
        EXPECT_EQ(view->OfferedKeys().size() > before, c.offered) << c.vk;
    }
    EXPECT_EQ(view->Navigations().size(), 1u) << "F5 reloads nothing";
    EXPECT_TRUE(launcher->IsWindow()) << "Escape does not close anything";
}

TEST_F(AccessDialog, AltF4AsksBeforeClosingTheLauncher)
{
    platform->ScriptAnswer(IDCANCEL);
    platform->KeyDown(Dialog(), VK_F4, true);
    ASSERT_EQ(platform->ShownBoxes().size(), 1u);
    EXPECT_EQ(platform->ShownBoxes()[0].text, "确定要退出吗？");
    EXPECT_EQ(platform->ShownBoxes()[0].caption, "退出提示");
    EXPECT_TRUE(launcher->IsWindow());
    EXPECT_TRUE(view->OfferedKeys().empty());
    launcher->CloseType = 0;
    platform->ScriptAnswer(IDOK);
    platform->KeyDown(Dialog(), VK_F4, true);
    EXPECT_TRUE(Closed());
}

TEST_F(AccessDialog, ReturningFromTheGameRefreshesThePage)
{
    ASSERT_TRUE(view->ScriptCall("WD_JAPI", {"OpenGame", "http://g|1|S"}));
    launcher->PostMessage(WM_GAME_EXIT);
    platform->PumpMessages();
    EXPECT_EQ(view->Refreshes(), 1);
    EXPECT_TRUE(launcher->IsWindowVisible());
}

TEST_F(AccessDialog, ShutDownTearsTheBrowserDown)
{
    Dialog().ShutDown();
    EXPECT_EQ(platform->WebView(CWebDlg::kBrowserId), nullptr);
    EXPECT_FALSE(Dialog().IsWindow());
}

TEST(AccessDialogCreation, WithoutABrowserThereIsNoAccessDialog)
{
    CHeadlessPlatform& platform = CHeadlessPlatform::InstallNew();
    platform.FailNextWebView();
    const auto folder = std::filesystem::temp_directory_path() / ("velmoor-nobrowser-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    setenv("VELMOOR_PORTAL", "http://127.0.0.1:9", 1);
    auto* launcher = new CMainWnd(CMainWnd::kStartNormal, folder.string() + "/");
    EXPECT_EQ(launcher->AccessDialog, nullptr);
    delete launcher;
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velmoor::test
