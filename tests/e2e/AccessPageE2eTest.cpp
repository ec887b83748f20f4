#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include "E2eDesktop.h"
#include "platform/gtk/CGtkPlatform.h"
#include "support/BrowserCache.h"
#include "ui/launcher/CMainWnd.h"
#include "ui/launcher/CWebDlg.h"

namespace velmoor::test {
namespace {

E2eDesktop g_desktop;

// One launcher for the whole run, on the real engine against the demo portal; each test leaves
// it showing the access page.
class AccessPageE2e : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        auto platform = CGtkPlatform::Create();
        ASSERT_NE(platform, nullptr);
        CPlatform::Install(std::move(platform));
        s_folder = g_desktop.Home() + "/program/";
        std::filesystem::create_directories(s_folder);
        auto* launcher = new CMainWnd(CMainWnd::kStartNormal, s_folder);  // deletes itself
        launcher->ShowWindow(SW_SHOW);
    }

    static void TearDownTestSuite()
    {
        if (g_pMainWnd != nullptr) {
            g_pMainWnd->ExitRequested = 1;
            g_pMainWnd->SendMessage(WM_CLOSE);
        }
    }

    void SetUp() override
    {
        ASSERT_NE(g_pMainWnd, nullptr);
        ASSERT_TRUE(WaitFor([] { return g_pMainWnd->AccessDialog && g_pMainWnd->AccessDialog->IsWindowVisible(); }))
            << "the page never showed";
        ASSERT_TRUE(WaitFor([this] { return Eval("document.readyState") == "complete"; }));
    }

    void TearDown() override
    {
        if (g_pMainWnd != nullptr && g_pMainWnd->GameWindow != nullptr) {
            // A followed game link leaves the game page in the access view until the page steps
            // back; the launcher's reload would otherwise open the game again.
            // The click's own navigation may not have started yet: wait for the step back, which
            // is the last navigation the dialog saw.
            WaitFor([this] {
                return Dialog().LastUrl().find("/game/s/wdAccess/") != std::string::npos &&
                       Page().CurrentUrl().find("/game/s/wdAccess/") != std::string::npos &&
                       Eval("document.readyState") == "complete";
            });
            g_pMainWnd->PostMessage(WM_GAME_EXIT);  // back to the launcher, which reloads the page
            WaitFor([] { return g_pMainWnd->GameWindow == nullptr && g_pMainWnd->IsWindowVisible(); });
        }
    }

    static CWebDlg& Dialog() { return *g_pMainWnd->AccessDialog; }
    static IWebView& Page() { return *Dialog().Browser().Control(); }

    std::string Eval(const std::string& script)
    {
        std::string result;
        if (!Page().EvaluateScript(script, result))
            return "<error: " + result + ">";
        return result;
    }

    // Clicks a link made on the page, as a user's click would follow it.
    void ClickLink(const std::string& href, bool newWindow)
    {
        Eval("(function(){var a=document.createElement('a');a.href=" + Quote(href) + ";" +
             (newWindow ? "a.target='_blank';" : "") + "document.body.appendChild(a);a.click();return 1;})()");
    }

    static std::string Quote(const std::string& text) { return "'" + text + "'"; }

    static inline std::string s_folder;
};

TEST_F(AccessPageE2e, AccessPageShowsOverTheLaunchersWebArea)
{
    RECT launcher;
    RECT dialog;
    g_pMainWnd->GetWindowRect(launcher);
    Dialog().GetWindowRect(dialog);
    EXPECT_EQ(dialog.left, launcher.left + g_pMainWnd->WebArea.left);
    EXPECT_EQ(dialog.top, launcher.top + g_pMainWnd->WebArea.top);
    EXPECT_EQ(dialog.Width(), g_pMainWnd->WebArea.Width());
    EXPECT_EQ(Page().CurrentUrl(), g_desktop.PortalOrigin() + "/game/s/wdAccess/?name=tavu&uid=&suid=");
    EXPECT_EQ(g_pMainWnd->PageLoadPending, 0);
    EXPECT_NE(Eval("document.getElementById('status').textContent").find("接口版本 1"), std::string::npos)
        << "the portal's own page found the client";
}

TEST_F(AccessPageE2e, ExternalAnswersSynchronouslyInAnyLetterCase)
{
    struct Case {
        std::string script, expected;
    };
    const Case cases[] = {
        {"window.external.WD_JAPI('getApiVersion')", "1"},
        {"window.external.WD_JAPI('getClientVersion') + '!'", "1001!"},
        {"window.external.wd_japi('getApiVersion')", "1"},
        {"typeof window.external.Wd_JaPi", "function"},
        {"typeof window.external.NoSuchMethod", "undefined"},
        {"(function(){try{window.external.NoSuchMethod();return 'returned';}catch(e){return 'threw';}})()", "threw"},
        {"String(window.external.WD_JAPI('closedBox'))", "undefined"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Eval(c.script), c.expected) << c.script;
}

TEST_F(AccessPageE2e, RightClickShowsNoMenu)
{
    Eval("window.__menus=0;document.addEventListener('contextmenu',function(){window.__menus++;});1");
    RECT r;
    Dialog().GetWindowRect(r);
    GdkDisplay* display = gdk_display_get_default();
    GdkDevice* pointer = gdk_seat_get_pointer(gdk_display_get_default_seat(display));
    gdk_device_warp(pointer, gdk_display_get_default_screen(display), r.left + 200, r.top + 300);
    const std::string click = "xdotool click 3";
    ASSERT_EQ(std::system(click.c_str()), 0);
    ASSERT_TRUE(WaitFor([this] { return Eval("window.__menus") == "1"; })) << "the click never reached the page";
    auto menuShown = [] {
        bool shown = false;
        GList* tops = gtk_window_list_toplevels();
        for (GList* l = tops; l != nullptr; l = l->next) {
            GtkWidget* w = GTK_WIDGET(l->data);
            if (gtk_widget_get_visible(w) && gtk_window_get_window_type(GTK_WINDOW(w)) == GTK_WINDOW_POPUP)
                shown = true;
        }
        g_list_free(tops);
        return shown;
    };
    EXPECT_FALSE(WaitFor(menuShown, 1.5)) << "a context menu opened";
}

TEST_F(AccessPageE2e, OpenGameReachesTheLauncherBeforeTheCallReturns)
{
    const std::string url = g_desktop.PortalOrigin() + "/game/play/?sid=1";
    const std::string script = "window.external.WD_JAPI('OpenGame', " + Quote(url + "|x|Server A") +
                               "); 'returned'";
    ASSERT_EQ(Eval(script), "returned");
    EXPECT_EQ(g_pMainWnd->GameUrl, url);
    EXPECT_EQ(g_pMainWnd->ServerName, "Server A");
    EXPECT_NE(g_pMainWnd->GameWindow, nullptr);
    EXPECT_FALSE(g_pMainWnd->IsWindowVisible());
}

TEST_F(AccessPageE2e, GameLinkOpensTheGame)
{
    const std::string url = g_desktop.PortalOrigin() + "/game/play/?sid=2&client=1";
    ClickLink(url, false);
    ASSERT_TRUE(WaitFor([] { return g_pMainWnd->GameWindow != nullptr; }));
    EXPECT_EQ(g_pMainWnd->GameUrl, url);
    EXPECT_FALSE(g_pMainWnd->IsWindowVisible());
}

TEST_F(AccessPageE2e, RegistrationWritesTheMarkerOnce)
{
    const std::filesystem::path marker = g_desktop.Home() + "/data/Rovevar/data.dat";
    std::filesystem::remove(marker);
    const int before = g_pMainWnd->RegistrationRecorded;
    Eval("window.external.WD_JAPI('AccountRegisterSuccess', '1'); 1");
    if (before == 0) {
        EXPECT_TRUE(std::filesystem::exists(marker));
        std::filesystem::remove(marker);
    }
    Eval("window.external.WD_JAPI('AccountRegisterSuccess', '1'); 1");
    EXPECT_FALSE(std::filesystem::exists(marker)) << "a second report writes nothing";
    EXPECT_EQ(g_pMainWnd->RegistrationRecorded, 1);
}

TEST_F(AccessPageE2e, NewWindowLinksGoToTheDefaultBrowserOnlyForWebAddresses)
{
    const std::string forum = g_desktop.PortalOrigin() + "/forum.php?fid=1";
    const std::string after = g_desktop.PortalOrigin() + "/after-file-link";
    ClickLink(forum, true);
    ASSERT_TRUE(WaitFor([&] {
        const auto log = g_desktop.BrowserLog();
        return !log.empty() && log.back() == forum;
    })) << "the default browser never got the link";
    ClickLink("file:///etc/hostname", true);
    ClickLink(after, true);  // once this one arrives, the file link has had its chance
    ASSERT_TRUE(WaitFor([&] {
        const auto log = g_desktop.BrowserLog();
        return !log.empty() && log.back() == after;
    }));
    for (const std::string& line : g_desktop.BrowserLog())
        EXPECT_EQ(line.rfind("file:", 0), std::string::npos) << line;
    EXPECT_NE(Page().CurrentUrl().find("/game/s/wdAccess/"), std::string::npos) << "the access page stays where it is";
    EXPECT_EQ(g_pMainWnd->GameWindow, nullptr);
}

TEST_F(AccessPageE2e, AnUnreachablePageShowsANoticeThatLoadsItAgain)
{
    // Nothing listens on this loopback port (the demo portal took another one).
    const std::string unreachable = "http://127.0.0.1:59998/game/s/wdAccess/?name=tavu";
    Page().Navigate2(unreachable);
    ASSERT_TRUE(WaitFor([this] { return Eval("document.body.innerText.indexOf('无法连接到服务器') >= 0") == "true"; }));
    EXPECT_EQ(Eval("document.querySelector('a').getAttribute('href')"), unreachable);
    EXPECT_EQ(Page().CurrentUrl(), unreachable) << "the failed address stays the page's, so a reload tries it";
    Page().Navigate2(Dialog().HomeUrl());
    ASSERT_TRUE(WaitFor([this] {
        return Eval("location.href") == Dialog().HomeUrl() && Eval("document.readyState") == "complete";
    }));
}

TEST_F(AccessPageE2e, CacheClearingKeepsCookies)
{
    Eval("document.cookie='keep=1; max-age=3600; path=/'; localStorage.setItem('gone','1'); 1");
    std::atomic<bool> done{false};
    std::thread worker([&] {
        ClearBrowserCache();
        done = true;
    });
    const bool finished = WaitFor([&] { return done.load(); }, 90);
    worker.join();
    ASSERT_TRUE(finished);
    EXPECT_NE(Eval("document.cookie").find("keep=1"), std::string::npos);
    Page().Refresh();
    ASSERT_TRUE(WaitFor([this] { return Eval("document.readyState") == "complete"; }));
    EXPECT_NE(Eval("document.cookie").find("keep=1"), std::string::npos) << "cookies survive the clearing";
    EXPECT_EQ(Eval("String(localStorage.getItem('gone'))"), "null") << "other website data is gone";
}

}  // namespace
}  // namespace velmoor::test

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::string error;
    if (!velmoor::test::g_desktop.Start(error)) {
        std::fprintf(stderr, "e2e: %s\n", error.c_str());
        velmoor::test::g_desktop.Stop();
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    velmoor::test::g_desktop.Stop();
    return result;
}
