#include "InstallFixture.h"

#include "app/CIniFile.h"
#include "app/CSelfInstaller.h"
#include "support/UnprivilegedRun.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>

namespace velmoor {
namespace {

using namespace velmoor::testing;

struct LaunchCall {
    std::string file, parameters, folder;
};

std::vector<std::pair<std::string, int>> ListFile(const fs::path& path)
{
    std::vector<std::pair<std::string, int>> items;
    pugi::xml_document document;
    if (!document.load_file(path.c_str()))
        return items;
    for (const pugi::xml_node node : document.child("unist").children()) {
        // Each node holds exactly "Name", then "Type".
        const pugi::xml_node name = node.first_child();
        const pugi::xml_node type = name.next_sibling();
        if (std::string(node.name()) != "Node" || std::string(name.name()) != "Name"
            || std::string(type.name()) != "Type" || type.next_sibling())
            return {};
        items.emplace_back(name.text().get(), std::atoi(type.text().get()));
    }
    return items;
}

std::vector<std::string> Events(const std::vector<LoggedReport>& reports)
{
    std::vector<std::string> events;
    for (const auto& report : reports)
        events.push_back(report.event);
    return events;
}

class InstallSelfTest : public ::testing::Test, public InstallFixture {
protected:
    void SetUp() override { ASSERT_TRUE(portal->Started()) << "the demo portal did not start"; }

    // An installer file with recognisable bytes.
    fs::path Installer(const std::string& name, const std::string& bytes = "installer bytes\n")
    {
        const fs::path path = downloads / name;
        WriteFile(path, bytes);
        fs::permissions(path, fs::perms::owner_all);
        return path;
    }

    // Runs an installation of `installer` with the command word, recording starts.
    bool Install(const fs::path& installer, const std::string& commandWord = "")
    {
        CSelfInstaller self(installer.string());
        self.Launch = [this](const std::string& file, const std::string& parameters, const std::string& folder) {
            launches.push_back({file, parameters, folder});
            return true;
        };
        // Other tests may run a "vuvedaredod" meanwhile; only the test of that rule looks.
        if (!realRunningCheck)
            self.IsRunning = [](const std::string&) { return false; };
        const bool goesOn = self.Run(commandWord);
        items = self.UninstallItems();
        return goesOn;
    }

    std::string Program() const { return (installFolder / "vuvedaredod").string(); }
    std::string Folder() const { return installFolder.string() + "/"; }

    bool realRunningCheck = false;
    std::vector<LaunchCall> launches;
    std::vector<__UNISTINFO> items;
};

class FirstInstallation : public InstallSelfTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(FirstInstallation, CreatesTheLayoutReportsAndStartsTheCopy)
{
    const std::string name = GetParam();
    const fs::path installer = Installer(name);
    EXPECT_FALSE(Install(installer));

    EXPECT_EQ(ReadFile(Program()), "installer bytes\n");
    EXPECT_TRUE(IsExecutable(Program()));
    const fs::path built = fs::path(VELMOOR_BINARY_DIR) / "bin/unists";
    EXPECT_EQ(ReadFile(installFolder / "unists"), ReadFile(built));
    EXPECT_TRUE(IsExecutable(installFolder / "unists"));
    EXPECT_EQ(ReadFile(installFolder / "static.ini"),
              "[tavu]\nkey=\nuid=\nstart=0\ngid=309\nInstall=\nDName=\nhotkey=121\nhotName=F10\nfilename=" + name
                  + "\ninner=1\n");

    const std::string menuProgram = (menuLinks / "Velmoor.desktop").string();
    const std::string desktopProgram = (desktop / "Velmoor.desktop").string();
    const std::string menuUninstaller = (menuLinks / "卸载Velmoor.desktop").string();
    const std::vector<std::pair<std::string, int>> expected = {
        {menuProgram, 3}, {desktopProgram, 3}, {menuUninstaller, 3}, {"vuvedaredod", 9},
        {Program(), 3}, {Folder() + "static.ini", 3}, {Folder() + "unist", 4}, {"Velmoor", 5},
        {"tavu", 7}, {"12345", 8}, {"vuvedaredod", 10},
    };
    EXPECT_EQ(ListFile(installFolder / "unist/Unist.xml"), expected);
    EXPECT_EQ(ReadFile(installFolder / "unist/Unist.xml").rfind("<?xml version=\"1.0\"?>", 0), 0u);

    EXPECT_EQ(ReadFile(icon), ReadFile(fs::path(VELMOOR_SOURCE_DIR) / "res/icon/5.png"));
    for (const std::string& link : {menuProgram, desktopProgram, menuUninstaller}) {
        EXPECT_TRUE(IsExecutable(link)) << link;
        EXPECT_EQ(std::system(("desktop-file-validate '" + link + "'").c_str()), 0) << link;
        EXPECT_NE(ReadFile(link).find("\nIcon=velmoor\n"), std::string::npos) << link;
    }
    EXPECT_NE(ReadFile(desktopProgram).find("\nExec=\"" + Program() + "\"\n"), std::string::npos);
    EXPECT_NE(ReadFile(menuUninstaller).find("\nName=卸载Velmoor\n"), std::string::npos);
    EXPECT_NE(ReadFile(menuUninstaller).find("\nExec=\"" + Folder() + "unists\"\n"), std::string::npos);

    EXPECT_EQ(ReadFile(keyStore),
              "[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\vuvedaredod]\nDisplayName=Velmoor\n"
              "UninstallString=" + Folder() + "unists\nDisplayIcon=" + Folder() + "OrvelVelmoor\n"
              "URLInfoAbout=" + portal->Origin() + "\nPublisher=Corvanta\nPRODUCT_Version=1.1.5.1\n");

    const auto reports = portal->Reports();
    EXPECT_EQ(Events(reports), (std::vector<std::string>{"1", "2", "3"}));
    for (const auto& report : reports) {
        EXPECT_TRUE(report.valid);
        EXPECT_EQ(report.uid, "12345");
    }
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].file, Program());
    EXPECT_EQ(launches[0].parameters, "ns ");
    EXPECT_EQ(launches[0].folder, Folder());
}

INSTANTIATE_TEST_SUITE_P(InstallerNames, FirstInstallation, ::testing::Values("12345_678", "12345_678.run"),
                         [](const auto& info) { return std::string(info.index == 0 ? "Plain" : "WithExtension"); });

TEST_F(InstallSelfTest, SecondInstallationKeepsTheProgramAndReportsOnlyOneAndTwo)
{
    Install(Installer("12345_678", "first\n"));
    CIniFile::WriteString(installFolder / "static.ini", "tavu", "start", "1");
    CIniFile::WriteString(installFolder / "static.ini", "tavu", "CloseType", "2");
    fs::remove(installFolder / "unists");
    Install(Installer("999_1", "second\n"));

    EXPECT_EQ(ReadFile(Program()), "first\n");
    EXPECT_TRUE(fs::exists(installFolder / "unists"));
    EXPECT_EQ(CIniFile::GetString(installFolder / "static.ini", "tavu", "filename", "", 260), "999_1");
    EXPECT_EQ(CIniFile::GetString(installFolder / "static.ini", "tavu", "start", "", 260), "0");
    EXPECT_EQ(CIniFile::GetString(installFolder / "static.ini", "tavu", "CloseType", "", 260), "2");
    EXPECT_EQ(Events(portal->Reports()), (std::vector<std::string>{"1", "2", "3", "1", "2"}));
    EXPECT_EQ(portal->Reports().back().uid, "999");
    EXPECT_EQ(ListFile(installFolder / "unist/Unist.xml").size(), 11u);
}

struct StartCase {
    const char* name;
    const char* commandWord;
    std::optional<std::string> parameters;  // nothing: not started
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class StartOfTheInstalledCopy : public InstallSelfTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartOfTheInstalledCopy, FollowsTheCommandWord)
{
    Install(Installer("12345_678"), GetParam().commandWord);
    if (!GetParam().parameters) {
        EXPECT_TRUE(launches.empty());
    } else {
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches[0].parameters, *GetParam().parameters);
    }
    EXPECT_EQ(Events(portal->Reports()), (std::vector<std::string>{"1", "2", "3"}));
}

INSTANTIATE_TEST_SUITE_P(CommandWords, StartOfTheInstalledCopy,
                         ::testing::Values(StartCase{"Empty", "", "ns "}, StartCase{"Digits", "15", "ns 15"},
                                           StartCase{"Hidden", "-hh", "ns"}, StartCase{"Quiet", "/s", std::nullopt},
                                           StartCase{"QuietInCapitals", "/S", "ns"},
                                           StartCase{"DigitsAndMore", "5x", "ns"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallSelfTest, RunningInstalledCopyIsNotStartedAgain)
{
    // Any running program file named "vuvedaredod" counts, wherever it lies.
    const fs::path running = root / "elsewhere/vuvedaredod";
    fs::create_directories(running.parent_path());
    fs::copy_file("/bin/sleep", running);
    const ProgramNameLock lock;
    realRunningCheck = true;
    ChildProcess sleeper({running.string(), "300"}, {});
    ASSERT_TRUE(WaitFor([&] { return !ProcessesOf(running).empty(); }));
    Install(Installer("12345_678"));
    EXPECT_TRUE(launches.empty());
    EXPECT_TRUE(fs::exists(Program()));
}

TEST_F(InstallSelfTest, NameWithoutUserIdGivesNoUserItem)
{
    Install(Installer("_678.run"));
    for (const auto& [text, type] : ListFile(installFolder / "unist/Unist.xml"))
        EXPECT_NE(type, 8) << text;
    EXPECT_EQ(ListFile(installFolder / "unist/Unist.xml").size(), 10u);
    const auto reports = portal->Reports();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].uid, "");
}

TEST_F(InstallSelfTest, InstalledCopyRunsOnWithoutInstalling)
{
    const fs::path installer = Installer("12345_678");
    WriteFile(downloads / "static.ini", "[tavu]\ninner=1\n");
    EXPECT_TRUE(Install(installer));
    EXPECT_FALSE(fs::exists(dataHome / "gamenest"));
    EXPECT_TRUE(portal->Reports().empty());
    EXPECT_TRUE(launches.empty());
}

TEST_F(InstallSelfTest, NameTheSettingsCannotHoldLeavesNoEarlierName)
{
    Install(Installer("111_1"));
    Install(Installer("222_2\nbad"));
    EXPECT_EQ(CIniFile::GetString(installFolder / "static.ini", "tavu", "filename", "?", 260), "");
    EXPECT_EQ(CIniFile::GetString(installFolder / "static.ini", "tavu", "inner", "", 260), "1");
}

TEST_F(InstallSelfTest, DataFolderOfANewAccountIsCreated)
{
    fs::remove_all(dataHome);
    Install(Installer("12345_678"));
    EXPECT_EQ(ReadFile(Program()), "installer bytes\n");
    EXPECT_TRUE(fs::exists(menuLinks / "Velmoor.desktop"));
    EXPECT_EQ(launches.size(), 1u);
}

TEST(IsAllDigits, TellsDigitWords)
{
    const std::pair<const char*, bool> cases[] = {
        {"", true}, {"0", true}, {"0123456789", true}, {" 5", false}, {"5 ", false},
        {"-5", false}, {"+5", false}, {"5a", false}, {"٣", false}, {"ns", false},
    };
    for (const auto& [text, digits] : cases)
        EXPECT_EQ(CSelfInstaller::IsAllDigits(text), digits) << '"' << text << '"';
}

// Folders that cannot be written or found never stop the run, which still ends as an installer
// run and still reports.
struct FolderFault {
    const char* name;
    void (*make)(InstallFixture&);
};

void PrintTo(const FolderFault& f, std::ostream* os) { *os << f.name; }

class UnwritableFolders : public InstallSelfTest, public ::testing::WithParamInterface<FolderFault> {};

TEST_P(UnwritableFolders, NeverStopTheInstallation)
{
    GetParam().make(*this);
    const fs::path installer = Installer("12345_678");
    ChownTree(root);
    // A process of its own: forking this one, whose libraries may hold locks of other threads,
    // and going on in the child is not safe.
    const std::string helper = std::string(VELMOOR_BINARY_DIR) + "/tests/install_helper";
    std::map<std::string, std::string> env;
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "VELMOOR_PORTAL", "PATH"}) {
        if (const char* value = std::getenv(name))
            env[name] = value;
    }
    const bool ended = RunUnprivileged([&] {
        ChildProcess run({helper, installer.string()}, env, "/");
        return run.Wait(120) == 0;
    });
    EXPECT_TRUE(ended);
    EXPECT_GE(Events(portal->Reports()).size(), 2u);
    EXPECT_FALSE(fs::exists("/gamenest"));
    EXPECT_FALSE(fs::exists("/程序"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UnwritableFolders,
    ::testing::Values(
        FolderFault{"ReadOnlyDataFolder", [](InstallFixture& f) { fs::permissions(f.dataHome, fs::perms::owner_read | fs::perms::owner_exec); }},
        FolderFault{"ReadOnlyInstallFolder", [](InstallFixture& f) {
            fs::create_directories(f.installFolder);
            fs::permissions(f.installFolder, fs::perms::owner_read | fs::perms::owner_exec);
        }},
        FolderFault{"ReadOnlyDesktopAndConfig", [](InstallFixture& f) {
            fs::permissions(f.desktop, fs::perms::owner_read | fs::perms::owner_exec);
            fs::permissions(f.configHome, fs::perms::owner_read | fs::perms::owner_exec);
        }},
        FolderFault{"MissingDesktop", [](InstallFixture& f) { fs::remove_all(f.desktop); }},
        FolderFault{"NoHome", [](InstallFixture&) {
            ::unsetenv("HOME");
            ::unsetenv("XDG_DATA_HOME");
            ::unsetenv("XDG_CONFIG_HOME");
        }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmoor
