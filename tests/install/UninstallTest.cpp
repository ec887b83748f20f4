#include "InstallFixture.h"

#include "app/CIniFile.h"
#include "app/CSelfInstaller.h"

#include <gtest/gtest.h>

namespace velmoor {
namespace {

using namespace velmoor::testing;

// Installs with the running-program check's seams closed, then runs the installed uninstaller.
class UninstallTest : public ::testing::Test, public InstallFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(portal->Started());
        // The installer is a real program, so that the installed copy can be run.
        const fs::path installer = downloads / "12345_678";
        fs::copy_file("/bin/sleep", installer);
        CSelfInstaller self(installer.string());
        self.Launch = [](const std::string&, const std::string&, const std::string&) { return true; };
        self.IsRunning = [](const std::string&) { return false; };
        self.Run("");
        ASSERT_TRUE(fs::exists(installFolder / "unists"));
    }

    std::optional<int> Uninstall()
    {
        ChildProcess unists({(installFolder / "unists").string(), "/s"}, Environment(), root.string());
        return unists.Wait();
    }

    void Plant(const fs::path& path) { WriteFile(path, "keep me\n"); }
};

TEST_F(UninstallTest, RemovesEverythingTheInstallationMade)
{
    const fs::path otherLink = dataHome / "applications/程序/Other.desktop";
    const fs::path ownDesktopFile = desktop / "notes.txt";
    Plant(otherLink);
    Plant(ownDesktopFile);
    Plant(configHome / "gamenest/other.ini");
    CIniFile::WriteString(keyStore, "SOFTWARE\\Other", "DisplayName", "Other");

    EXPECT_EQ(Uninstall(), 0);
    for (const fs::path& gone : {dataHome / "gamenest", menuLinks.parent_path(), desktop / "Velmoor.desktop", icon})
        EXPECT_FALSE(fs::exists(gone)) << gone;
    EXPECT_EQ(ReadFile(keyStore), "[SOFTWARE\\Other]\nDisplayName=Other\n");
    for (const fs::path& kept : {otherLink, ownDesktopFile, configHome / "gamenest/other.ini"})
        EXPECT_TRUE(fs::exists(kept)) << kept;
    EXPECT_TRUE(fs::exists(dataHome / "icons/hicolor/256x256/apps"));
}

TEST_F(UninstallTest, LeavesNoEmptyFoldersOrStoreBehind)
{
    EXPECT_EQ(Uninstall(), 0);
    EXPECT_FALSE(fs::exists(dataHome / "applications/程序"));
    EXPECT_FALSE(fs::exists(configHome / "gamenest"));
    EXPECT_TRUE(fs::exists(desktop));
    EXPECT_TRUE(fs::exists(dataHome / "applications"));
}

TEST_F(UninstallTest, EndsTheRunningProgramFirst)
{
    const ProgramNameLock lock;
    ChildProcess running({(installFolder / "vuvedaredod").string(), "300"}, {}, installFolder.string());
    ASSERT_TRUE(WaitFor([&] { return !ProcessesOf(installFolder / "vuvedaredod").empty(); }));
    EXPECT_EQ(Uninstall(), 0);
    EXPECT_TRUE(running.Wait(30).has_value());
    EXPECT_FALSE(fs::exists(installFolder));
}

TEST_F(UninstallTest, TamperedListLeavesOtherFilesAlone)
{
    const fs::path outside = home / "documents";
    const std::vector<fs::path> precious = {
        outside / "precious.txt", desktop / "notes.txt", desktop / "other.desktop",
        dataHome / "applications/firefox.desktop", outside / "folder/inner.txt",
        dataHome / "gamenest/sibling/data.txt", home / "程序/Velmoor/Velmoor/Velmoor.desktop",
    };
    for (const fs::path& path : precious)
        Plant(path);
    const std::pair<std::string, int> items[] = {
        {(outside / "precious.txt").string(), 3},
        {(desktop / "notes.txt").string(), 3},
        {(desktop / "other.desktop").string(), 3},
        {(menuLinks / "../../../firefox.desktop").string(), 3},
        {(installFolder / "../sibling/data.txt").string(), 3},
        {"precious.txt", 3},
        {(outside / "folder").string(), 4},
        {(installFolder / "../sibling").string(), 4},
        {"../../../home/documents", 5},
        {"..", 10},
        {"sibling", 10},
        {"/", 10},
    };
    std::string xml = "<?xml version=\"1.0\"?>\n<unist>\n";
    for (const auto& [name, type] : items)
        xml += "<Node><Name>" + name + "</Name><Type>" + std::to_string(type) + "</Type></Node>\n";
    WriteFile(installFolder / "unist/Unist.xml", xml + "</unist>\n");

    EXPECT_EQ(Uninstall(), 0);
    for (const fs::path& path : precious)
        EXPECT_EQ(ReadFile(path), "keep me\n") << path;
    // Nothing the list names of the installation itself, so it stays.
    EXPECT_TRUE(fs::exists(installFolder / "vuvedaredod"));
}

TEST_F(UninstallTest, UninstallerCopiedElsewhereRemovesNothing)
{
    const fs::path copy = home / "unists";
    fs::copy_file(installFolder / "unists", copy);
    fs::create_directories(home / "unist");
    fs::copy_file(installFolder / "unist/Unist.xml", home / "unist/Unist.xml");
    ChildProcess unists({copy.string(), "/s"}, Environment(), root.string());
    EXPECT_EQ(unists.Wait(), 2);
    EXPECT_TRUE(fs::exists(installFolder / "vuvedaredod"));
    EXPECT_TRUE(fs::exists(desktop / "Velmoor.desktop"));
}

TEST_F(UninstallTest, WithoutADisplayAndUnconfirmedNothingIsRemoved)
{
    auto env = Environment();
    env.erase("DISPLAY");
    ChildProcess unists({(installFolder / "unists").string()}, env, root.string());
    EXPECT_EQ(unists.Wait(), 1);
    EXPECT_TRUE(fs::exists(installFolder / "vuvedaredod"));
    EXPECT_TRUE(fs::exists(keyStore));
}

}  // namespace
}  // namespace velmoor
