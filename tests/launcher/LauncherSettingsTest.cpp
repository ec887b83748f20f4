#include "LauncherFixture.h"

namespace velmoor::test {
namespace {

class LauncherSettings : public LauncherFixture {};

struct FirstRunCase {
    const char* filename;  // nullptr: no "filename" key
    const char* uid;
    const char* suid;
};

TEST_F(LauncherSettings, FirstStartSplitsTheInstallerNameOnce)
{
    const FirstRunCase cases[] = {
        {"abc_def.exe", "abc", "def"},
        {"abc.exe", "abc", ""},
        {"", "", ""},
        {nullptr, "", ""},
        {"12345_678", "12345", "678"},
        {"a_b_c.exe", "a", "b_c"},
    };
    for (const FirstRunCase& c : cases) {
        SCOPED_TRACE(c.filename ? c.filename : "(no key)");
        std::filesystem::remove(SettingsPath());
        WriteSettings(c.filename ? std::string("[tavu]\nstart=0\nfilename=") + c.filename + "\n" : "[tavu]\n");
        CMainWnd& wnd = Open();
        EXPECT_EQ(wnd.Uid, c.uid);
        EXPECT_EQ(wnd.Suid, c.suid);
        EXPECT_EQ(Setting("start"), "1");
        EXPECT_EQ(Setting("filename"), c.suid);
        EXPECT_EQ(Setting("uid"), c.uid);
        delete launcher;
        launcher = nullptr;
    }
}

TEST_F(LauncherSettings, LaterStartReadsTheIdsWithoutSplitting)
{
    WriteSettings("[tavu]\nstart=1\nuid=abc\nfilename=x_y.exe\n");
    CMainWnd& wnd = Open();
    EXPECT_EQ(wnd.Uid, "abc");
    EXPECT_EQ(wnd.Suid, "x_y.exe");
    EXPECT_EQ(Setting("filename"), "x_y.exe");
}

TEST_F(LauncherSettings, MissingFileReadsDefaultsAndTheFirstWriteCreatesIt)
{
    CMainWnd& wnd = Open();
    EXPECT_EQ(wnd.HotKey, 121u);
    EXPECT_EQ(wnd.HotKeyName, "F10");
    EXPECT_EQ(wnd.CloseType, 0);
    EXPECT_EQ(wnd.AutoStart, 0);
    EXPECT_EQ(Setting("start"), "1");
}

TEST_F(LauncherSettings, HotKeyTextRules)
{
    struct Case {
        const char* line;  // nullptr: key absent
        DWORD hotKey;
        bool registered;
    };
    const Case cases[] = {
        {nullptr, 121, true},
        {"hotkey=", 0xFFFFFFFF, false},
        {"hotkey=-1", 0xFFFFFFFF, false},
        {"hotkey=  122abc", 122, true},
        {"hotkey=131193", 131193, true},  // control + F10
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line ? c.line : "(absent)");
        platform = &CHeadlessPlatform::InstallNew();
        CHeadlessPlatform& p = *platform;
        std::filesystem::remove(SettingsPath());
        WriteSettings(std::string("[tavu]\nstart=1\n") + (c.line ? c.line : "") + "\n");
        CMainWnd& wnd = Open();
        EXPECT_EQ(wnd.HotKey, c.hotKey);
        EXPECT_EQ(p.RegisteredHotKeyCount(), c.registered ? 1u : 0u);
        delete launcher;
        launcher = nullptr;
    }
}

TEST_F(LauncherSettings, RealCloseSavesAndLeavesOtherKeysAlone)
{
    WriteSettings("; kept comment\n[tavu]\nstart=1\nuid=abc\nnYear=2025\n[other]\nx=1\n");
    CMainWnd& wnd = Open();
    wnd.CloseType = 2;
    wnd.AutoStart = 1;
    wnd.HotKey = 0xFFFFFFFF;
    wnd.HotKeyName = "无";
    wnd.SendMessage(WM_COMMAND, 40007);
    ASSERT_TRUE(Closed());
    EXPECT_EQ(Setting("CloseType"), "2");
    EXPECT_EQ(Setting("AutoStart"), "1");
    EXPECT_EQ(Setting("hotkey"), "-1");
    EXPECT_EQ(Setting("hotName"), "无");
    EXPECT_EQ(Setting("uid"), "abc");
    EXPECT_EQ(Setting("nYear"), "2025");
    EXPECT_EQ(CIniFile::GetString(SettingsPath(), "other", "x", "", 260), "1");
    std::ifstream in(SettingsPath());
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "; kept comment");
}

TEST_F(LauncherSettings, WithoutAProgramFolderNothingIsReadOrWritten)
{
    launcher = new CMainWnd(CMainWnd::kStartNormal, "");
    EXPECT_TRUE(launcher->SettingsPath.empty());
    EXPECT_EQ(launcher->CloseType, -1);
    EXPECT_EQ(launcher->HotKey, 0xFFFFFFFF);
    launcher->SendMessage(WM_COMMAND, 40007);
    EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
}

}  // namespace
}  // namespace velmoor::test
