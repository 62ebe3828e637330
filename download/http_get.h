// One HTTP(S) GET with libcurl in a worker thread; progress and result arrive in the
// thread of the object, never from inside Start(). libcurl checks the framing of the
// answer to the byte: an answer whose announced length (Content-Length) is not
// reached, whose final chunk (chunked transfer) is missing or whose compressed stream
// ends early is a cut answer, not a short one. Redirects are followed (at most
// kMaxRedirects; from https only to https), compressed answers are unpacked, and the
// proxy of the environment (http_proxy, https_proxy, no_proxy) applies except for
// this computer.
#pragma once

#include <QObject>
#include <memory>
#include <string>
#include <thread>

#include "download/transfer_messages.h"

struct HttpTransfer;

struct HttpGetResult {
    TransferProblem problem;  // failure None: the answer arrived whole
    int status = 0;           // HTTP status of the last answer (0: none arrived)
    std::string reason;       // its reason phrase (none in HTTP/2)
    std::string body;
};

class HttpGet : public QObject {
    Q_OBJECT
  public:
    explicit HttpGet(QObject* parent = nullptr);
    ~HttpGet() override;

    // Asks for url (http or https); a running request is ended first.
    void Start(const std::string& url);
    // Ends a running request; finished does not follow.
    void Abort();
    bool running() const { return running_; }

  signals:
    // Bytes of the answer so far and in all (-1 when not announced).
    void progress(qint64 received, qint64 total);
    void finished(const HttpGetResult& result);

  private:
    friend struct HttpTransfer;
    void Progress(unsigned generation, qint64 received, qint64 total);
    void Deliver(unsigned generation, const HttpGetResult& result);

    std::shared_ptr<HttpTransfer> transfer_;
    std::thread worker_;
    unsigned generation_ = 0;  // results of an ended request are dropped
    bool running_ = false;
};
