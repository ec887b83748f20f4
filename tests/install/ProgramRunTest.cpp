// The built program as an installer and as the installed copy, under an X server of its own.
#include "InstallFixture.h"

#include "app/CIniFile.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

namespace velmoor {
namespace {

using namespace velmoor::testing;

// A virtual X server on a display number it picks itself; Display() is "" when none started.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const fs::path& folder) : m_numberFile(folder / "display")
    {
        if (::access("/usr/bin/Xvfb", X_OK) != 0)
            return;
        const std::string shell = "exec Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>'"
            + m_numberFile.string() + "' 2>/dev/null";
        m_server.emplace(std::vector<std::string>{"/bin/sh", "-c", shell},
                         std::map<std::string, std::string>{{"PATH", "/usr/bin:/bin"}});
        WaitFor([&] { return ReadFile(m_numberFile).find('\n') != std::string::npos; }, 30);
        const std::string number = ReadFile(m_numberFile);
        if (!number.empty() && number.find('\n') != std::string::npos)
            m_display = ":" + number.substr(0, number.find('\n'));
    }
    const std::string& Display() const { return m_display; }

private:
    fs::path m_numberFile;
    std::optional<ChildProcess> m_server;
    std::string m_display;
};

class ProgramRunTest : public ::testing::Test, public InstallFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(portal->Started());
        display.emplace(root);
        if (display->Display().empty())
            GTEST_SKIP() << "no Xvfb";
    }

    std::map<std::string, std::string> ProgramEnvironment() const
    {
        auto env = Environment();
        env["DISPLAY"] = display->Display();
        return env;
    }

    std::string Setting(const fs::path& folder, const char* key) const
    {
        return CIniFile::GetString((folder / "static.ini").string(), "tavu", key, "", 260);
    }

    static void EndAll(const fs::path& program)
    {
        for (const pid_t pid : ProcessesOf(program))
            ::kill(pid, SIGTERM);
        WaitFor([&] { return ProcessesOf(program).empty(); }, 30);
        for (const pid_t pid : ProcessesOf(program))
            ::kill(pid, SIGKILL);
    }

    const fs::path built = fs::path(VELMOOR_BINARY_DIR) / "velmoor";
    std::optional<VirtualDisplay> display;
};

TEST_F(ProgramRunTest, InstallerStartsTheInstalledCopyWhichShowsTheLauncher)
{
    const ProgramNameLock lock;
    const fs::path installer = downloads / "12345_678";
    fs::copy_file(built, installer);
    const fs::path program = installFolder / "vuvedaredod";
    {
        ChildProcess run({installer.string()}, ProgramEnvironment(), downloads.string());
        EXPECT_EQ(run.Wait(120), 0);
    }
    EXPECT_EQ(ReadFile(program), ReadFile(built));
    std::vector<std::string> events;
    for (const auto& report : portal->Reports())
        events.push_back(report.event + ":" + report.uid);
    EXPECT_EQ(events, (std::vector<std::string>{"1:12345", "2:12345", "3:12345"}));

    // The installed copy's first launcher start splits the installer's name.
    EXPECT_TRUE(WaitFor([&] { return !ProcessesOf(program).empty(); }, 60));
    EXPECT_TRUE(WaitFor([&] { return Setting(installFolder, "start") == "1"; }, 120));
    EXPECT_EQ(Setting(installFolder, "uid"), "12345");
    EXPECT_EQ(Setting(installFolder, "filename"), "678");
    EndAll(program);
}

TEST_F(ProgramRunTest, CopyStartedElsewhereWithNsRunsInPlace)
{
    const ProgramNameLock lock;
    const fs::path elsewhere = root / "elsewhere";
    fs::create_directories(elsewhere);
    const fs::path program = elsewhere / "vuvedaredod";
    fs::copy_file(built, program);
    ChildProcess run({program.string(), "ns"}, ProgramEnvironment(), elsewhere.string());
    // Its launcher keeps its settings next to it.
    EXPECT_TRUE(WaitFor([&] { return Setting(elsewhere, "start") == "1"; }, 120));
    EXPECT_FALSE(run.Wait(0).has_value());
    EXPECT_FALSE(fs::exists(dataHome / "gamenest"));
    EXPECT_TRUE(portal->Reports().empty() || portal->Reports().front().event == "4");
    ::kill(run.Pid(), SIGTERM);
    EXPECT_TRUE(run.Wait(60).has_value());
}

TEST_F(ProgramRunTest, InstallationNeedsNoDisplayButTheLauncherDoes)
{
    auto env = Environment();
    env.erase("DISPLAY");
    env.erase("WAYLAND_DISPLAY");
    const fs::path installer = downloads / "12345_678";
    fs::copy_file(built, installer);
    {
        ChildProcess run({installer.string(), "/s"}, env, downloads.string());
        EXPECT_EQ(run.Wait(120), 0);
    }
    EXPECT_EQ(ReadFile(installFolder / "vuvedaredod"), ReadFile(built));
    EXPECT_EQ(portal->Reports().size(), 3u);
    ChildProcess launcher({installer.string(), "ns"}, env, downloads.string());
    EXPECT_EQ(launcher.Wait(60), 1) << "no display: the launcher cannot run, and says so";
}

}  // namespace
}  // namespace velmoor
