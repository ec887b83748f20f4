#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/CDialog.h"
#include "platform/CWinApp.h"
#include "platform/CWnd.h"
#include "platform/MessageBox.h"
#include "platform/headless/CHeadlessPlatform.h"

namespace velmoor {
namespace {

// Records the messages its handlers see, in order.
class RecordingWnd : public CWnd {
public:
    std::vector<std::string> log;
    bool swallowEscape = false;
    int createResult = 0;

    bool Create(HWND owner = kNoWindow)
    {
        return CreateEx(0, "rec", WS_POPUP, {10, 20, 110, 70}, owner, 7);
    }

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) {
            log.push_back("pre " + std::to_string(msg->wParam));
            if (swallowEscape && msg->wParam == VK_ESCAPE)
                return TRUE;
        }
        return FALSE;
    }

protected:
    int OnCreate() override
    {
        log.push_back("create");
        return createResult;
    }
    void OnDestroy() override { log.push_back("destroy"); }
    void OnShowWindow(BOOL show, UINT) override { log.push_back(show ? "show" : "hide"); }
    void OnMove(int x, int y) override { log.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
    void OnSize(UINT, int cx, int cy) override { log.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy)); }
    void OnTimer(UINT id) override { log.push_back("timer " + std::to_string(id)); }
    void OnKeyDown(UINT vk, UINT, UINT) override { log.push_back("key " + std::to_string(vk)); }
    void OnClose() override
    {
        log.push_back("close");
        CWnd::OnClose();
    }
};

class WindowMessages : public ::testing::Test {
protected:
    void SetUp() override { platform = &CHeadlessPlatform::InstallNew(); }
    CHeadlessPlatform* platform = nullptr;
};

TEST_F(WindowMessages, CreationSendsCreateSizeAndMoveInOrder)
{
    RecordingWnd w;
    ASSERT_TRUE(w.Create());
    EXPECT_EQ(w.log, (std::vector<std::string>{"create", "size 100x50", "move 10,20"}));
    RECT r;
    w.GetWindowRect(r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom, 70);
}

TEST_F(WindowMessages, FailedCreationLeavesNoWindow)
{
    RecordingWnd w;
    w.createResult = -1;
    EXPECT_FALSE(w.Create());
    EXPECT_FALSE(w.IsWindow());
    EXPECT_EQ(w.log, (std::vector<std::string>{"create", "destroy"}));
}

TEST_F(WindowMessages, ShowWindowTellsTheWindowOnlyWhenVisibilityChanges)
{
    RecordingWnd w;
    ASSERT_TRUE(w.Create());
    w.log.clear();
    EXPECT_FALSE(w.ShowWindow(SW_SHOW));
    EXPECT_TRUE(w.ShowWindow(SW_SHOW));
    EXPECT_TRUE(w.ShowWindow(SW_HIDE));
    EXPECT_FALSE(w.ShowWindow(SW_HIDE));
    EXPECT_EQ(w.log, (std::vector<std::string>{"show", "hide"}));
}

TEST_F(WindowMessages, MoveWindowReportsOnlyWhatChanged)
{
    RecordingWnd w;
    ASSERT_TRUE(w.Create());
    w.log.clear();
    w.MoveWindow(10, 20, 100, 50);
    w.MoveWindow(11, 20, 100, 50);
    w.MoveWindow(11, 20, 90, 50);
    EXPECT_EQ(w.log, (std::vector<std::string>{"move 11,20", "size 90x50"}));
}

TEST_F(WindowMessages, TimersRepeatUntilKilledAndDieWithTheWindow)
{
    RecordingWnd w;
    ASSERT_TRUE(w.Create());
    w.log.clear();
    w.SetTimer(3, 100);
    platform->AdvanceClock(250);
    EXPECT_EQ(w.log, (std::vector<std::string>{"timer 3", "timer 3"}));
    w.SetTimer(3, 100);  // restarts: due 100 ms from now
    platform->AdvanceClock(99);
    EXPECT_EQ(w.log.size(), 2u);
    w.KillTimer(3);
    platform->AdvanceClock(1000);
    EXPECT_EQ(w.log.size(), 2u);
    w.SetTimer(4, 10);
    const HWND h = w.GetSafeHwnd();
    w.DestroyWindow();
    EXPECT_FALSE(platform->IsTimerSet(h, 4));
}

TEST_F(WindowMessages, PostedMessagesToAGoneWindowAreDropped)
{
    auto w = std::make_unique<RecordingWnd>();
    ASSERT_TRUE(w->Create());
    const HWND h = w->GetSafeHwnd();
    w->PostMessage(WM_CLOSE);
    w.reset();
    platform->Post({h, WM_CLOSE, 0, 0});
    platform->PumpMessages();  // must not touch the dead window
    RecordingWnd other;
    ASSERT_TRUE(other.Create());
    EXPECT_NE(other.GetSafeHwnd(), h) << "handles are never reused";
}

TEST_F(WindowMessages, WorkerThreadsPostAndWaitForTheUserInterfaceThread)
{
    RecordingWnd w;
    ASSERT_TRUE(w.Create());
    w.log.clear();
    std::atomic<int> answer{0};
    platform->ScriptAnswer(IDCANCEL);
    std::thread worker([&] {
        Platform().Post({w.GetSafeHwnd(), WM_TIMER, 9, 0});
        answer = MessageBox("text", "caption", MB_OKCANCEL);  // waits for the pump
    });
    while (answer == 0)
        platform->PumpMessages();
    worker.join();
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_EQ(w.log, (std::vector<std::string>{"timer 9"}));
    ASSERT_EQ(platform->ShownBoxes().size(), 1u);
    EXPECT_EQ(platform->ShownBoxes()[0].caption, "caption");
}

TEST_F(WindowMessages, KeysPassTheOwnerChainBeforeTheTarget)
{
    RecordingWnd owner;
    ASSERT_TRUE(owner.Create());
    RecordingWnd popup;
    ASSERT_TRUE(popup.Create(owner.GetSafeHwnd()));
    owner.log.clear();
    popup.log.clear();
    owner.swallowEscape = true;
    platform->KeyDown(popup, 'A');
    platform->KeyDown(popup, VK_ESCAPE);
    EXPECT_EQ(popup.log, (std::vector<std::string>{"pre 65", "key 65", "pre 27"}));
    EXPECT_EQ(owner.log, (std::vector<std::string>{"pre 65", "pre 27"}));
}

TEST_F(WindowMessages, SystemCommandsDragMinimiseMaximiseAndClose)
{
    RecordingWnd w;
    ASSERT_TRUE(w.Create());
    w.ShowWindow(SW_SHOW);
    w.SendMessage(WM_SYSCOMMAND, SC_DRAGMOVE);
    EXPECT_EQ(CHeadlessPlatform::NativeOf(w)->MoveDrags(), 1);
    w.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(w.IsIconic());
    w.ShowWindow(SW_RESTORE);
    EXPECT_FALSE(w.IsIconic());
    w.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_TRUE(w.IsZoomed());
    w.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_FALSE(w.IsWindow());
}

class EndingDialog : public CDialog {
public:
    EndingDialog() : CDialog(126) {}
    bool initialised = false;
    using CDialog::OnOK;

protected:
    BOOL OnInitDialog() override
    {
        initialised = true;
        return TRUE;
    }
};

TEST_F(WindowMessages, ModalDialogReturnsItsResult)
{
    EndingDialog dlg;
    platform->ScriptModal([](CWnd& wnd) { static_cast<EndingDialog&>(wnd).EndDialog(IDOK); });
    EXPECT_EQ(dlg.DoModal(kNoWindow), IDOK);
    EXPECT_TRUE(dlg.initialised);
    EXPECT_FALSE(dlg.IsWindow());
}

class CountingApp : public CWinApp {
public:
    bool makeWindow = true;
    RecordingWnd* wnd = nullptr;
    BOOL InitInstance() override
    {
        if (makeWindow) {
            wnd = new RecordingWnd;
            wnd->Create();
            m_pMainWnd = wnd;
            wnd->PostMessage(WM_CLOSE);  // the loop runs it, and its end ends the loop
        }
        return TRUE;
    }
};

TEST_F(WindowMessages, ApplicationRunJoinsTheArgumentsAndEndsWithTheMainWindow)
{
    CountingApp app;
    EXPECT_EQ(app.Run({"/opt/velmoor/velmoor.bin", "-hh", "3"}), 0);
    EXPECT_EQ(app.m_lpCmdLine, "-hh 3");
    EXPECT_EQ(app.m_appTitle, "velmoor");
    EXPECT_TRUE(platform->QuitRequested());
    EXPECT_FALSE(app.wnd->IsWindow());
    delete app.wnd;

    CountingApp windowless;
    windowless.makeWindow = false;
    EXPECT_EQ(windowless.Run({"velmoor"}), 1) << "no main window: nothing to run";
}

}  // namespace
}  // namespace velmoor
