#include "support/Md5Hex.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace velmoor {
namespace {

// Switches the whole locale for the life of the object and puts the previous one back.
class LocaleScope {
public:
    explicit LocaleScope(const char* name)
    {
        const char* old = std::setlocale(LC_ALL, nullptr);
        previous = old ? old : "C";
        active = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleScope() { std::setlocale(LC_ALL, previous.c_str()); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

    bool Active() const { return active; }

private:
    std::string previous;
    bool active = false;
};

struct DigestCase {
    std::string text;
    std::string digest;
};

void PrintTo(const DigestCase& c, std::ostream* os)
{
    *os << '"' << c.text.substr(0, 20) << (c.text.size() > 20 ? "...\"" : "\"");
}

// RFC 1321 appendix A.5, texts around the 55/56/64-byte padding boundaries and a signed report
// line: plain ASCII, so the digest is the same in every locale.
const DigestCase kAsciiCases[] = {
    {"", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57edf4a22be3c955ac49da2e2107b67a"},
    {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
    {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
    {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
    {"tavu|77|1|159372|||||00-1A-2B-3C-4D-5E|999Rk%wTb&HzNdq", "4c8cde94414d3d725dcca03801a20316"},
    {std::string("abc\0def", 7), "900150983cd24fb0d6963f7d28e17f72"},  // stops at the zero
    {std::string("\0abc", 4), "d41d8cd98f00b204e9800998ecf8427e"},
};

struct LocaleCase {
    const char* name;    // test name
    const char* locale;  // a locale every Debian system has
    DigestCase digest;
};

void PrintTo(const LocaleCase& c, std::ostream* os)
{
    *os << c.name;
}

// Texts beyond ASCII: in a UTF-8 locale their UTF-8 bytes are digested, in the plain "C" locale
// every character it cannot hold becomes "?" first.
const LocaleCase kLocaleCases[] = {
    {"Utf8Chinese", "C.UTF-8", {"中文签名", "ff7cc2fe46e4f5c086fa942f0d300d9a"}},      // md5 of its UTF-8 bytes
    {"Utf8Accent", "C.UTF-8", {"aé", "128fda53c8c07c8c66f2a4812187d92f"}},             // "a\xC3\xA9"
    {"Utf8IllFormedByte", "C.UTF-8", {"a\xFF", "ef175e9b596d296034dda690087252f8"}},    // "a" U+FFFD
    {"AsciiChinese", "C", {"中文签名", "e94f0bfab8c987a7437ba4e1697c1cc0"}},             // "????"
    {"AsciiAccent", "C", {"aé", "771d1f0f5e79495265522d3392ffbadb"}},                   // "a?"
    {"AsciiIllFormedByte", "C", {"a\xFF", "771d1f0f5e79495265522d3392ffbadb"}},         // "a?"
    {"AsciiTwoCharacters", "C", {"é€", "ea03fcb8c47822bce772cf6c07d0ebbb"}},           // "??"
};

class Md5HexAscii : public ::testing::TestWithParam<DigestCase> {};

TEST_P(Md5HexAscii, GivesTheKnownDigestInEveryLocale)
{
    for (const char* locale : {"C", "C.UTF-8"}) {
        LocaleScope scope(locale);
        ASSERT_TRUE(scope.Active()) << locale;
        EXPECT_EQ(Md5Hex(GetParam().text), GetParam().digest) << locale;
    }
}

INSTANTIATE_TEST_SUITE_P(Rfc1321AndPadding, Md5HexAscii, ::testing::ValuesIn(kAsciiCases));

class Md5HexCodeset : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(Md5HexCodeset, DigestsTheTextInTheLocalesCodeset)
{
    LocaleScope scope(GetParam().locale);
    ASSERT_TRUE(scope.Active()) << GetParam().locale;
    EXPECT_EQ(Md5Hex(GetParam().digest.text), GetParam().digest.digest);
}

INSTANTIATE_TEST_SUITE_P(Locales, Md5HexCodeset, ::testing::ValuesIn(kLocaleCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmoor
