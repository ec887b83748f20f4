#include "support/BrowserCache.h"

#include <gtest/gtest.h>

#include <glib.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace velmoor {
namespace {

namespace fs = std::filesystem;

class BrowserCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char* made = g_dir_make_tmp("velmoor-cache-XXXXXX", nullptr);
        ASSERT_NE(made, nullptr);
        cache_ = made;
        g_free(made);
        std::ofstream(cache_ / "desktop.ini") << "keep";
        fs::create_directory(cache_ / "entries");
        std::ofstream(cache_ / "entries/a.bin") << "cached";
    }
    void TearDown() override
    {
        SetBrowserCacheCleaner(nullptr);
        SetInternetCacheFolder("");
        fs::remove_all(cache_);
    }

    fs::path cache_;
};

TEST_F(BrowserCacheTest, RunsTheEngineCleanerThenEmptiesTheCacheFolder)
{
    int calls = 0;
    bool folderStillFull = false;
    SetBrowserCacheCleaner([&] {
        ++calls;
        folderStillFull = fs::exists(cache_ / "entries/a.bin");
    });
    SetInternetCacheFolder(cache_.string());
    std::thread worker(ClearBrowserCache);
    worker.join();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(folderStillFull);
    EXPECT_TRUE(fs::exists(cache_ / "desktop.ini"));
    EXPECT_FALSE(fs::exists(cache_ / "entries"));
}

TEST_F(BrowserCacheTest, WithNothingRegisteredTouchesNoFiles)
{
    ClearBrowserCache();
    EXPECT_TRUE(fs::exists(cache_ / "entries/a.bin"));
}

}  // namespace
}  // namespace velmoor
