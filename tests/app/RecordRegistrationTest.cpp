#include "app/RecordRegistration.h"

#include "app/CIniFile.h"

#include <gtest/gtest.h>

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

// Sets or clears an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class RecordRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char* made = g_dir_make_tmp("velmoor-reg-XXXXXX", nullptr);
        ASSERT_NE(made, nullptr);
        root_ = made;
        g_free(made);
    }
    void TearDown() override { fs::remove_all(root_); }

    static std::string Contents(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path root_;
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
