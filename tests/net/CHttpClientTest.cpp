#include "net/CHttpClient.h"

#include "LocalHttpServer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace velmoor {
namespace {

using test::LocalHttpServer;
using namespace std::chrono_literals;

LocalHttpServer::Responder Answer(const std::string& status, const std::string& body)
{
    return [=](const std::string&) { return LocalHttpServer::Response(status, body); };
}

TEST(CHttpClient, RefusesOtherSchemesWithoutAnyRequest)
{
    LocalHttpServer server(Answer("200 OK", "never"));
    const std::string hostPort = "127.0.0.1:" + std::to_string(server.Port());
    const std::string urls[] = {"ftp://" + hostPort + "/x", hostPort + "/x", "file:///etc/passwd",
                                "gopher://" + hostPort + "/", "", "http://"};
    for (const std::string& url : urls) {
        SCOPED_TRACE(url);
        std::string body = "left over";
        CHttpClient client;
        EXPECT_EQ(client.HttpGet(url, body), 1);
        EXPECT_EQ(body, "");
    }
    EXPECT_TRUE(server.Requests().empty());
}

TEST(CHttpClient, SendsTheFixedRequestShape)
{
    LocalHttpServer server(Answer("200 OK", "fine"));
    CHttpClient client;
    std::string body;
    ASSERT_EQ(client.HttpGet(server.Origin() + "/receive/path?log=a|b|c", body), 0);
    EXPECT_EQ(body, "fine");

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0],
              "GET /receive/path?log=a|b|c HTTP/1.1\r\n"
              "Host: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727)\r\n"
              "Accept: *,*/*\r\n"
              "Accept-Language: zh-cn\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n"
              "\r\n");
}

struct ReplyCase {
    const char* name;
    std::string status;
    std::string sent;
    std::string expected;
};

void PrintTo(const ReplyCase& c, std::ostream* os)
{
    *os << c.name;
}

class CHttpClientReplies : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(CHttpClientReplies, HandBackTheDecodedBody)
{
    LocalHttpServer server(Answer(GetParam().status, GetParam().sent));
    CHttpClient client;
    std::string body;
    EXPECT_EQ(client.HttpGet(server.Origin() + "/", body), 0);
    EXPECT_EQ(body, GetParam().expected);
}

const std::string kLong = std::string(1500, 'x');

INSTANTIATE_TEST_SUITE_P(
    Bodies, CHttpClientReplies,
    ::testing::Values(
        ReplyCase{"ErrorStatusStillAReply", "404 Not Found", "no such page", "no such page"},
        ReplyCase{"ServerErrorStillAReply", "500 Internal Server Error", "oops", "oops"},
        ReplyCase{"EmptyBody", "204 No Content", "", ""},
        ReplyCase{"Utf8Text", "200 OK", "游戏公告", "游戏公告"},
        // Nothing after a zero byte may be lost, whichever piece of the reply it falls in.
        ReplyCase{"ZeroBytesKept", "200 OK", kLong + std::string("\0tail", 5) + kLong,
                  kLong + std::string("\0tail", 5) + kLong},
        ReplyCase{"StrayByte", "200 OK", "a\xFF" "b", "a\xEF\xBF\xBD" "b"},
        ReplyCase{"TruncatedSequence", "200 OK", "ok\xE6\xB8", "ok\xEF\xBF\xBD"},
        ReplyCase{"Surrogate", "200 OK", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        ReplyCase{"Overlong", "200 OK", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CHttpClient, FollowsRedirects)
{
    LocalHttpServer server([](const std::string& request) -> std::optional<std::string> {
        if (request.rfind("GET /old ", 0) == 0)
            return "HTTP/1.1 302 Found\r\nLocation: /new\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        return LocalHttpServer::Response("200 OK", "moved here");
    });
    CHttpClient client;
    std::string body;
    EXPECT_EQ(client.HttpGet(server.Origin() + "/old", body), 0);
    EXPECT_EQ(body, "moved here");
}

TEST(CHttpClient, OneClientServesSeveralRequests)
{
    LocalHttpServer server([](const std::string& request) -> std::optional<std::string> {
        return LocalHttpServer::Response("200 OK", request.substr(4, request.find(' ', 4) - 4));
    });
    CHttpClient client;
    for (const std::string path : {"/one", "/two", "/three"}) {
        std::string body;
        EXPECT_EQ(client.HttpGet(server.Origin() + path, body), 0);
        EXPECT_EQ(body, path);
    }
}

TEST(CHttpClient, NoServerIsAFailure)
{
    CHttpClient client;
    std::string body = "left over";
    EXPECT_EQ(client.HttpGet("http://127.0.0.1:" + std::to_string(test::UnusedLocalPort()) + "/", body), 1);
    EXPECT_EQ(body, "");
}

TEST(CHttpClient, StalledServerTimesOut)
{
    LocalHttpServer server([](const std::string&) { return std::optional<std::string>(); });
    CHttpClient client(1000ms, 300ms);
    std::string body = "left over";
    EXPECT_EQ(client.HttpGet(server.Origin() + "/", body), 2);
    EXPECT_EQ(body, "");
}

TEST(CHttpClient, OversizedReplyIsRefused)
{
    LocalHttpServer server(Answer("200 OK", std::string(CHttpClient::kMaxReplyBytes + 1, 'x')));
    CHttpClient client;
    std::string body;
    EXPECT_EQ(client.HttpGet(server.Origin() + "/", body), 1);
    EXPECT_EQ(body, "");
}

// An HTTPS server whose throwaway certificate names "localhost" only.
class CHttpClientTls : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/velmoor-tls-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        const std::string make =
            "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2"
            " -subj /CN=localhost -addext subjectAltName=DNS:localhost -keyout " + Key() +
            " -out " + Cert() + " >/dev/null 2>&1";
        ASSERT_EQ(std::system(make.c_str()), 0);
        StartServer();
        ASSERT_GT(port, 0);
    }

    void TearDown() override
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    void StartServer()
    {
        int out[2];
        ASSERT_EQ(pipe(out), 0);
        const std::string script = VELMOOR_SOURCE_DIR "/tests/net/tls_server.py";
        pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            execlp("python3", "python3", script.c_str(), Cert().c_str(), Key().c_str(), nullptr);
            _exit(127);
        }
        close(out[1]);
        FILE* stream = fdopen(out[0], "r");
        ASSERT_NE(stream, nullptr);
        if (fscanf(stream, "%d", &port) != 1)
            port = 0;
        fclose(stream);
    }

    std::string Cert() const { return dir + "/cert.pem"; }
    std::string Key() const { return dir + "/key.pem"; }
    std::string Url(const std::string& host) const { return "https://" + host + ":" + std::to_string(port) + "/"; }

    std::string dir;
    pid_t pid = -1;
    int port = 0;
};

TEST_F(CHttpClientTls, AcceptsATrustedCertificateForTheHost)
{
    CHttpClient client(CHttpClient::kDefaultConnectTimeout, CHttpClient::kDefaultTotalTimeout, Cert());
    std::string body;
    EXPECT_EQ(client.HttpGet(Url("localhost"), body), 0);
    EXPECT_EQ(body, "secure");
}

TEST_F(CHttpClientTls, RefusesATrustedCertificateForAnotherHost)
{
    CHttpClient client(CHttpClient::kDefaultConnectTimeout, CHttpClient::kDefaultTotalTimeout, Cert());
    std::string body = "left over";
    EXPECT_EQ(client.HttpGet(Url("127.0.0.1"), body), 1);
    EXPECT_EQ(body, "");
}

TEST_F(CHttpClientTls, RefusesAnUntrustedCertificate)
{
    CHttpClient client;
    std::string body;
    EXPECT_EQ(client.HttpGet(Url("localhost"), body), 1);
    EXPECT_EQ(body, "");
}

}  // namespace
}  // namespace velmoor
