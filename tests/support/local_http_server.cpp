#include "support/local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace testsupport {

namespace {

void SendAll(int socket, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
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
    if (answer.kind == HttpAnswer::Kind::Silent) {
        while (!stop_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return;
    }
    std::string response = "HTTP/1.1 " + std::to_string(answer.status) +
                           ReasonPhrase(answer.status) +
                           "\r\nContent-Type: text/plain\r\nConnection: close\r\n"
                           "Content-Length: " +
                           std::to_string(answer.body.size()) + "\r\n";
    if (!answer.location.empty()) response += "Location: " + answer.location + "\r\n";
    response += "\r\n";
    if (answer.kind == HttpAnswer::Kind::Cut)
        response += answer.body.substr(0, answer.body.size() / 2);
    else
        response += answer.body;
    SendAll(client, response);
}

}  // namespace testsupport
