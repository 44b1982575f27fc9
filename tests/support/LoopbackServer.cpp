#include "support/LoopbackServer.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <stdexcept>

namespace zarnet::testing {

namespace {

#ifdef _WIN32
using NativeSocket = SOCKET;
using IoLength = int;
constexpr int kShutBoth = SD_BOTH;
void CloseSocket(NativeSocket socket) {
    closesocket(socket);
}
void StartSockets() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
}
#else
using NativeSocket = int;
using IoLength = std::size_t;
constexpr int kShutBoth = SHUT_RDWR;
void CloseSocket(NativeSocket socket) {
    close(socket);
}
void StartSockets() {}
#endif

NativeSocket Native(std::uintptr_t socket) {
    return static_cast<NativeSocket>(socket);
}

const char* ReasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 206:
            return "Partial Content";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 429:
            return "Too Many Requests";
        case 500:
            return "Internal Server Error";
        case 503:
            return "Service Unavailable";
        default:
            return "Status";
    }
}

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

HttpRequest Parse(const std::string& head) {
    HttpRequest request;
    std::size_t lineEnd = head.find("\r\n");
    const std::string line = head.substr(0, lineEnd);
    const std::size_t space = line.find(' ');
    request.Method = line.substr(0, space);
    request.Target = line.substr(space + 1, line.rfind(' ') - space - 1);
    while (lineEnd != std::string::npos && lineEnd + 2 < head.size()) {
        const std::size_t start = lineEnd + 2;
        lineEnd = head.find("\r\n", start);
        const std::string header = head.substr(start, lineEnd - start);
        const std::size_t colon = header.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::string value = header.substr(colon + 1);
        value.erase(0, value.find_first_not_of(' '));
        request.Headers[Lower(header.substr(0, colon))] = value;
    }
    return request;
}

std::string Compose(const HttpRequest& request, const HttpReply& reply) {
    std::string text =
        "HTTP/1.1 " + std::to_string(reply.Status) + " " + ReasonPhrase(reply.Status) + "\r\n";
    bool lengthGiven = false;
    for (const auto& [name, value] : reply.Headers) {
        text += name + ": " + value + "\r\n";
        lengthGiven = lengthGiven || Lower(name) == "content-length";
    }
    if (!lengthGiven) {
        text += "Content-Length: " + std::to_string(reply.Body.size()) + "\r\n";
    }
    text += "\r\n";
    if (request.Method != "HEAD") {
        text += reply.Body;
    }
    return text;
}

bool SendAll(NativeSocket socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const auto n =
            send(socket, bytes.data() + sent, static_cast<IoLength>(bytes.size() - sent), 0);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

LoopbackServer::LoopbackServer(Handler handler) : handler_(std::move(handler)) {
    StartSockets();
    const NativeSocket listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof(address);
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(listener, 64) != 0 ||
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        CloseSocket(listener);
        throw std::runtime_error("the loopback server cannot listen");
    }
    listener_ = static_cast<std::uintptr_t>(listener);
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { Accept(); });
}

LoopbackServer::~LoopbackServer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        // Wakes every connection waiting to read.
        for (const std::uintptr_t socket : sockets_) {
            shutdown(Native(socket), kShutBoth);
        }
    }
    stopped_.notify_all();
    acceptor_.join();
    for (std::thread& connection : connections_) {
        connection.join();
    }
    CloseSocket(Native(listener_));
}

std::string LoopbackServer::Url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<std::string> LoopbackServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void LoopbackServer::Accept() {
    while (!stopping_) {
        // Wakes now and then to see whether the server is stopping.
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(Native(listener_), &ready);
        timeval tick{0, 20000};
        if (select(static_cast<int>(Native(listener_)) + 1, &ready, nullptr, nullptr, &tick) <= 0) {
            continue;
        }
        const NativeSocket connection = accept(Native(listener_), nullptr, nullptr);
        std::lock_guard lock(mutex_);
        if (stopping_) {
            CloseSocket(connection);
            break;
        }
        const auto socket = static_cast<std::uintptr_t>(connection);
        sockets_.push_back(socket);
        connections_.emplace_back([this, socket] { Serve(socket); });
    }
}

void LoopbackServer::WaitForClose(std::uintptr_t socket) {
    char buffer[512];
    while (!stopping_) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(Native(socket), &ready);
        timeval tick{0, 20000};
        if (select(static_cast<int>(Native(socket)) + 1, &ready, nullptr, nullptr, &tick) > 0 &&
            recv(Native(socket), buffer, static_cast<IoLength>(sizeof(buffer)), 0) <= 0) {
            return;
        }
    }
}

void LoopbackServer::Serve(std::uintptr_t socket) {
    const int open = ++open_;
    for (int most = mostAtOnce_; open > most && !mostAtOnce_.compare_exchange_weak(most, open);) {
    }
    std::string received;
    char buffer[4096];
    for (;;) {
        const std::size_t headEnd = received.find("\r\n\r\n");
        if (headEnd == std::string::npos) {
            const auto n = recv(Native(socket), buffer, static_cast<IoLength>(sizeof(buffer)), 0);
            if (n <= 0) {
                break;
            }
            received.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        const HttpRequest request = Parse(received.substr(0, headEnd + 2));
        received.erase(0, headEnd + 4);
        {
            std::lock_guard lock(mutex_);
            requests_.push_back(request.Method + " " + request.Target);
        }
        const HttpReply reply = handler_(request);
        if (reply.Hang) {
            WaitForClose(socket);
            break;
        }
        std::unique_lock lock(mutex_);
        if (stopped_.wait_for(lock, reply.Delay, [this] { return Stopping(); })) {
            break;
        }
        lock.unlock();
        if (!SendAll(Native(socket), Compose(request, reply))) {
            break;
        }
        const auto connection = request.Headers.find("connection");
        if (connection != request.Headers.end() && Lower(connection->second) == "close") {
            break;
        }
    }
    {
        // Forgotten before it is closed: its number may soon name another
        // socket of the process.
        std::lock_guard lock(mutex_);
        sockets_.erase(std::find(sockets_.begin(), sockets_.end(), socket));
        --open_;
    }
    CloseSocket(Native(socket));
}

HttpReply FileReply(const HttpRequest& request, std::string body, std::string type) {
    HttpReply reply;
    reply.Headers.emplace_back("Content-Type", std::move(type));
    const auto range = request.Headers.find("range");
    if (request.Method == "GET" && range != request.Headers.end() && range->second == "bytes=0-0" &&
        !body.empty()) {
        reply.Status = 206;
        reply.Headers.emplace_back("Content-Range", "bytes 0-0/" + std::to_string(body.size()));
        reply.Body = body.substr(0, 1);
    } else {
        reply.Body = std::move(body);
    }
    return reply;
}

}  // namespace zarnet::testing
