#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace zarnet::testing {

struct HttpRequest {
    std::string Method;
    std::string Target;  // as the request line has it: a path, or a whole address for a proxy
    std::map<std::string, std::string> Headers;  // names in lower case
};

struct HttpReply {
    int Status = 200;
    std::vector<std::pair<std::string, std::string>> Headers;
    std::string Body;  // sent for GET; HEAD gets its length only
    std::chrono::milliseconds Delay{0};
    bool Hang =
        false;  // never answers; the connection stays until the client or the server ends it
};

// An HTTP/1.1 server on 127.0.0.1, on a port of its own, for tests and
// benchmarks: one thread a connection, connections kept alive. It answers
// every request with what the handler makes of it, keeps a log of what it
// was asked and counts the connections open at once. Everything it starts
// ends with it.
class LoopbackServer {
  public:
    using Handler = std::function<HttpReply(const HttpRequest&)>;

    // The handler runs on the connections' threads.
    explicit LoopbackServer(Handler handler);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int Port() const { return port_; }
    // "http://127.0.0.1:PORT" and `path`.
    std::string Url(std::string_view path) const;

    // "METHOD target" of every request, in the order they came.
    std::vector<std::string> Requests() const;
    int MostConnectionsAtOnce() const { return mostAtOnce_; }
    int ConnectionsOpen() const { return open_; }

  private:
    void Accept();
    void Serve(std::uintptr_t socket);
    // Until the client closes the connection or the server stops.
    void WaitForClose(std::uintptr_t socket);
    bool Stopping() const { return stopping_; }

    Handler handler_;
    std::uintptr_t listener_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> open_{0};
    std::atomic<int> mostAtOnce_{0};
    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    std::vector<std::string> requests_;
    std::vector<std::uintptr_t> sockets_;
    std::vector<std::thread> connections_;
    std::thread acceptor_;
};

// A file's reply: 200 with the body, or 206 with its first byte where the
// request asks for "bytes=0-0".
HttpReply FileReply(const HttpRequest& request, std::string body, std::string type = "image/jpeg");

}  // namespace zarnet::testing
