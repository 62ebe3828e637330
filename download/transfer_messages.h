// What can go wrong on the way to the element service, and its German text: a failed
// transfer, and an HTTP status other than success. Where the original wording helps
// (a certificate problem, the server's reason phrase) it follows in brackets.
#pragma once

#include <string>

enum class TransferFailure {
    None,
    HostNotFound,
    ProxyNotFound,
    ConnectionRefused,
    Unreachable,  // no connection for another reason (no route, no answer)
    Cut,          // the connection ended before the answer was whole
    Empty,        // the connection ended without any answer
    Tls,          // no secured connection
    Certificate,  // the server's certificate is not trusted
    TooManyRedirects,
    InsecureRedirect,  // from https to http, or to another kind of address
    Protocol,          // no valid HTTP answer
    TooLarge,          // the answer exceeds kMaxAnswerBytes
    Network,           // any other failure
};

struct TransferProblem {
    TransferFailure failure = TransferFailure::None;
    std::string host;          // the computer asked
    std::string original;      // the transfer library's own description (English)
    long long received = 0;    // bytes of the answer received (Cut)
    long long announced = -1;  // bytes announced by Content-Length, -1: none (Cut)
};

// The limits of a transfer: redirects followed, and bytes of an answer (no element
// file comes near this; a larger answer is no element file).
inline constexpr int kMaxRedirects = 10;
inline constexpr long long kMaxAnswerBytes = 64LL * 1024 * 1024;

// "Der Rechner celestrak.org wurde nicht gefunden. Besteht eine Netzverbindung?", ...
// Empty for TransferFailure::None.
std::string TransferProblemText(const TransferProblem& problem);

// "Der Server meldet einen internen Fehler (HTTP 500 Internal Server Error)." The
// reason phrase is the server's text: it is cut to a short line without control
// characters.
std::string HttpStatusText(int status, const std::string& reason);
