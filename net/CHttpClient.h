#pragma once
#include "net/CProxyLookup.h"

#include <chrono>
#include <memory>
#include <string>

namespace velmoor {

// The program's own synchronous HTTP GET client (the browser control does its own networking).
// A caller creates a client, fetches one or more addresses with it and drops it; one client
// belongs to one thread at a time. Connections are kept on the client between requests. Every
// request is a GET over HTTP/1.1 with the fixed agent and three fixed headers; nothing is cached.
class CHttpClient {
public:
    // Defaults for the time-out bounds. The start report runs on the user-interface thread and
    // freezes it while it lasts (the installation sends up to four in a row), so a dead or stalled
    // server must give up within seconds: 4 s to resolve the name and connect (TLS handshake
    // included), 8 s for the whole request. The replies are a few bytes; a live portal answers in
    // far less. The proxy lookup before the request is the system resolver's and not covered.
    static constexpr std::chrono::milliseconds kDefaultConnectTimeout{4'000};
    static constexpr std::chrono::milliseconds kDefaultTotalTimeout{8'000};
    // Replies are short texts; anything beyond this is refused rather than held in memory.
    static constexpr std::size_t kMaxReplyBytes = 8 * 1024 * 1024;

    // `connectTimeout` bounds name resolution plus connection set-up, `totalTimeout` the whole
    // request including the reply; a bound that is not positive means its default. `caFile`, when
    // not empty, replaces the system's trusted certificates (for tests against a local server).
    // `proxies` decides the proxy of each request: by default the system's proxy settings.
    explicit CHttpClient(std::chrono::milliseconds connectTimeout = kDefaultConnectTimeout,
                         std::chrono::milliseconds totalTimeout = kDefaultTotalTimeout,
                         std::string caFile = {}, CProxyLookup proxies = {});
    virtual ~CHttpClient();

    CHttpClient(const CHttpClient&) = delete;
    CHttpClient& operator=(const CHttpClient&) = delete;

    // GET `url` (http or https only) and hand back the reply body decoded from UTF-8 (ill-formed
    // bytes become U+FFFD). Returns 0 when a reply arrived, whatever its status code; 1 on failure
    // (another scheme, a bad address, no connection, a refused certificate, an oversized reply);
    // 2 when a time-out bound ran out. `body` is emptied first and stays empty unless 0 is returned.
    int HttpGet(const std::string& url, std::string& body);

private:
    struct Session;
    std::unique_ptr<Session> session;
    std::chrono::milliseconds connectTimeout;
    std::chrono::milliseconds totalTimeout;
    std::string caFile;
    CProxyLookup proxies;
};

}  // namespace velmoor
