#include "app/SplitInstallerName.h"

#include <gtest/gtest.h>

#include <string>

namespace velmoor {
namespace {

struct SplitCase {
    std::string fileName;
    std::string uid;
    std::string suid;
};

class SplitInstallerNameTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitInstallerNameTest, GivesUserAndSubUser)
{
    std::string uid = "stale";
    std::string suid = "stale";
    SplitInstallerName(GetParam().fileName, uid, suid);
    EXPECT_EQ(uid, GetParam().uid);
    EXPECT_EQ(suid, GetParam().suid);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SplitInstallerNameTest,
    ::testing::Values(
        SplitCase{"12345_678.exe", "12345", "678"},
        SplitCase{"setup.exe", "setup", ""},
        SplitCase{"a_b_c.exe", "a", "b_c"},
        SplitCase{"x.y_z.exe", "x.y", "z"},
        SplitCase{"12345", "12345", ""},
        SplitCase{"", "", ""},
        SplitCase{"_678.exe", "", "678"},
        SplitCase{"12345_.exe", "12345", ""},
        SplitCase{"a_b.c_d", "a", "b"},
        SplitCase{"玩家_名字.exe", "玩家", "名字"}));

}  // namespace
}  // namespace velmoor
