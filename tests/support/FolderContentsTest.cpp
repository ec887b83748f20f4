#include "support/FolderContents.h"

#include "UnprivilegedRun.h"

#include <gtest/gtest.h>

#include <glib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace velmoor {
namespace {

namespace fs = std::filesystem;

class FolderContentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char* made = g_dir_make_tmp("velmoor-del-XXXXXX", nullptr);
        ASSERT_NE(made, nullptr);
        root_ = made;
        g_free(made);
        cache_ = root_ / "cache";
        fs::create_directory(cache_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(root_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add | fs::perm_options::nofollow, ignored);
        fs::remove_all(root_, ignored);
    }

    void File(const fs::path& relative) const
    {
        fs::create_directories((cache_ / relative).parent_path());
        std::ofstream(cache_ / relative) << "data";
    }

    // Every path below `folder`, relative to it, folders marked with a trailing "/".
    static std::set<std::string> Tree(const fs::path& folder)
    {
        std::set<std::string> paths;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            std::string relative = fs::relative(entry.path(), folder).string();
            if (entry.is_directory() && !entry.is_symlink())
                relative += "/";
            paths.insert(relative);
        }
        return paths;
    }

    fs::path root_;
    fs::path cache_;
};

TEST_F(FolderContentsTest, RemovesReadOnlyFilesAndNestedFoldersButNotTheFolder)
{
    File("plain.tmp");
    File("readonly.tmp");
    fs::permissions(cache_ / "readonly.tmp", fs::perms::owner_read);
    File("a/b/c/deep.tmp");
    File("locked/inner.tmp");
    fs::permissions(cache_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    fs::permissions(cache_ / "a/b", fs::perms::none);
    testing::ChownTree(root_);

    const std::string cache = cache_.string();
    EXPECT_TRUE(testing::RunUnprivileged([&] { return DeleteFolderContents(cache, true); }));
    EXPECT_TRUE(fs::is_directory(cache_));
    EXPECT_TRUE(Tree(cache_).empty());
}

struct DesktopIniCase {
    const char* name;
    bool deleteAll;
    std::set<std::string> left;
};

class DesktopIniTest : public FolderContentsTest, public ::testing::WithParamInterface<DesktopIniCase> {};

// A kept "desktop.ini" also keeps the folder it lies in, at any depth.
TEST_P(DesktopIniTest, KeepsDesktopIniUnlessDeletingAll)
{
    File("desktop.ini");
    File("junk.dat");
    File("Sub/DESKTOP.INI");
    File("Sub/junk.dat");
    File("Sub/Deeper/Desktop.Ini");
    File("Other/junk.dat");
    File("desktop.ini.bak");
    EXPECT_TRUE(DeleteFolderContents(cache_.string(), GetParam().deleteAll));
    EXPECT_EQ(Tree(cache_), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Flag, DesktopIniTest,
    ::testing::Values(
        DesktopIniCase{"KeepDesktopIni", false,
                       {"desktop.ini", "Sub/", "Sub/DESKTOP.INI", "Sub/Deeper/", "Sub/Deeper/Desktop.Ini"}},
        DesktopIniCase{"DeleteAll", true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderContentsTest, RemovesLinksWithoutTouchingTheirTargets)
{
    const fs::path outside = root_ / "outside";
    fs::create_directories(outside / "nested");
    std::ofstream(outside / "keep.txt") << "precious";
    std::ofstream(outside / "nested/keep.txt") << "precious";
    fs::create_directory_symlink(outside, cache_ / "dirlink");
    fs::create_symlink(outside / "keep.txt", cache_ / "filelink");
    fs::create_symlink(root_ / "nowhere", cache_ / "dangling");
    File("sub/x.tmp");
    fs::create_directory_symlink(outside / "nested", cache_ / "sub/innerlink");

    EXPECT_TRUE(DeleteFolderContents(cache_.string(), true));
    EXPECT_TRUE(Tree(cache_).empty());
    EXPECT_EQ(Tree(outside), (std::set<std::string>{"keep.txt", "nested/", "nested/keep.txt"}));
}

TEST_F(FolderContentsTest, FolderThatCannotBeListedFails)
{
    File("file.tmp");
    EXPECT_FALSE(DeleteFolderContents((root_ / "missing").string(), true));
    EXPECT_FALSE(DeleteFolderContents((cache_ / "file.tmp").string(), true));
    EXPECT_FALSE(DeleteFolderContents("", true));
    EXPECT_TRUE(fs::exists(cache_ / "file.tmp"));
}

}  // namespace
}  // namespace velmoor
