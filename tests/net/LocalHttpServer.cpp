#include "LocalHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velmoor::test {

namespace {

constexpr int kTickMs = 20;

int BindLoopback(int& port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (fd >= 0)
            close(fd);
        return -1;
    }
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    port = ntohs(addr.sin_port);
    return fd;
}

bool Readable(int fd)
{
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, kTickMs) > 0;
}

}  // namespace

int UnusedLocalPort()
{
    int port = 0;
    const int fd = BindLoopback(port);
    if (fd >= 0)
        close(fd);
    return port;
}

LocalHttpServer::LocalHttpServer(Responder r) : responder(std::move(r))
{
    listener = BindLoopback(port);
    if (listener >= 0 && listen(listener, 8) == 0)
        worker = std::thread([this] { Run(); });
}

LocalHttpServer::~LocalHttpServer()
{
    stopping = true;
    if (worker.joinable())
        worker.join();
    if (listener >= 0)
        close(listener);
}

std::vector<std::string> LocalHttpServer::Requests() const
{
    std::lock_guard guard(lock);
    return requests;
}

std::string LocalHttpServer::Response(const std::string& status, const std::string& body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

void LocalHttpServer::Run()
{
    while (!stopping) {
        if (!Readable(listener))
            continue;
        const int client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        Serve(client);
        close(client);
    }
}

void LocalHttpServer::Serve(int client)
{
    std::string head;
    while (!stopping && head.find("\r\n\r\n") == std::string::npos) {
        if (!Readable(client))
            continue;
        char buffer[4096];
        const ssize_t n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            return;
        head.append(buffer, static_cast<size_t>(n));
    }
    {
        std::lock_guard guard(lock);
        requests.push_back(head);
    }
    const std::optional<std::string> reply = responder(head);
    if (!reply) {
        while (!stopping) {  // stall: hold the connection until the client or the server goes
            char buffer[256];
            if (Readable(client) && recv(client, buffer, sizeof buffer, 0) <= 0)
                return;
        }
        return;
    }
    size_t sent = 0;
    while (sent < reply->size()) {
        const ssize_t n = send(client, reply->data() + sent, reply->size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += static_cast<size_t>(n);
    }
    shutdown(client, SHUT_WR);
}

}  // namespace velmoor::test
