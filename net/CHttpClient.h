#pragma once
#include <chrono>
#include <memory>
#include <string>

namespace velmoor {

// The program's own synchronous HTTP GET client (the browser control does its own networking).
// A caller creates a client, fetches one or more addresses with it and drops it; one client
// belongs to one thread at a time. Connections are kept on the client between requests.
class CHttpClient {
public:
    // Defaults for the time-out bounds. A report runs on the user-interface thread and freezes it
    // while it lasts, so a dead or stalled server must give up within seconds, not minutes.
    static constexpr std::chrono::milliseconds kDefaultConnectTimeout{10'000};
    static constexpr std::chrono::milliseconds kDefaultTotalTimeout{20'000};
    // Replies are short texts; anything beyond this is refused rather than held in memory.
    static constexpr std::size_t kMaxReplyBytes = 8 * 1024 * 1024;

    // `connectTimeout` bounds name resolution plus connection set-up, `totalTimeout` the whole
    // request including the reply; a bound that is not positive means its default. `caFile`, when
    // not empty, replaces the system's trusted certificates (for tests against a local server).
    explicit CHttpClient(std::chrono::milliseconds connectTimeout = kDefaultConnectTimeout,
                         std::chrono::milliseconds totalTimeout = kDefaultTotalTimeout,
                         std::string caFile = {});
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
};

}  // namespace velmoor
