#include "net/UsageReport.h"

#include "LocalHttpServer.h"
#include "MachineAddresses.h"
#include "net/CHttpClient.h"
#include "net/MacAddress.h"
#include "support/Md5Hex.h"

#include <gtest/gtest.h>

#include <cstdio>
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

struct EncodingCase {
    std::string character;
    std::string sent;
};

void PrintTo(const EncodingCase& c, std::ostream* os)
{
    *os << '"' << c.character << "\" -> \"" << c.sent << '"';
}

class UsageReportEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(UsageReportEncoding, EncodesOnlyWhatWouldBreakTheRequest)
{
    PortalOverride portal("http://127.0.0.1:9");
    const std::string line = UsageReportLine("a" + GetParam().character + "b", "tavu", "1", "00-1A-2B-3C-4D-5E", 5);
    EXPECT_EQ(UsageReportAddress(line), "http://127.0.0.1:9/receive/vuzazirade?log=tavu|a" + GetParam().sent +
                                            "b|1|159372|||||00-1A-2B-3C-4D-5E|5|" + UsageReportSignature(line));
}

INSTANTIATE_TEST_SUITE_P(
    Characters, UsageReportEncoding,
    ::testing::Values(
        // would end the value, start a new parameter or the fragment, or be read as a space
        EncodingCase{" ", "%20"}, EncodingCase{"#", "%23"}, EncodingCase{"&", "%26"}, EncodingCase{"%", "%25"},
        EncodingCase{"+", "%2B"}, EncodingCase{"?", "%3F"},
        // cannot stand in a request line
        EncodingCase{"\t", "%09"}, EncodingCase{"\r\n", "%0D%0A"}, EncodingCase{"\x01", "%01"},
        EncodingCase{"\x7F", "%7F"}, EncodingCase{"é", "%C3%A9"}, EncodingCase{"游", "%E6%B8%B8"},
        // everything else goes out as it is
        EncodingCase{"|", "|"}, EncodingCase{"-", "-"}, EncodingCase{"=", "="}, EncodingCase{"/", "/"},
        EncodingCase{":", ":"}, EncodingCase{"@", "@"}, EncodingCase{"!", "!"}, EncodingCase{"~", "~"},
        EncodingCase{"*", "*"}, EncodingCase{"'", "'"}, EncodingCase{";", ";"}, EncodingCase{",", ","},
        EncodingCase{"\"", "\""}, EncodingCase{"<>", "<>"}, EncodingCase{"{}", "{}"}, EncodingCase{"^`", "^`"},
        EncodingCase{"\\", "\\"}, EncodingCase{"zc", "zc"}));

// MD5 by a program of its own, so that the signature is not checked against the code under test.
std::string IndependentMd5(const std::string& text)
{
    std::string hex;
    for (const unsigned char c : text) {
        char piece[3];
        std::snprintf(piece, sizeof piece, "%02x", c);
        hex += piece;
    }
    const std::string command =
        "python3 -c 'import hashlib,sys; print(hashlib.md5(bytes.fromhex(sys.argv[1])).hexdigest())' " + hex;
    std::string digest;
    if (FILE* out = popen(command.c_str(), "r")) {
        char buffer[64] = "";
        if (std::fgets(buffer, sizeof buffer, out))
            digest = buffer;
        pclose(out);
    }
    return digest.substr(0, digest.find('\n'));
}

// The "log" value of the one report `server` received.
std::string ReceivedLog(const LocalHttpServer& server)
{
    const auto requests = server.Requests();
    if (requests.size() != 1)
        return "requests: " + std::to_string(requests.size());
    const std::string prefix = "GET /receive/vuzazirade?log=";
    if (requests[0].rfind(prefix, 0) != 0)
        return requests[0];
    const auto end = requests[0].find(' ', prefix.size());
    return requests[0].substr(prefix.size(), end - prefix.size());
}

LocalHttpServer::Responder AnswerOk()
{
    return [](const std::string&) { return LocalHttpServer::Response("200 OK", "ok"); };
}

TEST(SendUsageReport, SendsTheSignedInstallationReport)
{
    LocalHttpServer server(AnswerOk());
    PortalOverride portal(server.Origin());
    const std::int64_t before = std::time(nullptr);
    SendUsageReport("77", "tavu", "1");
    const std::int64_t after = std::time(nullptr);

    const std::string value = ReceivedLog(server);
    const auto fields = Split(value, '|');
    ASSERT_EQ(fields.size(), 11u) << value;  // the line's ten fields, then the signature
    const std::vector<std::string> head(fields.begin(), fields.begin() + 8);
    EXPECT_EQ(head, (std::vector<std::string>{"tavu", "77", "1", "159372", "", "", "", ""}));

    const auto own = test::MachineAddresses();
    if (own.empty())
        EXPECT_EQ(fields[8], "00-00-00-00-00-00");
    else
        EXPECT_TRUE(own.count(fields[8])) << fields[8];

    const std::int64_t stamp = std::stoll(fields[9]);
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);

    const std::string line = value.substr(0, value.rfind('|'));
    EXPECT_EQ(fields[10], IndependentMd5(line + "Rk%wTb&HzNdq"));
}

TEST(SendUsageReport, DropsTheZcPrefixOfTheStartReport)
{
    LocalHttpServer server(AnswerOk());
    PortalOverride portal(server.Origin());
    SendUsageReport("zc12345", "tavu", "4");
    const auto fields = Split(ReceivedLog(server), '|');
    ASSERT_EQ(fields.size(), 11u);
    EXPECT_EQ(fields[1], "12345");
    EXPECT_EQ(fields[2], "4");
}

// A user id taken from a downloaded file's name: whatever it holds, the request keeps its one "log"
// parameter, and the characters that need no encoding reach the server as they are.
TEST(SendUsageReport, AUserIdCannotReshapeTheRequest)
{
    LocalHttpServer server(AnswerOk());
    PortalOverride portal(server.Origin());
    SendUsageReport("1&uid=2#x y+z?\"<{\\^`}>", "tavu", "1");
    const std::string value = ReceivedLog(server);
    EXPECT_EQ(Split(value, '|')[1], "1%26uid=2%23x%20y%2Bz%3F\"<{\\^`}>") << value;
}

TEST(NetworkServices, MakeNoRequestUntilAReportIsSent)
{
    LocalHttpServer server(AnswerOk());
    PortalOverride portal(server.Origin());
    {
        CHttpClient client;
        Md5Hex("tavu");
        UsageReportAddress(UsageReportLine("77", "tavu", "1", GetMacAddress(), 1));
    }
    EXPECT_TRUE(server.Requests().empty());
    SendUsageReport("77", "tavu", "1");
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(SendUsageReport, AnUnreachableEndpointLosesTheReportQuietly)
{
    PortalOverride portal("http://127.0.0.1:" + std::to_string(test::UnusedLocalPort()));
    SendUsageReport("77", "tavu", "1");  // returns; nothing to observe but that it does
}

}  // namespace
}  // namespace velmoor
