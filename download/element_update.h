// Fetching current elements from the element service into a file: the answer is
// checked to have arrived whole and to hold element sets before anything is written,
// and the file is then replaced in one step (temporary file and rename), so that a
// failed, cancelled or overdue fetch leaves the old file byte for byte. The service
// asks not to fetch the same elements more than once in two hours: a file the same
// request wrote less than two hours ago is kept unless the fetch is forced
// (download/fresh_copy.h).
#pragma once

#include <QObject>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "download/element_query.h"
#include "download/fresh_copy.h"

class HttpGet;
struct HttpGetResult;

inline constexpr int kDefaultDownloadTimeoutMs = 30000;
inline constexpr int kDefaultDownloadDeadlineMs = 120000;

struct ElementUpdateRequest {
    ElementQuery query;
    std::string baseUrl = kDefaultElementServiceUrl;
    std::string targetPath;
    bool force = false;  // fetch even when the same request wrote the file less than two hours ago
    int timeoutMs = kDefaultDownloadTimeoutMs;    // longest wait for the next bytes
    int deadlineMs = kDefaultDownloadDeadlineMs;  // longest time for the whole fetch
};

enum class ElementUpdateStatus {
    Written,        // fetched, checked and written
    FreshCopyKept,  // the file is younger than two hours and was left as it is
    Failed,         // nothing written; message says why
    Cancelled,      // nothing written
};

struct ElementUpdateResult {
    ElementUpdateStatus status = ElementUpdateStatus::Failed;
    int sets = 0;         // element sets written (or in the kept file)
    std::string message;  // German: the summary or what went wrong
};

// Minutes since the request wrote its file when that is less than two hours ago;
// nullopt for an older or missing file, or one another request (or no request) wrote.
std::optional<int> FreshCopyAgeMinutes(const ElementUpdateRequest& request);

// One fetch at a time; the result comes as the signal finished, never from inside
// Start(), so callers may connect after starting.
class ElementUpdate : public QObject {
    Q_OBJECT
  public:
    explicit ElementUpdate(QObject* parent = nullptr);
    ~ElementUpdate() override;

    void Start(const ElementUpdateRequest& request);
    // Ends a running fetch; finished follows with Cancelled.
    void Cancel();
    bool running() const { return running_; }

  signals:
    // Bytes of the current answer so far and in all (-1 when not told), and which of
    // the addresses (from 1) is being fetched.
    void progress(qint64 received, qint64 total, int part, int parts);
    void finished(const ElementUpdateResult& result);

  private:
    void FetchNext();
    void ReplyFinished(const HttpGetResult& reply);
    // Ends the running request and fails with the message.
    void GiveUp(std::string message);
    void Finish(ElementUpdateResult result);
    void Fail(std::string message);
    void WriteAnswer();

    HttpGet* get_ = nullptr;
    QTimer silence_;
    QTimer deadline_;
    ElementUpdateRequest request_;
    std::vector<std::string> urls_;
    std::size_t next_ = 0;
    std::string answer_;
    std::vector<long> missingNumbers_;
    bool running_ = false;
};

// The same, waiting for the end (command line; a QCoreApplication must exist).
ElementUpdateResult RunElementUpdate(const ElementUpdateRequest& request);
