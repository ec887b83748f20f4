#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace velmoor {
namespace {

struct Case {
    const char* what;
    std::vector<std::string> args;  // after the program name
    const char* word;
    std::uint32_t delayMs;
};

std::string Joined(const std::vector<std::string>& args)
{
    std::string text;
    for (std::size_t i = 0; i < args.size(); ++i)
        text += (i ? " " : "") + args[i];
    return text;
}

TEST(CommandLine, WordAndDelay)
{
    const Case cases[] = {
        {"nothing", {}, "", 0},
        {"ns", {"ns"}, "ns", 0},
        {"-hh with spaces around it", {"  -hh  "}, "-hh", 0},
        {"-hh and 3", {"-hh", "3"}, "-hh", 180000},
        {"ns and 5", {"ns", "5"}, "ns", 300000},
        {"ns and -hh: no delay", {"ns", "-hh"}, "ns", 0},
        {"three words", {"-hh", "1", "2"}, "-hh 1 2", 0},
        {"capitals are another word", {"NS"}, "NS", 0},
        {"minutes of 0", {"ns", "0"}, "ns", 0},
        {"minutes without digits", {"ns", "x5"}, "ns", 0},
        {"minutes with a tail", {"ns", " 2min"}, "ns", 120000},
        {"negative minutes wait not at all", {"ns", "-4"}, "ns", 0},
        {"too many minutes wait the longest 32-bit time", {"ns", "99999999"}, "ns", UINT32_MAX},
        {"the pair's word is taken as split", {" ns ", "1"}, " ns ", 60000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> argv{"velmoor"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const StartRequest r = ParseCommandLine(Joined(c.args), argv);
        EXPECT_EQ(r.commandWord, c.word);
        EXPECT_EQ(r.delayMs, c.delayMs);
    }
}

}  // namespace
}  // namespace velmoor
