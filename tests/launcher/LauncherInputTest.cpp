#include "LauncherFixture.h"

#include "support/PortalAddress.h"

namespace velmoor::test {
namespace {

class LauncherInput : public LauncherFixture {
protected:
    static POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    void Move(POINT p) { platform->MouseMove(*launcher, p.x, p.y); }
    void Down(POINT p) { platform->LButtonDown(*launcher, p.x, p.y); }
    void Up(POINT p) { platform->LButtonUp(*launcher, p.x, p.y); }
    POINT In(CMainWnd::Button b) const { return Centre(launcher->ButtonRects[b]); }
    static constexpr POINT kSkin{200, 400};  // skin, no button
};

TEST_F(LauncherInput, WindowIsTheCentredSkin)
{
    platform->SetScreenSize({1921, 1081});
    CMainWnd& wnd = Open();
    RECT r;
    wnd.GetWindowRect(r);
    EXPECT_EQ(r.left, (1921 - 1200) / 2);
    EXPECT_EQ(r.top, (1081 - 815) / 2);
    EXPECT_EQ(r.Width(), 1200);
    EXPECT_EQ(r.Height(), 815);
    EXPECT_EQ(wnd.GetWindowText(), "OrvelVelmoor");
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_LAYERED);
    EXPECT_GT(Native().IconBytes(), 0u);
}

TEST_F(LauncherInput, RedrawOnlyWhenAHoverFlagChangesInsideButtons)
{
    Open();
    struct Step {
        const char* what;
        POINT at;
        int redraws;  // added by this move
        CMainWnd::Button hovered;
    };
    const POINT forum = In(CMainWnd::Forum);
    const Step steps[] = {
        {"enter forum", forum, 1, CMainWnd::Forum},
        {"move inside forum", {forum.x + 3, forum.y + 1}, 0, CMainWnd::Forum},
        {"enter close", In(CMainWnd::Close), 1, CMainWnd::Close},
        {"inside close again", {In(CMainWnd::Close).x + 1, In(CMainWnd::Close).y}, 0, CMainWnd::Close},
        {"out to the skin", kSkin, 1, CMainWnd::Spare},
        {"skin again: redraws anyway", {kSkin.x + 1, kSkin.y}, 1, CMainWnd::Spare},
        {"enter payment", In(CMainWnd::Payment), 1, CMainWnd::Payment},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        const int before = launcher->RedrawCount();
        Move(s.at);
        EXPECT_EQ(launcher->RedrawCount() - before, s.redraws);
        for (int b = 0; b < CMainWnd::ButtonCount; ++b)
            EXPECT_EQ(launcher->HoverFlags[b], b == s.hovered && s.hovered != CMainWnd::Spare ? 1 : 0) << b;
        EXPECT_EQ(Native().LayeredUpdates(), launcher->RedrawCount());
    }
}

TEST_F(LauncherInput, HandCursorOnlyOverTheRoundButtons)
{
    Open();
    Move(In(CMainWnd::Close));
    EXPECT_EQ(Native().CurrentCursor(), Cursor::Hand);
    Move(In(CMainWnd::Official));
    EXPECT_EQ(Native().CurrentCursor(), Cursor::Arrow);
    Move(In(CMainWnd::Minimise));
    EXPECT_EQ(Native().CurrentCursor(), Cursor::Hand);
    Move(kSkin);
    EXPECT_EQ(Native().CurrentCursor(), Cursor::Arrow);
}

TEST_F(LauncherInput, LinkButtonsOpenTheirAddressesOnlyAfterHover)
{
    setenv("VELMOOR_PORTAL", "http://127.0.0.1:8765", 1);
    Open();
    struct Case {
        CMainWnd::Button button;
        const char* address;
    };
    const Case cases[] = {
        {CMainWnd::Official, "http://127.0.0.1:8765"},
        {CMainWnd::Payment, "http://127.0.0.1:8765/?g=tavu"},
        {CMainWnd::Service, "http://127.0.0.1:8765/kefu/"},
        {CMainWnd::Forum, "http://127.0.0.1:8765/forum.php?mod=forumdisplay&fid=185"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        const std::size_t before = platform->OpenedUrls().size();
        // A click without a move over the button first does nothing.
        launcher->HoverFlags.fill(0);
        Down(In(c.button));
        Up(In(c.button));
        EXPECT_EQ(platform->OpenedUrls().size(), before);
        Move(In(c.button));
        Down(In(c.button));
        Up(In(c.button));
        ASSERT_EQ(platform->OpenedUrls().size(), before + 1);
        EXPECT_EQ(platform->OpenedUrls().back(), c.address);
        EXPECT_EQ(launcher->HoverFlags[c.button], 0);
    }
}

TEST_F(LauncherInput, PressOnAButtonReleasedOutsideDoesNothing)
{
    Open();
    Move(In(CMainWnd::Forum));
    Down(In(CMainWnd::Forum));
    Up(kSkin);
    EXPECT_TRUE(platform->OpenedUrls().empty());
    EXPECT_EQ(Native().MoveDrags(), 0);
}

TEST_F(LauncherInput, PressOnTheSkinDragsTheWindow)
{
    Open();
    Down(kSkin);
    EXPECT_EQ(Native().MoveDrags(), 1);
    Down(In(CMainWnd::Payment));
    EXPECT_EQ(Native().MoveDrags(), 1);
}

TEST_F(LauncherInput, MinimiseButton)
{
    Open();
    Move(In(CMainWnd::Minimise));
    Up(In(CMainWnd::Minimise));
    EXPECT_TRUE(launcher->IsIconic());
}

}  // namespace
}  // namespace velmoor::test
