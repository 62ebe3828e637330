// A small HTTP server on 127.0.0.1 for the tests of the element download: it listens
// on a free port from construction to destruction and answers the requests one after
// another in its own thread, each with the answer whose key occurs in the request
// target (else the default answer). Nothing leaves the computer.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

struct HttpAnswer {
    enum class Kind {
        Whole,       // status line, headers and the whole body
        Cut,         // announces the whole body, sends half of it and closes
        Chunked,     // the whole body in chunks, ended by the final chunk
        ChunkedCut,  // the first half of the body in chunks, no final chunk, closes
        Trickle,     // announces the whole body and sends one byte per byteInterval
        Silent,      // reads the request and never answers (holds the server until it stops)
    };
    HttpAnswer() = default;
    HttpAnswer(int status, std::string body, Kind kind = Kind::Whole, std::string location = {})
        : status(status), body(std::move(body)), kind(kind), location(std::move(location)) {}

    int status = 200;
    std::string body;
    Kind kind = Kind::Whole;
    std::string location;  // a Location header (redirects)
    std::chrono::milliseconds byteInterval{1000};  // Trickle
};

class LocalHttpServer {
  public:
    LocalHttpServer();
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    void SetDefault(HttpAnswer answer);
    void Answer(const std::string& targetPart, HttpAnswer answer);

    // "http://127.0.0.1:PORT/gp.php"
    std::string BaseUrl() const;
    int port() const { return port_; }
    // The request targets received so far ("/gp.php?GROUP=visual&FORMAT=tle").
    std::vector<std::string> Targets() const;

  private:
    void Serve();
    void Respond(int client);
    // Sleeps for the interval, in short steps; false when the server stops meanwhile.
    bool Wait(std::chrono::milliseconds interval) const;

    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    HttpAnswer default_;
    std::map<std::string, HttpAnswer> answers_;
    std::vector<std::string> targets_;
    std::thread thread_;
};

}  // namespace testsupport
