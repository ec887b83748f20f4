#include "app/RecordRegistration.h"

#include "app/CIniFile.h"

#include <gtest/gtest.h>

#include "common/FileText.h"
#include "common/ScopedEnv.h"
#include "common/ScratchFolder.h"

#include <glib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace velmoor {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;

class RecordRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(root_.empty()); }

    static std::string Contents(const fs::path& path)
    {
        return test::ReadFileText(path);
    }

    test::ScratchFolder scratch_{"velmoor-reg"};
    const fs::path& root_ = scratch_.Path();
};

TEST_F(RecordRegistrationTest, WritesTheMarkerCreatingTheDataFolder)
{
    const ScopedEnv dataHome("XDG_DATA_HOME", (root_ / "share").c_str());
    ASSERT_TRUE(RecordRegistration());
    EXPECT_EQ(Contents(root_ / "share/Rovevar/data.dat"), "[account]\nreg=1\n");
    ASSERT_TRUE(RecordRegistration());
    EXPECT_EQ(Contents(root_ / "share/Rovevar/data.dat"), "[account]\nreg=1\n");
}

TEST_F(RecordRegistrationTest, KeepsWhatElseTheFileHolds)
{
    const ScopedEnv dataHome("XDG_DATA_HOME", root_.c_str());
    fs::create_directories(root_ / "Rovevar");
    std::ofstream(root_ / "Rovevar/data.dat") << "[other]\nx=1\n[ACCOUNT]\nREG=0\n";
    ASSERT_TRUE(RecordRegistration());
    EXPECT_EQ(Contents(root_ / "Rovevar/data.dat"), "[other]\nx=1\n[ACCOUNT]\nREG=1\n");
}

// Without a home there is no data folder: nothing may land in "/Rovevar/".
TEST_F(RecordRegistrationTest, FailsWithoutADataFolder)
{
    const ScopedEnv home("HOME", nullptr);
    const ScopedEnv dataHome("XDG_DATA_HOME", nullptr);
    const bool rootMarkerBefore = fs::exists("/Rovevar");
    EXPECT_FALSE(RecordRegistration());
    EXPECT_EQ(fs::exists("/Rovevar"), rootMarkerBefore);
}

}  // namespace
}  // namespace velmoor
