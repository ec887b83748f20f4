#include "net/UsageReport.h"

#include "LocalHttpServer.h"
#include "net/MacAddress.h"
#include "support/Md5Hex.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace velmoor {
namespace {

using test::LocalHttpServer;

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

// Points the report endpoint at `origin` for the life of the object.
class PortalOverride {
public:
    explicit PortalOverride(const std::string& origin)
    {
        if (const char* old = std::getenv("VELMOOR_PORTAL"))
            previous = old;
        setenv("VELMOOR_PORTAL", origin.c_str(), 1);
    }
    ~PortalOverride()
    {
        if (previous)
            setenv("VELMOOR_PORTAL", previous->c_str(), 1);
        else
            unsetenv("VELMOOR_PORTAL");
    }

private:
    std::optional<std::string> previous;
};

TEST(UsageReportLine, MatchesTheDocumentedExample)
{
    EXPECT_EQ(UsageReportLine("77", "tavu", "1", "00-1A-2B-3C-4D-5E", 999),
              "tavu|77|1|159372|||||00-1A-2B-3C-4D-5E|999");
}

TEST(UsageReportLine, DropsOnlyALeadingLowerCaseZc)
{
    const std::pair<std::string, std::string> cases[] = {
        {"zc12345", "12345"}, {"zc", ""}, {"ZC12345", "ZC12345"}, {"Zc1", "Zc1"}, {"z", "z"},
        {"", ""}, {"12zc3", "12zc3"}, {"zczc9", "zc9"}};
    for (const auto& [uid, reported] : cases) {
        const auto fields = Split(UsageReportLine(uid, "tavu", "4", "00-1A-2B-3C-4D-5E", 1), '|');
        ASSERT_EQ(fields.size(), 10u) << uid;
        EXPECT_EQ(fields[1], reported) << uid;
    }
}

TEST(UsageReportLine, WritesTheTimeAsASigned32BitNumber)
{
    const std::pair<std::int64_t, std::string> cases[] = {
        {0, "0"}, {1700000000, "1700000000"}, {2147483647, "2147483647"},
        {2147483648, "-2147483648"}, {4294967296 + 5, "5"}, {-1, "-1"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(Split(UsageReportLine("1", "tavu", "1", "M", seconds), '|').back(), text) << seconds;
}

TEST(UsageReportAddress, CarriesTheSignedLine)
{
    PortalOverride portal("http://127.0.0.1:9");
    const std::string line = "tavu|77|1|159372|||||00-1A-2B-3C-4D-5E|999";
    EXPECT_EQ(UsageReportSignature(line), Md5Hex(line + "Rk%wTb&HzNdq"));
    EXPECT_EQ(UsageReportAddress(line),
              "http://127.0.0.1:9/receive/vuzazirade?log=" + line + "|4c8cde94414d3d725dcca03801a20316");
}

TEST(UsageReportAddress, EncodesWhatWouldBreakTheQuery)
{
    PortalOverride portal("http://127.0.0.1:9");
    const std::string line = UsageReportLine("a&b=c #d%e/é", "tavu", "1", "00-1A-2B-3C-4D-5E", 5);
    const std::string address = UsageReportAddress(line);
    EXPECT_EQ(address, "http://127.0.0.1:9/receive/vuzazirade?log=tavu|a%26b%3Dc%20%23d%25e%2F%C3%A9|1|159372"
                       "|||||00-1A-2B-3C-4D-5E|5|" + UsageReportSignature(line));
}

TEST(SendUsageReport, SendsOneSignedReportToTheEndpoint)
{
    LocalHttpServer server([](const std::string&) { return LocalHttpServer::Response("200 OK", "ok"); });
    PortalOverride portal(server.Origin());
    const std::int64_t before = std::time(nullptr);
    SendUsageReport("zc12345", "tavu", "4");
    const std::int64_t after = std::time(nullptr);

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const std::string prefix = "GET /receive/vuzazirade?log=";
    ASSERT_EQ(requests[0].rfind(prefix, 0), 0u) << requests[0];
    const std::string value = requests[0].substr(prefix.size(), requests[0].find(' ', prefix.size()) - prefix.size());

    const auto fields = Split(value, '|');
    ASSERT_EQ(fields.size(), 11u) << value;
    EXPECT_EQ(fields[0], "tavu");
    EXPECT_EQ(fields[1], "12345");
    EXPECT_EQ(fields[2], "4");
    EXPECT_EQ(fields[3], "159372");
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(fields[i], "");
    EXPECT_EQ(fields[8], GetMacAddress());
    const std::int64_t stamp = std::stoll(fields[9]);
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
    const std::string line = value.substr(0, value.rfind('|'));
    EXPECT_EQ(fields[10], Md5Hex(line + "Rk%wTb&HzNdq"));
}

TEST(SendUsageReport, AnUnreachableEndpointLosesTheReportQuietly)
{
    PortalOverride portal("http://127.0.0.1:" + std::to_string(test::UnusedLocalPort()));
    SendUsageReport("77", "tavu", "1");  // returns; nothing to observe but that it does
}

}  // namespace
}  // namespace velmoor
