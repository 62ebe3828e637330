#include "download/http_get.h"

#include <curl/curl.h>

#include <QMetaObject>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <mutex>

#include "core/number_text.h"

namespace {

// A server on this computer (tests, a local mirror) is reached without a proxy.
bool IsLoopback(const QUrl& url) {
    const QString host = url.host();
    const bool ipv4 =
        !host.isEmpty() && host.count('.') == 3 &&
        std::all_of(host.begin(), host.end(), [](QChar c) { return c.isDigit() || c == '.'; });
    return host == QStringLiteral("localhost") || host == QStringLiteral("::1") ||
           (ipv4 && host.startsWith(QStringLiteral("127.")));
}

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    for (std::size_t i = 0; prefix[i]; ++i)
        if (i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    return true;
}

struct CurlFailure {
    CURLcode code;
    TransferFailure failure;
};

constexpr CurlFailure kCurlFailures[] = {
    {CURLE_OK, TransferFailure::None},
    {CURLE_COULDNT_RESOLVE_HOST, TransferFailure::HostNotFound},
    {CURLE_COULDNT_RESOLVE_PROXY, TransferFailure::ProxyNotFound},
    {CURLE_COULDNT_CONNECT, TransferFailure::Unreachable},  // refused: by the system's error
    {CURLE_PARTIAL_FILE, TransferFailure::Cut},
    {CURLE_RECV_ERROR, TransferFailure::Cut},
    {CURLE_GOT_NOTHING, TransferFailure::Empty},
    {CURLE_PEER_FAILED_VERIFICATION, TransferFailure::Certificate},
    {CURLE_SSL_CONNECT_ERROR, TransferFailure::Tls},
    {CURLE_SSL_ENGINE_NOTFOUND, TransferFailure::Tls},
    {CURLE_SSL_ENGINE_SETFAILED, TransferFailure::Tls},
    {CURLE_SSL_CERTPROBLEM, TransferFailure::Tls},
    {CURLE_SSL_CIPHER, TransferFailure::Tls},
    {CURLE_SSL_ENGINE_INITFAILED, TransferFailure::Tls},
    {CURLE_SSL_CACERT_BADFILE, TransferFailure::Tls},
    {CURLE_SSL_SHUTDOWN_FAILED, TransferFailure::Tls},
    {CURLE_SSL_CRL_BADFILE, TransferFailure::Tls},
    {CURLE_SSL_ISSUER_ERROR, TransferFailure::Tls},
    {CURLE_SSL_PINNEDPUBKEYNOTMATCH, TransferFailure::Tls},
    {CURLE_SSL_INVALIDCERTSTATUS, TransferFailure::Tls},
    {CURLE_USE_SSL_FAILED, TransferFailure::Tls},
    {CURLE_TOO_MANY_REDIRECTS, TransferFailure::TooManyRedirects},
    {CURLE_UNSUPPORTED_PROTOCOL, TransferFailure::Protocol},  // after a redirect: insecure
    {CURLE_WEIRD_SERVER_REPLY, TransferFailure::Protocol},
    {CURLE_HTTP2, TransferFailure::Protocol},
    {CURLE_HTTP2_STREAM, TransferFailure::Protocol},
    {CURLE_BAD_CONTENT_ENCODING, TransferFailure::Protocol},
};

TransferFailure FailureOf(CURLcode code) {
    for (const CurlFailure& f : kCurlFailures)
        if (f.code == code) return f.failure;
    return TransferFailure::Network;
}

}  // namespace

// The state of one request, shared by the object and its worker thread.
struct HttpTransfer {
    std::string url;
    HttpGet* owner = nullptr;
    unsigned generation = 0;
    std::mutex mutex;  // guards multi, aborted and posting to the owner
    bool aborted = false;
    CURLM* multi = nullptr;
    // The worker's alone:
    CURL* easy = nullptr;
    HttpGetResult result;
    bool compressed = false;  // the answer's bytes on the wire are not its body
    bool tooLarge = false;

    template <class Function>
    void Post(Function function) {
        std::lock_guard lock(mutex);
        if (!aborted) QMetaObject::invokeMethod(owner, std::move(function), Qt::QueuedConnection);
    }

    static size_t WriteBody(char* data, size_t size, size_t count, void* user) {
        auto& t = *static_cast<HttpTransfer*>(user);
        const size_t bytes = size * count;
        if (static_cast<long long>(t.result.body.size() + bytes) > kMaxAnswerBytes) {
            t.tooLarge = true;
            return 0;  // ends the transfer
        }
        t.result.body.append(data, bytes);
        curl_off_t total = -1;
        curl_easy_getinfo(t.easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
        const qint64 received = static_cast<qint64>(t.result.body.size());
        const qint64 announced = t.compressed ? -1 : static_cast<qint64>(total);
        t.Post([owner = t.owner, generation = t.generation, received, announced] {
            owner->Progress(generation, received, announced);
        });
        return bytes;
    }

    // Each answer's status line (redirects pass several) and its Content-Encoding.
    static size_t ReadHeader(char* data, size_t size, size_t count, void* user) {
        auto& t = *static_cast<HttpTransfer*>(user);
        const std::string line(numtext::Trim(std::string_view(data, size * count)));
        if (line.rfind("HTTP/", 0) == 0) {
            const std::size_t code = line.find(' ');
            int status = 0;
            if (code != std::string::npos)
                std::from_chars(line.data() + code + 1, line.data() + line.size(), status);
            const std::size_t reason = code == std::string::npos ? code : line.find(' ', code + 1);
            t.result.status = status;
            t.result.reason =
                reason == std::string::npos
                    ? ""
                    : std::string(numtext::Trim(std::string_view(line).substr(reason)));
            t.result.body.clear();
            t.compressed = false;
        } else if (StartsWithNoCase(line, "content-encoding:")) {
            const std::string_view coding = numtext::Trim(std::string_view(line).substr(17));
            t.compressed = !coding.empty() && coding != "identity";
        }
        return size * count;
    }

    TransferProblem Problem(CURLcode code, const char* errorText) const {
        TransferProblem p;
        char* effective = nullptr;
        curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &effective);
        p.host = QUrl(QString::fromUtf8(effective ? effective : url.c_str())).host().toStdString();
        p.original = *errorText ? errorText : curl_easy_strerror(code);
        p.failure = FailureOf(code);
        long osError = 0, redirects = 0;
        if (code == CURLE_COULDNT_CONNECT) {
            curl_easy_getinfo(easy, CURLINFO_OS_ERRNO, &osError);
            if (osError == ECONNREFUSED) p.failure = TransferFailure::ConnectionRefused;
        } else if (code == CURLE_UNSUPPORTED_PROTOCOL) {
            curl_easy_getinfo(easy, CURLINFO_REDIRECT_COUNT, &redirects);
            if (redirects > 0) p.failure = TransferFailure::InsecureRedirect;
        } else if (p.failure == TransferFailure::Cut) {
            curl_off_t total = -1;
            curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
            p.received = static_cast<long long>(result.body.size());
            p.announced = compressed ? -1 : static_cast<long long>(total);
        } else if (code == CURLE_WRITE_ERROR && tooLarge) {
            p.failure = TransferFailure::TooLarge;
        }
        return p;
    }

    void Run() {
        char errorText[CURL_ERROR_SIZE] = "";
        const QUrl address(QString::fromStdString(url));
        easy = curl_easy_init();
        curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
        curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy, CURLOPT_USERAGENT, "Polaride/4.1");
        curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");  // all that libcurl unpacks
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(easy, CURLOPT_MAXREDIRS, static_cast<long>(kMaxRedirects));
        curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR,
                         address.scheme() == QStringLiteral("https") ? "https" : "http,https");
        if (IsLoopback(address)) curl_easy_setopt(easy, CURLOPT_PROXY, "");
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &HttpTransfer::WriteBody);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &HttpTransfer::ReadHeader);
        curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);

        CURLM* requests = curl_multi_init();
        curl_multi_add_handle(requests, easy);
        {
            std::lock_guard lock(mutex);
            multi = requests;
        }
        CURLcode code = CURLE_FAILED_INIT;
        int active = 1;
        while (active > 0) {
            {
                std::lock_guard lock(mutex);
                if (aborted) break;
            }
            if (curl_multi_perform(requests, &active) != CURLM_OK) break;
            if (active > 0) curl_multi_poll(requests, nullptr, 0, 1000, nullptr);
        }
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(requests, &left))
            if (message->msg == CURLMSG_DONE) code = message->data.result;
        {
            std::lock_guard lock(mutex);
            multi = nullptr;
        }
        result.problem = Problem(code, errorText);
        curl_multi_remove_handle(requests, easy);
        curl_easy_cleanup(easy);
        curl_multi_cleanup(requests);
        Post([owner = owner, generation = generation, done = std::move(result)] {
            owner->Deliver(generation, done);
        });
    }
};

HttpGet::HttpGet(QObject* parent) : QObject(parent) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

HttpGet::~HttpGet() { Abort(); }

void HttpGet::Start(const std::string& url) {
    Abort();
    transfer_ = std::make_shared<HttpTransfer>();
    transfer_->url = url;
    transfer_->owner = this;
    transfer_->generation = generation_;
    running_ = true;
    worker_ = std::thread([transfer = transfer_] { transfer->Run(); });
}

void HttpGet::Abort() {
    if (transfer_) {
        std::lock_guard lock(transfer_->mutex);
        transfer_->aborted = true;
        if (transfer_->multi) curl_multi_wakeup(transfer_->multi);
    }
    if (worker_.joinable()) worker_.join();
    transfer_.reset();
    running_ = false;
    ++generation_;
}

void HttpGet::Progress(unsigned generation, qint64 received, qint64 total) {
    if (running_ && generation == generation_) emit progress(received, total);
}

void HttpGet::Deliver(unsigned generation, const HttpGetResult& result) {
    if (!running_ || generation != generation_) return;
    if (worker_.joinable()) worker_.join();
    transfer_.reset();
    running_ = false;
    ++generation_;
    emit finished(result);
}
