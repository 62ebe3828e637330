// The German texts of failed transfers and HTTP statuses, with the original wording in
// brackets where it helps.
#include <gtest/gtest.h>

#include "download/transfer_messages.h"

namespace {

TransferProblem Problem(TransferFailure failure, std::string original = {}, long long received = 0,
                        long long announced = -1) {
    return {failure, "h", std::move(original), received, announced};
}

TEST(TransferMessages, EveryFailureInGerman) {
    using F = TransferFailure;
    const std::string tls = "SSL certificate problem: unable to get local issuer certificate";
    const struct {
        TransferProblem problem;
        const char* text;
    } cases[] = {
        {Problem(F::None), ""},
        {{F::HostNotFound, "celestrak.org", "", 0, -1},
         "Der Rechner celestrak.org wurde nicht gefunden. Besteht eine Netzverbindung?"},
        {Problem(F::ProxyNotFound, "Could not resolve proxy: cache"),
         "Der Proxy-Server wurde nicht gefunden (Could not resolve proxy: cache)."},
        {Problem(F::ConnectionRefused), "Der Rechner h nimmt keine Verbindung an."},
        {Problem(F::Unreachable, "Network is unreachable"),
         "Der Rechner h ist nicht erreichbar (Network is unreachable)."},
        {Problem(F::Cut, "", 74, 148),
         "Die Verbindung zu h brach ab, bevor die Antwort vollständig war (74 von 148 Bytes)."},
        {Problem(F::Cut, "", 74, -1),
         "Die Verbindung zu h brach ab, bevor die Antwort vollständig war (nach 74 Bytes)."},
        {Problem(F::Cut, "", 0, -1),
         "Die Verbindung zu h brach ab, bevor die Antwort vollständig war."},
        {Problem(F::Empty), "Der Rechner h beendete die Verbindung ohne Antwort."},
        {Problem(F::Tls, "SSL handshake failed"),
         "Die gesicherte Verbindung zu h kam nicht zustande (SSL handshake failed)."},
        {Problem(F::Certificate, tls),
         "Das Zertifikat von h ist nicht vertrauenswürdig (SSL certificate problem: unable to "
         "get local issuer certificate)."},
        {Problem(F::TooManyRedirects, "Maximum (10) redirects followed"),
         "Der Elementdienst leitete zu oft weiter (mehr als 10 Weiterleitungen)."},
        {Problem(F::InsecureRedirect, "Protocol \"http\" not supported"),
         "Der Elementdienst leitete auf eine ungesicherte oder unbekannte Adresse weiter; dem "
         "wird nicht gefolgt (Protocol \"http\" not supported)."},
        {Problem(F::Protocol, "Unsupported HTTP version"),
         "Die Antwort von h ist keine gültige HTTP-Antwort (Unsupported HTTP version)."},
        {Problem(F::TooLarge),
         "Die Antwort von h ist größer als 64 MB; das sind keine Bahnelemente."},
        {Problem(F::Network, "Send failure: Broken pipe"),
         "Die Verbindung zu h ist gestört (Send failure: Broken pipe)."},
    };
    for (const auto& c : cases) EXPECT_EQ(TransferProblemText(c.problem), c.text);
}

TEST(TransferMessages, HttpStatusesInGermanWithTheServersReason) {
    const struct {
        int status;
        std::string reason;
        std::string text;
    } cases[] = {
        {500, "Internal Server Error",
         "Der Server meldet einen internen Fehler (HTTP 500 Internal Server Error)."},
        {404, "Not Found",
         "Der Elementdienst kennt die angefragte Adresse nicht (HTTP 404 Not Found)."},
        {403, "", "Der Elementdienst verweigert den Abruf (HTTP 403)."},
        {503, "Service Unavailable",
         "Der Elementdienst ist zurzeit nicht verfügbar (HTTP 503 Service Unavailable)."},
        {418, "I'm a teapot", "Der Elementdienst lehnt die Anfrage ab (HTTP 418 I'm a teapot)."},
        {599, "Odd", "Der Server meldet einen Fehler (HTTP 599 Odd)."},
        {302, "Found",
         "Der Elementdienst leitete weiter, ohne ein gültiges Ziel zu nennen (HTTP 302 Found)."},
        {500, " Bad\tthing\x1b[31m ",
         "Der Server meldet einen internen Fehler (HTTP 500 Bad thing [31m)."},
        {500, std::string(70, 'x'),
         "Der Server meldet einen internen Fehler (HTTP 500 " + std::string(60, 'x') + "...)."},
    };
    for (const auto& c : cases) EXPECT_EQ(HttpStatusText(c.status, c.reason), c.text) << c.status;
}

}  // namespace
