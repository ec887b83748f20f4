#pragma once
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace velmoor::test {

// A tiny HTTP server on 127.0.0.1 with an ephemeral port, answering on its own thread. The
// responder gets the raw request head and returns the raw response bytes, or nothing to keep the
// connection open without ever answering (a stalled server).
class LocalHttpServer {
public:
    using Responder = std::function<std::optional<std::string>(const std::string& request)>;

    explicit LocalHttpServer(Responder responder);
    ~LocalHttpServer();

    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    int Port() const { return port; }
    std::string Origin() const { return "http://127.0.0.1:" + std::to_string(port); }
    std::vector<std::string> Requests() const;

    // A complete response with the given status line tail ("200 OK") and body.
    static std::string Response(const std::string& status, const std::string& body);

private:
    void Run();
    void Serve(int client);

    Responder responder;
    int listener = -1;
    int port = 0;
    std::atomic<bool> stopping{false};
    mutable std::mutex lock;
    std::vector<std::string> requests;
    std::thread worker;
};

// A port on 127.0.0.1 that nothing listens on (bound, then closed again).
int UnusedLocalPort();

}  // namespace velmoor::test
