#include "support/Md5Hex.h"

#include <gtest/gtest.h>

#include <string>

namespace velmoor {
namespace {

struct DigestCase {
    std::string text;
    std::string digest;
};

void PrintTo(const DigestCase& c, std::ostream* os)
{
    *os << '"' << c.text.substr(0, 20) << (c.text.size() > 20 ? "...\"" : "\"");
}

class Md5HexVectors : public ::testing::TestWithParam<DigestCase> {};

TEST_P(Md5HexVectors, GivesTheKnownDigest)
{
    EXPECT_EQ(Md5Hex(GetParam().text), GetParam().digest);
}

// RFC 1321 appendix A.5, then texts around the 55/56/64-byte padding boundaries, a UTF-8 text
// and a signed report line.
INSTANTIATE_TEST_SUITE_P(
    Rfc1321AndPadding, Md5HexVectors,
    ::testing::Values(
        DigestCase{"", "d41d8cd98f00b204e9800998ecf8427e"},
        DigestCase{"a", "0cc175b9c0f1b6a831c399e269772661"},
        DigestCase{"abc", "900150983cd24fb0d6963f7d28e17f72"},
        DigestCase{"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        DigestCase{"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        DigestCase{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
                   "d174ab98d277d9f5a5611c2c9f419d9f"},
        DigestCase{"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
                   "57edf4a22be3c955ac49da2e2107b67a"},
        DigestCase{std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
        DigestCase{std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
        DigestCase{std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
        DigestCase{"中文签名", "ff7cc2fe46e4f5c086fa942f0d300d9a"},
        DigestCase{"tavu|77|1|159372|||||00-1A-2B-3C-4D-5E|999Rk%wTb&HzNdq",
                   "4c8cde94414d3d725dcca03801a20316"}));

TEST(Md5Hex, StopsAtTheFirstZeroCharacter)
{
    const std::string text("abc\0def", 7);
    EXPECT_EQ(Md5Hex(text), Md5Hex("abc"));
    EXPECT_EQ(Md5Hex(std::string("\0abc", 4)), Md5Hex(""));
}

TEST(Md5Hex, IsThirtyTwoLowercaseHexDigits)
{
    const std::string digest = Md5Hex("The quick brown fox jumps over the lazy dog");
    EXPECT_EQ(digest, "9e107d9d372bb6826bd81d3542a419d6");
    EXPECT_EQ(digest.find_first_not_of("0123456789abcdef"), std::string::npos);
}

}  // namespace
}  // namespace velmoor
