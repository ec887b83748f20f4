#include "support/FileUtils.h"
#include "support/UserFolders.h"

#include <gtest/gtest.h>

#include "common/ScopedEnv.h"
#include "common/ScratchFolder.h"

#include <glib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace velmoor {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;
using test::ScratchFolder;

TEST(ProgramPath, NamesTheRunningTestProgram)
{
    const std::string path = GetProgramPath();
    const std::string folder = GetProgramFolder();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(fs::path(path).filename(), "test_support");
    EXPECT_TRUE(fs::is_regular_file(path));
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder + "test_support", path);
    EXPECT_EQ(GetProgramTitle(), "test_support");
}

TEST(PathExistsTest, TellsFilesAndFoldersFromNothing)
{
    const ScratchFolder scratch;
    const fs::path file = scratch.Path() / "file";
    std::ofstream(file) << "x";
    fs::create_symlink(scratch.Path() / "gone", scratch.Path() / "dangling");
    EXPECT_TRUE(PathExists(file.string()));
    EXPECT_TRUE(PathExists(scratch.Path().string()));
    EXPECT_TRUE(PathExists(scratch.Path().string() + "/"));
    EXPECT_FALSE(PathExists((scratch.Path() / "missing").string()));
    EXPECT_FALSE(PathExists((scratch.Path() / "dangling").string()));
    EXPECT_FALSE(PathExists(""));
}

struct XdgCase {
    const char* name;
    std::optional<std::string> home;
    std::optional<std::string> dataHome;
    std::optional<std::string> configHome;
    std::string appData;
    std::string config;
    std::string startMenu;
};

class XdgFolderTest : public ::testing::TestWithParam<XdgCase> {};

TEST_P(XdgFolderTest, FollowsTheBaseDirectoryRules)
{
    const ScopedEnv home("HOME", GetParam().home);
    const ScopedEnv data("XDG_DATA_HOME", GetParam().dataHome);
    const ScopedEnv config("XDG_CONFIG_HOME", GetParam().configHome);
    EXPECT_EQ(GetAppDataFolder(), GetParam().appData);
    EXPECT_EQ(GetConfigFolder(), GetParam().config);
    EXPECT_EQ(GetStartMenuFolder(), GetParam().startMenu);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, XdgFolderTest,
    ::testing::Values(
        XdgCase{"HomeDefaults", "/h", std::nullopt, std::nullopt, "/h/.local/share", "/h/.config",
                "/h/.local/share/applications"},
        XdgCase{"HomeWithSlash", "/h/", std::nullopt, std::nullopt, "/h/.local/share", "/h/.config",
                "/h/.local/share/applications"},
        XdgCase{"XdgVariables", "/h", "/data/", "/conf", "/data", "/conf", "/data/applications"},
        XdgCase{"EmptyOrRelativeXdgIgnored", "/h", "", "rel/conf", "/h/.local/share", "/h/.config",
                "/h/.local/share/applications"},
        XdgCase{"NoHome", std::nullopt, std::nullopt, std::nullopt, "", "", ""},
        XdgCase{"RelativeHome", "home", std::nullopt, std::nullopt, "", "", ""},
        XdgCase{"NoHomeButXdg", std::nullopt, "/data", "/conf", "/data", "/conf", "/data/applications"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DesktopCase {
    const char* name;
    std::optional<std::string> userDirs;  // nullopt: no user-dirs.dirs
    std::string desktop;
};

class DesktopFolderTest : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(DesktopFolderTest, ReadsUserDirs)
{
    const ScratchFolder config;
    if (GetParam().userDirs)
        std::ofstream(config.Path() / "user-dirs.dirs") << *GetParam().userDirs;
    const ScopedEnv home("HOME", std::string("/h"));
    const ScopedEnv configHome("XDG_CONFIG_HOME", config.Path().string());
    EXPECT_EQ(GetDesktopFolder(), GetParam().desktop);
}

INSTANTIATE_TEST_SUITE_P(
    UserDirs, DesktopFolderTest,
    ::testing::Values(
        DesktopCase{"NoFile", std::nullopt, "/h/Desktop"},
        DesktopCase{"RelativeToHome", "# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", "/h/Schreibtisch"},
        DesktopCase{"Absolute", "XDG_DESKTOP_DIR=\"/data/desk/\"\n", "/data/desk"},
        DesktopCase{"HomeItself", "XDG_DESKTOP_DIR=\"$HOME/\"\n", "/h"},
        DesktopCase{"EscapedQuote", "XDG_DESKTOP_DIR=\"$HOME/My \\\"D\\\"\"\n", "/h/My \"D\""},
        DesktopCase{"LaterLineWins", "XDG_DESKTOP_DIR=\"$HOME/a\"\nXDG_DESKTOP_DIR=\"$HOME/b\"\n", "/h/b"},
        DesktopCase{"CommentedOut", "#XDG_DESKTOP_DIR=\"$HOME/x\"\nXDG_MUSIC_DIR=\"$HOME/M\"\n", "/h/Desktop"},
        DesktopCase{"RelativeIgnored", "XDG_DESKTOP_DIR=\"Desk\"\n", "/h/Desktop"},
        DesktopCase{"OtherVariableIgnored", "XDG_DESKTOP_DIR=\"$HOMEX/y\"\n", "/h/Desktop"},
        DesktopCase{"UnclosedIgnored", "XDG_DESKTOP_DIR=\"$HOME/z\n", "/h/Desktop"},
        DesktopCase{"Garbage", std::string("\0\xFF\xFE\n[x]\n", 8), "/h/Desktop"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopFolder, EmptyWithoutHome)
{
    const ScopedEnv home("HOME", std::nullopt);
    EXPECT_EQ(GetDesktopFolder(), "");
}

TEST(UserDataFolder, IsCreatedBelowTheAppDataFolder)
{
    const ScratchFolder scratch;
    const std::string dataHome = (scratch.Path() / "not/yet").string();
    const ScopedEnv data("XDG_DATA_HOME", dataHome);
    EXPECT_EQ(GetUserDataFolder(), dataHome + "/Rovevar/");
    EXPECT_TRUE(fs::is_directory(dataHome + "/Rovevar"));
    EXPECT_EQ(GetUserDataFolder(), dataHome + "/Rovevar/");
}

TEST(UserDataFolder, EmptyWithoutAnAppDataFolder)
{
    const ScopedEnv home("HOME", std::nullopt);
    const ScopedEnv data("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(GetUserDataFolder(), "");
}

}  // namespace
}  // namespace velmoor
