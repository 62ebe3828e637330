#include "support/local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace testsupport {

namespace {

// False when the client has gone.
bool SendAll(int socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// The body in chunks of at most 100 bytes, each with its hexadecimal length line.
std::string Chunks(const std::string& body) {
    std::string chunks;
    char size[16];
    for (std::size_t at = 0; at < body.size(); at += 100) {
        const std::string part = body.substr(at, 100);
        std::snprintf(size, sizeof size, "%zx\r\n", part.size());
        chunks += size + part + "\r\n";
    }
    return chunks;
}

// The request head up to its empty line (the download sends no body).
std::string ReadHead(int socket) {
    std::string head;
    char buffer[1024];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        pollfd p{socket, POLLIN, 0};
        if (::poll(&p, 1, 2000) <= 0) break;
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    return head;
}

std::string ReasonPhrase(int status) {
    switch (status) {
        case 200: return " OK";
        case 301: return " Moved Permanently";
        case 404: return " Not Found";
        default: return " Status";
    }
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("local HTTP server: no port on 127.0.0.1");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    stop_ = true;
    thread_.join();
    ::close(listener_);
}

void LocalHttpServer::SetDefault(HttpAnswer answer) {
    std::lock_guard lock(mutex_);
    default_ = std::move(answer);
}

void LocalHttpServer::Answer(const std::string& targetPart, HttpAnswer answer) {
    std::lock_guard lock(mutex_);
    answers_[targetPart] = std::move(answer);
}

std::string LocalHttpServer::BaseUrl() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/gp.php";
}

std::vector<std::string> LocalHttpServer::Targets() const {
    std::lock_guard lock(mutex_);
    return targets_;
}

void LocalHttpServer::Serve() {
    while (!stop_) {
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0) continue;
        Respond(client);
        ::close(client);
    }
}

void LocalHttpServer::Respond(int client) {
    const std::string head = ReadHead(client);
    const std::size_t start = head.find(' ') + 1;
    const std::string target = head.substr(start, head.find(' ', start) - start);
    HttpAnswer answer;
    {
        std::lock_guard lock(mutex_);
        targets_.push_back(target);
        answer = default_;
        for (const auto& [part, candidate] : answers_)
            if (target.find(part) != std::string::npos) answer = candidate;
    }
    using Kind = HttpAnswer::Kind;
    if (answer.kind == Kind::Silent) {
        Wait(std::chrono::hours(24));
        return;
    }
    const bool chunked = answer.kind == Kind::Chunked || answer.kind == Kind::ChunkedCut;
    std::string response = "HTTP/1.1 " + std::to_string(answer.status) +
                           ReasonPhrase(answer.status) +
                           "\r\nContent-Type: text/plain\r\nConnection: close\r\n" +
                           (chunked ? std::string("Transfer-Encoding: chunked")
                                    : "Content-Length: " + std::to_string(answer.body.size())) +
                           "\r\n";
    if (!answer.location.empty()) response += "Location: " + answer.location + "\r\n";
    response += "\r\n";
    const std::string half = answer.body.substr(0, answer.body.size() / 2);
    switch (answer.kind) {
        case Kind::Cut:
            response += half;
            break;
        case Kind::Chunked:
            response += Chunks(answer.body) + "0\r\n\r\n";
            break;
        case Kind::ChunkedCut:
            response += Chunks(half);
            break;
        case Kind::Trickle:
            if (!SendAll(client, response)) return;
            for (char byte : answer.body)
                if (!Wait(answer.byteInterval) || !SendAll(client, std::string(1, byte))) return;
            return;
        default:
            response += answer.body;
    }
    SendAll(client, response);
}

bool LocalHttpServer::Wait(std::chrono::milliseconds interval) const {
    const auto end = std::chrono::steady_clock::now() + interval;
    while (std::chrono::steady_clock::now() < end) {
        if (stop_) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return !stop_;
}

}  // namespace testsupport
