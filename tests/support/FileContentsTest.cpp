#include "support/FileContents.h"

#include <gtest/gtest.h>

#include "common/FileText.h"
#include "common/ScratchFolder.h"

#include <glib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace velmoor {
namespace {

namespace fs = std::filesystem;

class FileContentsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder_.empty()); }

    static std::string Read(const fs::path& path)
    {
        return test::ReadFileText(path);
    }
    std::size_t EntryCount() const
    {
        return test::CountEntries(folder_);
    }

    test::ScratchFolder scratch_{"velmoor-atomic"};
    const fs::path& folder_ = scratch_.Path();
};

TEST_F(FileContentsTest, ReplacementKeepsPermissionBits)
{
    const fs::path file = folder_ / "static.ini";
    std::ofstream(file) << "old";
    ::chmod(file.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(file.string(), "new"));
    EXPECT_EQ(Read(file), "new");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileContentsTest, LinkKeepsPointingAtTheReplacedFile)
{
    const fs::path target = folder_ / "real.ini";
    const fs::path link = folder_ / "link.ini";
    std::ofstream(target) << "old";
    fs::create_symlink(target, link);
    ASSERT_TRUE(WriteFileAtomically(link.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(target), "new");
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FileContentsTest, FailuresLeaveNoTrace)
{
    fs::create_directory(folder_ / "sub");
    EXPECT_FALSE(WriteFileAtomically((folder_ / "sub").string(), "x")) << "a folder is never replaced";
    EXPECT_TRUE(fs::is_directory(folder_ / "sub"));
    EXPECT_FALSE(WriteFileAtomically((folder_ / "missing/file").string(), "x"));
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(FileContentsTest, ReadTellsMissingFromUnreadable)
{
    const fs::path file = folder_ / "data";
    const std::string bytes("a\0b\xFF", 4);
    std::ofstream(file, std::ios::binary) << bytes;
    std::string content = "stale";
    EXPECT_EQ(ReadWholeFile(file.string(), content), ReadResult::Ok);
    EXPECT_EQ(content, bytes);
    EXPECT_EQ(ReadWholeFile((folder_ / "missing").string(), content), ReadResult::Missing);
    EXPECT_EQ(content, "");
    EXPECT_EQ(ReadWholeFile((folder_ / "data/below").string(), content), ReadResult::Missing);
    EXPECT_EQ(ReadWholeFile(folder_.string(), content), ReadResult::Unreadable);
    EXPECT_EQ(ReadWholeFile("/dev/zero", content), ReadResult::Unreadable) << "endless devices are not read";
}

}  // namespace
}  // namespace velmoor
