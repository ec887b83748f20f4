#include "LauncherFixture.h"

namespace velmoor::test {
namespace {

class LauncherClosePath : public LauncherFixture {
protected:
    void ClickClose()
    {
        const RECT& r = launcher->ButtonRects[CMainWnd::Close];
        platform->MouseMove(*launcher, r.left + 5, r.top + 5);
        platform->LButtonUp(*launcher, r.left + 5, r.top + 5);
    }
};

enum class Way { CloseButton, AltF4, TrayExit };

struct CloseCase {
    const char* what;
    int closeType;
    Way way;
    int answer;  // to the exit prompt
    bool prompted;
    bool exits;
    bool hidden;
};

TEST_F(LauncherClosePath, ObeysCloseTypeAndTheExitRequest)
{
    const CloseCase cases[] = {
        {"close button, not chosen, OK", 0, Way::CloseButton, IDOK, true, true, true},
        {"close button, not chosen, cancel", 0, Way::CloseButton, IDCANCEL, true, false, false},
        {"close button, hide to tray, OK", 1, Way::CloseButton, IDOK, true, false, true},
        {"close button, exit, OK", 2, Way::CloseButton, IDOK, true, true, true},
        {"Alt+F4, not chosen, OK", 0, Way::AltF4, IDOK, true, true, true},
        {"Alt+F4, hide to tray, OK", 1, Way::AltF4, IDOK, true, false, true},
        {"Alt+F4, cancel", 2, Way::AltF4, IDCANCEL, true, false, false},
        {"tray exit, hide to tray", 1, Way::TrayExit, IDOK, false, true, true},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.what);
        platform = &CHeadlessPlatform::InstallNew();
        WriteSettings("[tavu]\nstart=1\nCloseType=" + std::to_string(c.closeType) + "\n");
        Open();
        platform->ScriptAnswer(c.answer);
        switch (c.way) {
        case Way::CloseButton: ClickClose(); break;
        case Way::AltF4: platform->KeyDown(*launcher, VK_F4, true); break;
        case Way::TrayExit: launcher->SendMessage(WM_COMMAND, 40007); break;
        }
        ASSERT_EQ(platform->ShownBoxes().size(), c.prompted ? 1u : 0u);
        if (c.prompted) {
            EXPECT_EQ(platform->ShownBoxes()[0].text, "确定要退出吗？");
            EXPECT_EQ(platform->ShownBoxes()[0].caption, "退出提示");
            EXPECT_EQ(platform->ShownBoxes()[0].type, MB_OKCANCEL | MB_ICONQUESTION);
        }
        EXPECT_EQ(Closed(), c.exits);
        EXPECT_EQ(platform->QuitRequested(), false) << "no message loop runs here, but the launcher was not main";
        if (!c.exits) {
            EXPECT_EQ(!launcher->IsWindowVisible(), c.hidden);
            EXPECT_EQ(platform->RegisteredHotKeyCount(), 1u);
            delete launcher;
        } else {
            EXPECT_EQ(platform->RegisteredHotKeyCount(), 0u) << "the boss key is released at exit";
            EXPECT_EQ(Setting("hotkey"), "121");
        }
        launcher = nullptr;
    }
}

TEST_F(LauncherClosePath, EscapeIsSwallowed)
{
    Open();
    platform->KeyDown(*launcher, VK_ESCAPE);
    EXPECT_TRUE(platform->ShownBoxes().empty());
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(launcher->IsWindowVisible());
}

TEST_F(LauncherClosePath, ClosingTheMainWindowEndsTheMessageLoop)
{
    Open();
    platform->SetMainWindow(launcher->GetSafeHwnd());
    launcher->SendMessage(WM_COMMAND, 40007);
    EXPECT_TRUE(Closed());
    EXPECT_TRUE(platform->QuitRequested());
}

TEST_F(LauncherClosePath, HiddenStartClosesWithoutEverMakingTheAccessDialog)
{
    Open(CMainWnd::kStartHidden);
    EXPECT_FALSE(launcher->IsWindowVisible());
    EXPECT_EQ(launcher->AccessDialog, nullptr);
    launcher->SendMessage(WM_COMMAND, 40007);
    EXPECT_TRUE(Closed());
}

}  // namespace
}  // namespace velmoor::test

namespace velmoor::test {
namespace {

class LauncherEarlyClose : public LauncherFixture {};

TEST_F(LauncherEarlyClose, ClosingBeforeTheAccessPageIsMadeLeavesNothingBehind)
{
    launcher = new CMainWnd(CMainWnd::kStartNormal, ModuleFolder());  // no message loop round yet
    EXPECT_EQ(launcher->AccessDialog, nullptr);
    launcher->SendMessage(WM_COMMAND, 40007);
    ASSERT_TRUE(Closed());
    platform->PumpMessages();  // the pending creation finds no launcher and does nothing
    launcher = nullptr;
}

}  // namespace
}  // namespace velmoor::test
