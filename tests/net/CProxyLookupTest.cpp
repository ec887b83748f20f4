#include "net/CProxyLookup.h"

#include "net/CHttpClient.h"

#include "LocalHttpServer.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <memory>

namespace velmoor {
namespace {

using test::LocalHttpServer;

TEST(CurlProxyText, SpellsEachKindOfProxyForLibcurl)
{
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"direct://", ""},
        {"http://proxy.lan:3128", "http://proxy.lan:3128"},
        {"HTTP://proxy.lan:3128", "http://proxy.lan:3128"},
        {"https://proxy.lan:443", "https://proxy.lan:443"},
        {"socks4://proxy.lan:1080", "socks4://proxy.lan:1080"},
        {"socks4a://proxy.lan:1080", "socks4a://proxy.lan:1080"},
        {"socks5://proxy.lan:1080", "socks5h://proxy.lan:1080"},
        {"socks://proxy.lan:1080", "socks5h://proxy.lan:1080"},
        {"ftp://proxy.lan:21", std::nullopt},
        {"proxy.lan:3128", std::nullopt},
    };
    for (const auto& [proxy, curl] : cases)
        EXPECT_EQ(CurlProxyText(proxy), curl) << proxy;
}

// A resolver that sends everything but the ignored hosts through `proxy`.
std::shared_ptr<GProxyResolver> FixedResolver(const std::string& proxy)
{
    const gchar* ignored[] = {"localhost", nullptr};
    return std::shared_ptr<GProxyResolver>(g_simple_proxy_resolver_new(proxy.c_str(), const_cast<gchar**>(ignored)),
                                           [](GProxyResolver* r) { g_object_unref(r); });
}

TEST(CProxyLookup, AnswersWhatTheResolverSays)
{
    const auto resolver = FixedResolver("socks5://proxy.lan:1080");
    const CProxyLookup lookup(resolver.get());
    EXPECT_EQ(lookup.ProxyFor("http://log.example.invalid/receive"), "socks5h://proxy.lan:1080");
    EXPECT_EQ(lookup.ProxyFor("https://localhost/"), "");
}

TEST(CProxyLookup, AResolverWithNothingUsableMeansDirect)
{
    const auto resolver = FixedResolver("ftp://proxy.lan:21");
    EXPECT_EQ(CProxyLookup(resolver.get()).ProxyFor("http://log.example.invalid/"), "");
}

TEST(CHttpClientProxy, SendsTheRequestThroughTheResolversProxy)
{
    LocalHttpServer proxy([](const std::string&) { return LocalHttpServer::Response("200 OK", "via proxy"); });
    const auto resolver = FixedResolver(proxy.Origin());
    CHttpClient client(CHttpClient::kDefaultConnectTimeout, CHttpClient::kDefaultTotalTimeout, {},
                       CProxyLookup(resolver.get()));
    std::string body;
    ASSERT_EQ(client.HttpGet("http://log.example.invalid/receive/vuzazirade?log=a|b", body), 0);
    EXPECT_EQ(body, "via proxy");
    const auto requests = proxy.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")),
              "GET http://log.example.invalid/receive/vuzazirade?log=a|b HTTP/1.1");
}

// The proxy environment variables reach the client through the system's resolver, not through
// libcurl's own reading of them: the resolver's "no proxy" list for loopback still holds.
TEST(CHttpClientProxy, SystemResolverFollowsTheEnvironment)
{
    LocalHttpServer proxy([](const std::string&) { return LocalHttpServer::Response("200 OK", "via proxy"); });
    const CProxyLookup system;
    setenv("http_proxy", proxy.Origin().c_str(), 1);
    const std::string chosen = system.ProxyFor("http://log.example.invalid/");
    unsetenv("http_proxy");
    if (chosen.empty())
        GTEST_SKIP() << "the system's proxy resolver reads no environment here (a desktop setting rules)";
    EXPECT_EQ(chosen, proxy.Origin());
}

}  // namespace
}  // namespace velmoor
