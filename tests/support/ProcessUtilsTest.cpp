#include "support/ProcessUtils.h"

#include <gtest/gtest.h>

#include <glib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace velmoor {
namespace {

namespace fs = std::filesystem;

// A copy of sleep under a chosen file name, running for the test's duration.
class RenamedSleep {
public:
    explicit RenamedSleep(const std::string& fileName)
    {
        char* made = g_dir_make_tmp("velmoor-proc-XXXXXX", nullptr);
        folder_ = made ? made : "";
        g_free(made);
        const fs::path program = folder_ / fileName;
        fs::copy_file("/bin/sleep", program);
        std::string path = program.string();
        std::string seconds = "60";
        char* argv[] = {path.data(), seconds.data(), nullptr};
        // posix_spawn returns once the child runs the new program, so /proc shows it at once.
        if (::posix_spawn(&pid_, path.c_str(), nullptr, nullptr, argv, environ) != 0)
            pid_ = -1;
    }
    ~RenamedSleep()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    RenamedSleep(const RenamedSleep&) = delete;
    RenamedSleep& operator=(const RenamedSleep&) = delete;
    bool Running() const { return pid_ > 0; }
    void RemoveProgramFile() const { fs::remove_all(folder_); }

private:
    fs::path folder_;
    pid_t pid_ = -1;
};

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(IsProcessRunning, MatchesTheWholeFileNameIgnoringCase)
{
    // Longer than the 15 bytes the kernel keeps as a process name, and unique to this run.
    const std::string name = "VelmoorProbe" + std::to_string(::getpid()) + "Sleeper.exe";
    const RenamedSleep sleeper(name);
    ASSERT_TRUE(sleeper.Running());
    const struct {
        std::string asked;
        bool expected;
    } cases[] = {
        {name, true},
        {Upper(name), true},
        {"", false},
        {name + "x", false},
        {name.substr(0, name.size() - 1), false},
        {name.substr(1), false},
        {name.substr(0, 15), false},  // what the kernel keeps as the process name
        {"/bin/" + name, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsProcessRunning(c.asked), c.expected) << '"' << c.asked << '"';
}

// An installed copy replaced or removed while it runs still runs under its name.
TEST(IsProcessRunning, FindsAProgramWhoseFileWasDeleted)
{
    const std::string name = "VelmoorGone" + std::to_string(::getpid()) + ".exe";
    const RenamedSleep sleeper(name);
    ASSERT_TRUE(sleeper.Running());
    sleeper.RemoveProgramFile();
    EXPECT_TRUE(IsProcessRunning(name));
    EXPECT_FALSE(IsProcessRunning(name + " (deleted)"));
}

struct NamesCase {
    const char* name;
    ProcessNames names;
    std::string fileName;
    bool expected;
};

class ProcessNameMatchesTest : public ::testing::TestWithParam<NamesCase> {};

TEST_P(ProcessNameMatchesTest, Decides)
{
    EXPECT_EQ(ProcessNameMatches(GetParam().names, GetParam().fileName), GetParam().expected);
}

// Without a readable exe link (another user's process) the name comes from comm, which the
// kernel cuts to 15 bytes: "vuvedaredod.exe" is exactly that long.
INSTANTIATE_TEST_SUITE_P(
    Sources, ProcessNameMatchesTest,
    ::testing::Values(
        NamesCase{"ExeIgnoringCase", {"Vuvedaredod.EXE", "x", "x"}, "vuvedaredod.exe", true},
        NamesCase{"ExeContainingTheName", {"myvuvedaredod.exe", "", ""}, "vuvedaredod.exe", false},
        NamesCase{"ExeDecidesOverComm", {"sleep", "game.exe", "game.exe"}, "game.exe", false},
        NamesCase{"ShortComm", {std::nullopt, "GAME.exe", ""}, "game.exe", true},
        NamesCase{"ShortCommIsNoPrefix", {std::nullopt, "game.ex", ""}, "game.exe", false},
        NamesCase{"FullCommConfirmed", {std::nullopt, "vuvedaredod.exe", "vuvedaredod.exe"}, "vuvedaredod.exe", true},
        NamesCase{"FullCommOfLongerName", {std::nullopt, "vuvedaredod.exe", "vuvedaredod.exe2"}, "vuvedaredod.exe", false},
        NamesCase{"FullCommUnconfirmed", {std::nullopt, "vuvedaredod.exe", ""}, "vuvedaredod.exe", false},
        NamesCase{"CutCommConfirmed", {std::nullopt, "vuvedaredod.exe", "vuvedaredod.exe2"}, "vuvedaredod.exe2", true},
        NamesCase{"NoNames", {std::nullopt, "", ""}, "game.exe", false},
        NamesCase{"EmptyFileName", {"", "", ""}, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProcessList, ListsThisProcessAndFailsWithoutProc)
{
    std::vector<int> pids;
    ASSERT_TRUE(ListProcessIds("/proc", pids));
    EXPECT_NE(std::find(pids.begin(), pids.end(), static_cast<int>(::getpid())), pids.end());

    char* made = g_dir_make_tmp("velmoor-noproc-XXXXXX", nullptr);
    ASSERT_NE(made, nullptr);
    const std::string empty = made;
    g_free(made);
    EXPECT_FALSE(ListProcessIds(empty, pids)) << "an unmounted /proc lists nothing";
    fs::remove(empty);
    EXPECT_FALSE(ListProcessIds(empty, pids));
}

TEST(ProcessList, ReadsOwnNames)
{
    const ProcessNames names = ReadProcessNames("/proc/self");
    ASSERT_TRUE(names.exeName.has_value());
    EXPECT_EQ(*names.exeName, "test_support");
    EXPECT_EQ(names.comm, "test_support");
    EXPECT_EQ(names.argv0Name, "test_support");
}

}  // namespace
}  // namespace velmoor
