#include "support/BrowserCache.h"

#include <gtest/gtest.h>

#include "common/ScratchFolder.h"

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
        ASSERT_FALSE(cache_.empty());
        std::ofstream(cache_ / "desktop.ini") << "keep";
        fs::create_directory(cache_ / "entries");
        std::ofstream(cache_ / "entries/a.bin") << "cached";
    }
    void TearDown() override
    {
        SetBrowserCacheCleaner(nullptr);
        SetInternetCacheFolder("");
    }

    test::ScratchFolder scratch_{"velmoor-cache"};
    const fs::path& cache_ = scratch_.Path();
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
