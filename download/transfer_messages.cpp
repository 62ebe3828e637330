#include "download/transfer_messages.h"

#include <cctype>

namespace {

constexpr std::size_t kMaxReasonLength = 60;

std::string InBrackets(const std::string& original) {
    return original.empty() ? std::string() : " (" + original + ")";
}

std::string CutText(const TransferProblem& p) {
    std::string text =
        "Die Verbindung zu " + p.host + " brach ab, bevor die Antwort vollständig war";
    if (p.announced >= 0)
        text +=
            " (" + std::to_string(p.received) + " von " + std::to_string(p.announced) + " Bytes)";
    else if (p.received > 0)
        text += " (nach " + std::to_string(p.received) + " Bytes)";
    return text + ".";
}

struct StatusSentence {
    int status;
    const char* text;
};

constexpr StatusSentence kStatusSentences[] = {
    {400, "Der Elementdienst hat die Anfrage nicht verstanden"},
    {401, "Der Elementdienst verlangt eine Anmeldung"},
    {403, "Der Elementdienst verweigert den Abruf"},
    {404, "Der Elementdienst kennt die angefragte Adresse nicht"},
    {408, "Der Elementdienst hat zu lange auf die Anfrage gewartet"},
    {410, "Die angefragte Adresse gibt es beim Elementdienst nicht mehr"},
    {429, "Der Elementdienst meldet zu viele Anfragen; bitte später erneut versuchen"},
    {500, "Der Server meldet einen internen Fehler"},
    {502, "Ein vermittelnder Server erhielt vom Elementdienst keine gültige Antwort"},
    {503, "Der Elementdienst ist zurzeit nicht verfügbar"},
    {504, "Ein vermittelnder Server wartete vergeblich auf den Elementdienst"},
};

// The German sentence of a status; the code and the reason follow it.
const char* SentenceOf(int status) {
    for (const StatusSentence& s : kStatusSentences)
        if (s.status == status) return s.text;
    if (status >= 500 && status <= 599) return "Der Server meldet einen Fehler";
    if (status >= 400 && status <= 499) return "Der Elementdienst lehnt die Anfrage ab";
    if (status >= 300 && status <= 399)
        return "Der Elementdienst leitete weiter, ohne ein gültiges Ziel zu nennen";
    return "Der Elementdienst antwortete unerwartet";
}

// The reason phrase as one short line of printable characters.
std::string ShortReason(const std::string& reason) {
    std::string line;
    for (char c : reason) line += std::iscntrl(static_cast<unsigned char>(c)) ? ' ' : c;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    while (!line.empty() && line.front() == ' ') line.erase(0, 1);
    if (line.size() > kMaxReasonLength) {
        std::size_t cut = kMaxReasonLength;  // not inside a UTF-8 sequence
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        line = line.substr(0, cut) + "...";
    }
    return line;
}

}  // namespace

std::string TransferProblemText(const TransferProblem& p) {
    const std::string& host = p.host;
    switch (p.failure) {
        case TransferFailure::None:
            return {};
        case TransferFailure::HostNotFound:
            return "Der Rechner " + host + " wurde nicht gefunden. Besteht eine Netzverbindung?";
        case TransferFailure::ProxyNotFound:
            return "Der Proxy-Server wurde nicht gefunden" + InBrackets(p.original) + ".";
        case TransferFailure::ConnectionRefused:
            return "Der Rechner " + host + " nimmt keine Verbindung an.";
        case TransferFailure::Unreachable:
            return "Der Rechner " + host + " ist nicht erreichbar" + InBrackets(p.original) + ".";
        case TransferFailure::Cut:
            return CutText(p);
        case TransferFailure::Empty:
            return "Der Rechner " + host + " beendete die Verbindung ohne Antwort.";
        case TransferFailure::Tls:
            return "Die gesicherte Verbindung zu " + host + " kam nicht zustande" +
                   InBrackets(p.original) + ".";
        case TransferFailure::Certificate:
            return "Das Zertifikat von " + host + " ist nicht vertrauenswürdig" +
                   InBrackets(p.original) + ".";
        case TransferFailure::TooManyRedirects:
            return "Der Elementdienst leitete zu oft weiter (mehr als " +
                   std::to_string(kMaxRedirects) + " Weiterleitungen).";
        case TransferFailure::InsecureRedirect:
            return "Der Elementdienst leitete auf eine ungesicherte oder unbekannte Adresse "
                   "weiter; dem wird nicht gefolgt" +
                   InBrackets(p.original) + ".";
        case TransferFailure::Protocol:
            return "Die Antwort von " + host + " ist keine gültige HTTP-Antwort" +
                   InBrackets(p.original) + ".";
        case TransferFailure::TooLarge:
            return "Die Antwort von " + host + " ist größer als " +
                   std::to_string(kMaxAnswerBytes / (1024 * 1024)) +
                   " MB; das sind keine Bahnelemente.";
        case TransferFailure::Network:
            return "Die Verbindung zu " + host + " ist gestört" + InBrackets(p.original) + ".";
    }
    return {};
}

std::string HttpStatusText(int status, const std::string& reason) {
    const std::string phrase = ShortReason(reason);
    return std::string(SentenceOf(status)) + " (HTTP " + std::to_string(status) +
           (phrase.empty() ? "" : " " + phrase) + ").";
}
