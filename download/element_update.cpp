#include "download/element_update.h"

#include <QEventLoop>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "core/number_text.h"
#include "core/replace_file.h"
#include "core/text_file.h"
#include "download/http_get.h"
#include "satellite/element_records.h"
#include "satellite/omm_csv.h"

namespace {

std::string FirstLineOf(const std::string& text) {
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    if (line.size() > 80) line = line.substr(0, 77) + "...";
    return line;
}

std::string Seconds(int milliseconds) { return numtext::FormatNumber(milliseconds / 1000.0); }

// A later answer in CSV form repeats the header line; it is dropped.
void AppendAnswer(std::string& answer, std::string part) {
    if (!answer.empty() && IsOmmCsv(part)) {
        const std::size_t end = part.find('\n');
        part.erase(0, end == std::string::npos ? part.size() : end + 1);
    }
    if (!answer.empty() && answer.back() != '\n') answer += '\n';
    answer += part;
}

std::string NumberList(const std::vector<long>& numbers) {
    std::string text;
    for (long n : numbers) text += (text.empty() ? "" : ", ") + std::to_string(n);
    return text;
}

}  // namespace

std::optional<int> FreshCopyAgeMinutes(const ElementUpdateRequest& request) {
    return FreshCopyMinutes(request.targetPath, ElementQueryUrls(request.baseUrl, request.query));
}

ElementUpdate::ElementUpdate(QObject* parent) : QObject(parent), get_(new HttpGet(this)) {
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, [this] {
        GiveUp("Zeitüberschreitung: der Elementdienst antwortete " + Seconds(request_.timeoutMs) +
               " Sekunden lang nicht.");
    });
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        GiveUp("Zeitüberschreitung: die Antwort des Elementdienstes war nach " +
               Seconds(request_.deadlineMs) + " Sekunden nicht vollständig.");
    });
    connect(get_, &HttpGet::progress, this, [this](qint64 received, qint64 total) {
        silence_.start(request_.timeoutMs);
        emit progress(received, total, static_cast<int>(next_) + 1, static_cast<int>(urls_.size()));
    });
    connect(get_, &HttpGet::finished, this, &ElementUpdate::ReplyFinished);
}

ElementUpdate::~ElementUpdate() = default;

void ElementUpdate::Start(const ElementUpdateRequest& request) {
    if (running_) return;
    request_ = request;
    urls_ = ElementQueryUrls(request.baseUrl, request.query);
    next_ = 0;
    answer_.clear();
    missingNumbers_.clear();
    running_ = true;

    ElementUpdateResult kept;
    if (urls_.empty()) {
        kept.message = "Bitte eine Gruppe wählen oder Katalognummern angeben.";
    } else if (const auto age = request.force ? std::nullopt : FreshCopyAgeMinutes(request)) {
        // A fresh copy that holds elements is used instead of asking again.
        std::string contents;
        if (ReadFileContents(request.targetPath, contents) == FileReadStatus::Ok)
            kept.sets = CheckElementAnswer(contents).sets;
        if (kept.sets > 0) {
            kept.status = ElementUpdateStatus::FreshCopyKept;
            kept.message = "Die Datei " + request.targetPath + " ist erst " + std::to_string(*age) +
                           " Minuten alt; der Elementdienst bittet, dieselben Elemente höchstens "
                           "alle zwei Stunden abzurufen. Sie wird verwendet (" +
                           numtext::CountOf(kept.sets, "Satellit", "Satelliten") + ").";
        }
    }
    if (urls_.empty() || kept.status == ElementUpdateStatus::FreshCopyKept) {
        QTimer::singleShot(0, this, [this, kept] { Finish(kept); });
        return;
    }
    deadline_.start(request.deadlineMs);
    FetchNext();
}

void ElementUpdate::Cancel() {
    if (!running_ || !get_->running()) return;
    get_->Abort();
    std::string message = "Abgebrochen.";
    std::error_code ec;
    if (std::filesystem::exists(request_.targetPath, ec))
        message += " Die Datei " + request_.targetPath + " bleibt unverändert.";
    Finish({ElementUpdateStatus::Cancelled, 0, message});
}

void ElementUpdate::GiveUp(std::string message) {
    if (!running_) return;
    get_->Abort();
    Fail(std::move(message));
}

void ElementUpdate::FetchNext() {
    const QUrl url(QString::fromStdString(urls_[next_]));
    if (!url.isValid() || (url.scheme() != QStringLiteral("https") && url.scheme() != QStringLiteral("http"))) {
        QTimer::singleShot(0, this, [this] {
            Fail("Ungültige Adresse des Elementdienstes: " + urls_[next_]);
        });
        return;
    }
    get_->Start(urls_[next_]);
    silence_.start(std::min(request_.timeoutMs, request_.deadlineMs));
}

void ElementUpdate::ReplyFinished(const HttpGetResult& reply) {
    silence_.stop();
    // The server's refusal says more than a body cut after it.
    if (reply.status >= 400) return Fail(HttpStatusText(reply.status, reply.reason));
    if (reply.problem.failure != TransferFailure::None)
        return Fail(TransferProblemText(reply.problem));
    if (reply.status < 200 || reply.status > 299)
        return Fail(HttpStatusText(reply.status, reply.reason));
    const std::string& body = reply.body;

    // Taken only when every record of it is a whole, sound element set.
    const ElementAnswerCheck check = CheckElementAnswer(body);
    if (check.Taken()) {
        AppendAnswer(answer_, body);
    } else if (check.noRecords && (request_.query.group.empty() || next_ > 0)) {
        // A number the service has no elements for (decayed, never given out).
        const std::size_t number = next_ - (request_.query.group.empty() ? 0 : 1);
        missingNumbers_.push_back(request_.query.catalogNumbers[number]);
    } else if (check.noRecords) {
        return Fail("Die Antwort des Elementdienstes enthält keine Bahnelemente: \"" +
                    FirstLineOf(body) + "\"");
    } else {
        return Fail("Die Antwort des Elementdienstes wird nicht übernommen: " + check.problem +
                    ".");
    }
    if (++next_ < urls_.size()) return FetchNext();
    WriteAnswer();
}

void ElementUpdate::WriteAnswer() {
    const ElementAnswerCheck check = CheckElementAnswer(answer_);
    if (check.noRecords)
        return Fail("Für die Katalognummern " + NumberList(missingNumbers_) +
                    " lieferte der Elementdienst keine Bahnelemente.");
    if (!check.Taken())
        return Fail("Die Antwort des Elementdienstes wird nicht übernommen: " + check.problem +
                    ".");
    const int sets = check.sets;
    if (answer_.back() != '\n') answer_ += '\n';
    ForgetRequest(request_.targetPath);
    const ReplaceFileResult written = ReplaceFileContents(request_.targetPath, answer_);
    if (!written.ok)
        return Fail("Die Datei " + request_.targetPath +
                    " ließ sich nicht schreiben: " + written.errorText + ".");
    RecordRequest(request_.targetPath, urls_);
    std::string message = numtext::CountOf(sets, "Satellit", "Satelliten") + " geschrieben";
    if (!missingNumbers_.empty())
        message += "; keine Elemente für " + NumberList(missingNumbers_);
    Finish({ElementUpdateStatus::Written, sets, message});
}

void ElementUpdate::Fail(std::string message) {
    std::error_code ec;
    if (std::filesystem::exists(request_.targetPath, ec))
        message += " Die Datei " + request_.targetPath + " bleibt unverändert.";
    Finish({ElementUpdateStatus::Failed, 0, message});
}

void ElementUpdate::Finish(ElementUpdateResult result) {
    running_ = false;
    silence_.stop();
    deadline_.stop();
    emit finished(result);
}

ElementUpdateResult RunElementUpdate(const ElementUpdateRequest& request) {
    ElementUpdate update;
    ElementUpdateResult result;
    QEventLoop loop;
    QObject::connect(&update, &ElementUpdate::finished, &loop,
                     [&](const ElementUpdateResult& r) {
                         result = r;
                         loop.quit();
                     });
    update.Start(request);
    loop.exec();
    return result;
}
