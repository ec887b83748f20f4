#include "app/CIniFile.h"

#include "../support/UnprivilegedRun.h"

#include <gtest/gtest.h>

#include "common/FileText.h"

#include <glib.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace velmoor {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char* made = g_dir_make_tmp("velmoor-ini-XXXXXX", nullptr);
        ASSERT_NE(made, nullptr);
        folder_ = made;
        g_free(made);
        path_ = (folder_ / "static.ini").string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    void Put(const std::string& content) const
    {
        std::ofstream(path_, std::ios::binary) << content;
    }
    std::string Contents() const
    {
        return test::ReadFileText(path_);
    }
    std::size_t EntryCount() const
    {
        return test::CountEntries(folder_);
    }

    fs::path folder_;
    std::string path_;
};

// --- Reading strings -------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    std::string content;
    std::string section;
    std::string key;
    std::string expected;  // with the default "DEF" and a 260-character buffer
};

class IniReadTest : public IniFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(IniReadTest, ReadsTheValueOrTheDefault)
{
    Put(GetParam().content);
    EXPECT_EQ(CIniFile::GetString(path_, GetParam().section, GetParam().key, "DEF", 260), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Semantics, IniReadTest,
    ::testing::Values(
        ReadCase{"Plain", "[tavu]\nuid=123\n", "tavu", "uid", "123"},
        ReadCase{"NamesIgnoreCase", "[TaVu]\nUID=1\n", "tavu", "Uid", "1"},
        ReadCase{"FirstKeyWins", "[tavu]\na=1\nA=2\n", "tavu", "a", "1"},
        ReadCase{"FirstSectionWins", "[tavu]\na=1\n[TAVU]\nb=2\n", "tavu", "b", "DEF"},
        ReadCase{"NamesAndValueTrimmed", "  [ tavu ]  \n\t uid  =  12 3 \t\n", "tavu", "uid", "12 3"},
        ReadCase{"EmptyValueIsNotAbsent", "[tavu]\nhotkey=\n", "tavu", "hotkey", ""},
        ReadCase{"ValueMayHoldEquals", "[tavu]\nurl=a=b\n", "tavu", "url", "a=b"},
        ReadCase{"MissingSection", "[other]\nuid=1\n", "tavu", "uid", "DEF"},
        ReadCase{"MissingKey", "[tavu]\nstart=1\n", "tavu", "uid", "DEF"},
        ReadCase{"KeyOfAnotherSection", "[other]\nuid=1\n[tavu]\nx=2\n", "tavu", "uid", "DEF"},
        ReadCase{"KeyBeforeAnySection", "uid=1\n[tavu]\n", "tavu", "uid", "DEF"},
        ReadCase{"CommentIsNoKey", "[tavu]\n;uid=5\n", "tavu", "uid", "DEF"},
        ReadCase{"LineWithoutEqualsIsNoKey", "[tavu]\nuid\n", "tavu", "uid", "DEF"},
        ReadCase{"Crlf", "[tavu]\r\nuid=7\r\n", "tavu", "uid", "7"},
        ReadCase{"BomAndNoFinalNewline", "\xEF\xBB\xBF[tavu]\nuid=8", "tavu", "uid", "8"},
        ReadCase{"Utf8Value", "[tavu]\nhotName=中文\n", "tavu", "hotName", "中文"},
        ReadCase{"InvalidUtf8ValueReadsDefault", "[tavu]\nuid=a\xFF\xFE\n", "tavu", "uid", "DEF"},
        ReadCase{"ZeroByteInValueReadsDefault", "[tavu]\nuid=1\0002\n"s, "tavu", "uid", "DEF"},
        ReadCase{"BinaryGarbageAround", "\x01\x02\0\xFF[\n[tavu]\nuid=1\n\0\0\xFF\xFE"s, "tavu", "uid", "1"},
        ReadCase{"EmptyFile", "", "tavu", "uid", "DEF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, MissingFileOrFolderReadsTheDefault)
{
    EXPECT_EQ(CIniFile::GetString(path_, "tavu", "uid", "DEF", 260), "DEF");
    EXPECT_EQ(CIniFile::GetInt(path_, "tavu", "start", -1), -1);
    EXPECT_EQ(CIniFile::GetString(folder_.string(), "tavu", "uid", "DEF", 260), "DEF");
}

struct CutCase {
    const char* name;
    std::string value;
    int bufferChars;
    std::string expected;
};

class IniCutTest : public IniFileTest, public ::testing::WithParamInterface<CutCase> {};

// The reading buffer holds N characters including the terminator: values and defaults alike
// come back with at most N-1 code points.
TEST_P(IniCutTest, CutsToTheBufferLessOne)
{
    Put("[tavu]\nv=" + GetParam().value + "\n");
    EXPECT_EQ(CIniFile::GetString(path_, "tavu", "v", "", GetParam().bufferChars), GetParam().expected);
    EXPECT_EQ(CIniFile::GetString(path_, "tavu", "absent", GetParam().value, GetParam().bufferChars),
              GetParam().expected);
}

std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Buffers, IniCutTest,
    ::testing::Values(
        CutCase{"Launcher", Repeat("x", 300), 260, Repeat("x", 259)},
        CutCase{"LauncherExactFit", Repeat("x", 259), 260, Repeat("x", 259)},
        CutCase{"InstallationCheck", Repeat("1", 150), 100, Repeat("1", 99)},
        CutCase{"CountsCodePointsNotBytes", Repeat("中", 300), 260, Repeat("中", 259)},
        CutCase{"NeverInsideASequence", "ab中文", 4, "ab中"},
        CutCase{"OneCharacterBufferIsEmpty", "abc", 1, ""},
        CutCase{"NoBufferIsEmpty", "abc", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Reading integers ------------------------------------------------------------------------

struct IntCase {
    const char* name;
    std::optional<std::string> value;  // nullopt: key absent
    int expected;                      // with the default -1
};

class IniIntTest : public IniFileTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IniIntTest, ReadsDecimalPrefix)
{
    Put(GetParam().value ? "[tavu]\nstart=" + *GetParam().value + "\n" : "[tavu]\n");
    EXPECT_EQ(CIniFile::GetInt(path_, "tavu", "start", -1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniIntTest,
    ::testing::Values(
        IntCase{"Absent", std::nullopt, -1},
        IntCase{"Empty", "", -1},
        IntCase{"One", "1", 1},
        IntCase{"Negative", "-1", -1},
        IntCase{"PlusSign", "+7", 7},
        IntCase{"Trimmed", "  42  ", 42},
        IntCase{"DigitsUpToTheFirstOther", "12abc", 12},
        IntCase{"NoDigits", "abc", 0},
        IntCase{"SignOnly", "-", 0},
        IntCase{"HexIsNotRead", "0x10", 0},
        IntCase{"TooLargeSaturates", "99999999999", INT_MAX},
        IntCase{"TooSmallSaturates", "-99999999999", INT_MIN},
        IntCase{"Minimum", "-2147483648", INT_MIN}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Writing ---------------------------------------------------------------------------------

struct WriteCase {
    const char* name;
    std::optional<std::string> before;  // nullopt: no file yet
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

class IniWriteTest : public IniFileTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyTheKey)
{
    if (GetParam().before)
        Put(*GetParam().before);
    ASSERT_TRUE(CIniFile::WriteString(path_, GetParam().section, GetParam().key, GetParam().value));
    EXPECT_EQ(Contents(), GetParam().after);
    EXPECT_EQ(EntryCount(), 1u) << "no temporary file may be left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Layout, IniWriteTest,
    ::testing::Values(
        WriteCase{"CreatesFileAndSection", std::nullopt, "tavu", "uid", "1", "[tavu]\nuid=1\n"},
        WriteCase{"ReplacesInPlaceKeepingOtherLines", "; note\n[tavu]\nuid=old\n\nfoo=bar\n", "tavu", "uid", "new",
                  "; note\n[tavu]\nuid=new\n\nfoo=bar\n"},
        WriteCase{"KeepsTheStoredSpelling", "[TAVU]\n  UID = x \n", "tavu", "uid", "y", "[TAVU]\nUID=y\n"},
        WriteCase{"ReplacesOnlyTheFirstOfTwo", "[tavu]\na=1\na=2\n", "tavu", "A", "9", "[tavu]\na=9\na=2\n"},
        WriteCase{"AppendsAtTheEndOfItsSection", "[tavu]\na=1\n\n[other]\nb=2\n", "tavu", "c", "3",
                  "[tavu]\na=1\nc=3\n\n[other]\nb=2\n"},
        WriteCase{"UsesTheFirstOfTwoSections", "[tavu]\na=1\n[tavu]\nc=0\n", "tavu", "c", "3",
                  "[tavu]\na=1\nc=3\n[tavu]\nc=0\n"},
        WriteCase{"HeaderWithoutNewline", "[tavu]", "tavu", "a", "1", "[tavu]\na=1\n"},
        WriteCase{"AppendsSectionAfterLastLine", "[other]\nb=2", "tavu", "uid", "1", "[other]\nb=2\n[tavu]\nuid=1\n"},
        WriteCase{"KeepsCrlf", "[tavu]\r\na=1\r\n", "tavu", "b", "2", "[tavu]\r\na=1\r\nb=2\r\n"},
        WriteCase{"KeepsEachLinesEnding", "[tavu]\r\na=1\nb=2\r\n", "tavu", "a", "3", "[tavu]\r\na=3\nb=2\r\n"},
        WriteCase{"KeepsTheBom", "\xEF\xBB\xBF[tavu]\na=1\n", "tavu", "a", "2", "\xEF\xBB\xBF[tavu]\na=2\n"},
        WriteCase{"KeepsGarbageLines", "\x01\0\xFFzz\n[tavu]\na=1\n"s, "tavu", "a", "2", "\x01\0\xFFzz\n[tavu]\na=2\n"s},
        WriteCase{"EmptyValue", "[tavu]\nhotkey=121\n", "tavu", "hotkey", "", "[tavu]\nhotkey=\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, WrittenValuesReadBack)
{
    ASSERT_TRUE(CIniFile::WriteString(path_, "tavu", "filename", "玩家_名字.exe"));
    ASSERT_TRUE(CIniFile::WriteString(path_, "tavu", "start", "1"));
    ASSERT_TRUE(CIniFile::WriteString(path_, "tavu", "hotkey", "-1"));
    EXPECT_EQ(CIniFile::GetString(path_, "tavu", "filename", "", 260), "玩家_名字.exe");
    EXPECT_EQ(CIniFile::GetInt(path_, "tavu", "start", -1), 1);
    EXPECT_EQ(CIniFile::GetInt(path_, "tavu", "hotkey", 121), -1);
}

struct RejectCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
};

class IniRejectTest : public IniFileTest, public ::testing::WithParamInterface<RejectCase> {};

// Each of these would corrupt the file or read back as something else.
TEST_P(IniRejectTest, RefusesAndLeavesTheFile)
{
    const std::string before = "[tavu]\nuid=1\n";
    Put(before);
    EXPECT_FALSE(CIniFile::WriteString(path_, GetParam().section, GetParam().key, GetParam().value));
    EXPECT_EQ(Contents(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Unstorable, IniRejectTest,
    ::testing::Values(
        RejectCase{"LineBreakInValue", "tavu", "uid", "1\n[evil]"},
        RejectCase{"CarriageReturnInValue", "tavu", "uid", "1\r"},
        RejectCase{"ZeroByteInValue", "tavu", "uid", "1\0002"s},
        RejectCase{"InvalidUtf8Value", "tavu", "uid", "\xFF"},
        RejectCase{"EqualsInKey", "tavu", "a=b", "1"},
        RejectCase{"EmptyKey", "tavu", " ", "1"},
        RejectCase{"KeyLikeASection", "tavu", "[x", "1"},
        RejectCase{"KeyLikeAComment", "tavu", ";x", "1"},
        RejectCase{"EmptySection", "", "uid", "1"},
        RejectCase{"BracketInSection", "ta]vu", "uid", "1"},
        RejectCase{"LineBreakInSection", "ta\nvu", "uid", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Failures and garbage --------------------------------------------------------------------

TEST_F(IniFileTest, MissingFolderFailsWithoutCreatingAnything)
{
    const std::string path = (folder_ / "absent" / "static.ini").string();
    EXPECT_FALSE(CIniFile::WriteString(path, "tavu", "uid", "1"));
    EXPECT_FALSE(fs::exists(folder_ / "absent"));
}

TEST_F(IniFileTest, FolderInPlaceOfTheFileFails)
{
    fs::create_directory(path_);
    EXPECT_FALSE(CIniFile::WriteString(path_, "tavu", "uid", "1"));
    EXPECT_TRUE(fs::is_directory(path_));
}

TEST_F(IniFileTest, ReadOnlyFolderFailsAndKeepsTheOldFile)
{
    const std::string before = "[tavu]\nuid=old\n";
    Put(before);
    testing::ChownTree(folder_);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read
                                 | fs::perms::others_exec);
    const std::string path = path_;
    EXPECT_TRUE(testing::RunUnprivileged([&] { return !CIniFile::WriteString(path, "tavu", "uid", "new"); }));
    EXPECT_EQ(Contents(), before);
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(IniFileTest, ReadOnlyFileIsNotReplaced)
{
    const std::string before = "[tavu]\nuid=old\n";
    Put(before);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::others_read);
    testing::ChownTree(folder_);
    const std::string path = path_;
    EXPECT_TRUE(testing::RunUnprivileged([&] { return !CIniFile::WriteString(path, "tavu", "uid", "new"); }));
    EXPECT_EQ(Contents(), before);
}

TEST_F(IniFileTest, MegabyteLineIsReadPastAndKept)
{
    const std::string longLine(1 << 20, 'x');
    Put(longLine + "\n[tavu]\nuid=5");
    EXPECT_EQ(CIniFile::GetString(path_, "tavu", "uid", "", 260), "5");
    ASSERT_TRUE(CIniFile::WriteString(path_, "tavu", "uid", "6"));
    EXPECT_TRUE(Contents() == longLine + "\n[tavu]\nuid=6") << "the long line must stay byte for byte";
}

TEST_F(IniFileTest, BinaryFileReadsDefaultsAndKeepsItsBytes)
{
    std::string noise;
    unsigned state = 12345;
    for (int i = 0; i < 65536; ++i) {
        state = state * 1103515245u + 12345u;
        noise += static_cast<char>(state >> 24);
    }
    noise += '\n';
    Put(noise);
    EXPECT_EQ(CIniFile::GetString(path_, "tavu", "uid", "DEF", 260), "DEF");
    EXPECT_EQ(CIniFile::GetInt(path_, "tavu", "start", -1), -1);
    ASSERT_TRUE(CIniFile::WriteString(path_, "tavu", "uid", "1"));
    EXPECT_TRUE(Contents().substr(0, noise.size()) == noise) << "the garbage must stay byte for byte";
    EXPECT_EQ(CIniFile::GetString(path_, "tavu", "uid", "DEF", 260), "1");
}

TEST_F(IniFileTest, LargeFileIsReadCompletely)
{
    std::string content = "[tavu]\n";
    for (int i = 0; i < 100000; ++i)
        content += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    Put(content);
    EXPECT_EQ(CIniFile::GetInt(path_, "tavu", "k99999", -1), 99999);
}

}  // namespace
}  // namespace velmoor
