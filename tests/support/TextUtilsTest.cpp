#include "support/TextUtils.h"

#include <gtest/gtest.h>

#include <string>

namespace velmoor {
namespace {

using namespace std::string_literals;

TEST(TextUtils, ValidatesUtf8)
{
    const struct {
        std::string text;
        bool valid;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"中文 ✓ 😀", true},
        {"\xFF", false},
        {"\xC0\xAF", false},          // overlong "/"
        {"\xE0\x80\xAF", false},      // overlong "/"
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // past U+10FFFF
        {"\xE4\xB8", false},          // cut sequence
        {"a\x80", false},             // lone continuation byte
        {"nul\0inside"s, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(TextUtils, TruncatesAtCodePoints)
{
    const struct {
        std::string text;
        std::size_t max;
        std::string expected;
    } cases[] = {
        {"abc", 0, ""},
        {"abc", 2, "ab"},
        {"abc", 3, "abc"},
        {"abc", 10, "abc"},
        {"中文字", 2, "中文"},
        {"a😀b", 2, "a😀"},
        {"😀", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TruncateCodePoints(c.text, c.max), c.expected) << c.text << " / " << c.max;
}

TEST(TextUtils, FoldsAsciiCaseOnly)
{
    EXPECT_TRUE(EqualsIgnoreAsciiCase("Desktop.INI", "desktop.ini"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("desktop.ini", "desktop.in"));
    EXPECT_FALSE(EqualsIgnoreAsciiCase("Ä", "ä"));
    EXPECT_EQ(ToLowerAscii("VuVe.EXE中"), "vuve.exe中");
    EXPECT_EQ(TrimWhiteSpace(" \t\r\n x y \r\n"), "x y");
}

}  // namespace
}  // namespace velmoor
