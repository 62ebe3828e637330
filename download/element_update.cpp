#include "download/element_update.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <chrono>
#include <filesystem>

#include "core/number_text.h"
#include "core/replace_file.h"
#include "core/text_file.h"
#include "satellite/element_records.h"
#include "satellite/omm_csv.h"

namespace {

// No element file comes near this; a larger answer is no element file.
constexpr qint64 kMaxAnswerBytes = 64LL * 1024 * 1024;

bool IsLoopback(const QUrl& url) {
    const QString host = url.host();
    return host == QStringLiteral("localhost") || QHostAddress(host).isLoopback();
}

std::string FirstLineOf(const std::string& text) {
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    if (line.size() > 80) line = line.substr(0, 77) + "...";
    return line;
}

std::string NetworkErrorText(QNetworkReply& reply) {
    const std::string host = reply.url().host().toStdString();
    switch (reply.error()) {
        case QNetworkReply::HostNotFoundError:
            return "Der Rechner " + host + " wurde nicht gefunden. Besteht eine Netzverbindung?";
        case QNetworkReply::ConnectionRefusedError:
            return "Der Rechner " + host + " nimmt keine Verbindung an.";
        case QNetworkReply::RemoteHostClosedError:
        case QNetworkReply::ProtocolFailure:
            return "Die Verbindung zu " + host + " brach ab, bevor die Antwort vollständig war.";
        case QNetworkReply::SslHandshakeFailedError:
            return "Die gesicherte Verbindung zu " + host +
                   " kam nicht zustande: " + reply.errorString().toStdString();
        case QNetworkReply::TooManyRedirectsError:
        case QNetworkReply::InsecureRedirectError:
            return "Der Elementdienst leitete unzulässig weiter (" +
                   reply.errorString().toStdString() + ").";
        default:
            return "Das Laden ist fehlgeschlagen: " + reply.errorString().toStdString();
    }
}

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

std::optional<int> FreshCopyAgeMinutes(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec)) return std::nullopt;
    const auto written = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    const auto age = std::chrono::duration_cast<std::chrono::minutes>(
        fs::file_time_type::clock::now() - written);
    if (age.count() < 0 || age.count() >= kElementRefetchMinutes) return std::nullopt;
    return static_cast<int>(age.count());
}

ElementUpdate::ElementUpdate(QObject* parent) : QObject(parent) {
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        if (reply_) reply_->abort();
    });
}

ElementUpdate::~ElementUpdate() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void ElementUpdate::Start(const ElementUpdateRequest& request) {
    if (running_) return;
    request_ = request;
    urls_ = ElementQueryUrls(request.baseUrl, request.query);
    next_ = 0;
    answer_.clear();
    missingNumbers_.clear();
    running_ = true;
    cancelled_ = timedOut_ = tooLarge_ = false;

    ElementUpdateResult kept;
    if (urls_.empty()) {
        kept.message = "Bitte eine Gruppe wählen oder Katalognummern angeben.";
    } else if (const auto age = request.force ? std::nullopt : FreshCopyAgeMinutes(request.targetPath)) {
        // A fresh copy that holds elements is used instead of asking again.
        std::string contents;
        if (ReadFileContents(request.targetPath, contents) == FileReadStatus::Ok)
            kept.sets = CountElementSets(contents);
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
    FetchNext();
}

void ElementUpdate::Cancel() {
    if (!running_ || !reply_) return;
    cancelled_ = true;
    reply_->abort();
}

void ElementUpdate::FetchNext() {
    const QUrl url(QString::fromStdString(urls_[next_]));
    if (!url.isValid() || (url.scheme() != QStringLiteral("https") && url.scheme() != QStringLiteral("http"))) {
        QTimer::singleShot(0, this, [this] {
            Fail("Ungültige Adresse des Elementdienstes: " + urls_[next_]);
        });
        return;
    }
    if (!network_) {
        network_ = new QNetworkAccessManager(this);
        // A local server (tests, a mirror on this computer) is reached directly.
        if (IsLoopback(url)) network_->setProxy(QNetworkProxy::NoProxy);
        else QNetworkProxyFactory::setUseSystemConfiguration(true);
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Polaride/4.1"));
    reply_ = network_->get(request);
    const int part = static_cast<int>(next_) + 1, parts = static_cast<int>(urls_.size());
    connect(reply_, &QNetworkReply::downloadProgress, this,
            [this, part, parts](qint64 received, qint64 total) {
                silence_.start(request_.timeoutMs);
                if (received > kMaxAnswerBytes && reply_) {
                    tooLarge_ = true;
                    reply_->abort();
                }
                emit progress(received, total, part, parts);
            });
    connect(reply_, &QNetworkReply::finished, this, &ElementUpdate::ReplyFinished);
    silence_.start(request_.timeoutMs);
}

void ElementUpdate::ReplyFinished() {
    silence_.stop();
    QNetworkReply* reply = reply_;
    if (!reply) return;
    reply->deleteLater();
    reply_ = nullptr;
    const std::string body = reply->readAll().toStdString();

    if (cancelled_) {
        std::string message = "Abgebrochen.";
        std::error_code ec;
        if (std::filesystem::exists(request_.targetPath, ec))
            message += " Die Datei " + request_.targetPath + " bleibt unverändert.";
        Finish({ElementUpdateStatus::Cancelled, 0, message});
        return;
    }
    if (timedOut_)
        return Fail("Zeitüberschreitung: der Elementdienst antwortete " +
                    std::to_string(request_.timeoutMs / 1000) + " Sekunden lang nicht.");
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400) {
        const std::string reason =
            reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
        return Fail("Der Elementdienst antwortete mit HTTP " + std::to_string(status) +
                    (reason.empty() ? "" : " (" + reason + ")") + ".");
    }
    if (tooLarge_) return Fail("Die Antwort ist größer als 64 MB; das sind keine Bahnelemente.");
    if (reply->error() != QNetworkReply::NoError) return Fail(NetworkErrorText(*reply));

    if (CountElementSets(body) > 0) {
        AppendAnswer(answer_, body);
    } else if (request_.query.group.empty() || next_ > 0) {
        // A number the service has no elements for (decayed, never given out).
        const std::size_t number = next_ - (request_.query.group.empty() ? 0 : 1);
        missingNumbers_.push_back(request_.query.catalogNumbers[number]);
    } else {
        return Fail("Die Antwort des Elementdienstes enthält keine Bahnelemente: \"" +
                    FirstLineOf(body) + "\"");
    }
    if (++next_ < urls_.size()) return FetchNext();
    WriteAnswer();
}

void ElementUpdate::WriteAnswer() {
    const int sets = CountElementSets(answer_);
    if (sets == 0)
        return Fail("Für die Katalognummern " + NumberList(missingNumbers_) +
                    " lieferte der Elementdienst keine Bahnelemente.");
    if (answer_.back() != '\n') answer_ += '\n';
    const ReplaceFileResult written = ReplaceFileContents(request_.targetPath, answer_);
    if (!written.ok)
        return Fail("Die Datei " + request_.targetPath +
                    " ließ sich nicht schreiben: " + written.errorText + ".");
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
