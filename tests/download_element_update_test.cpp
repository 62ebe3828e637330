// The element download against a local server: what is written, and that every
// failure leaves the old file byte for byte.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <filesystem>

#include "download/element_update.h"
#include "support/local_http_server.h"
#include "support/test_paths.h"

namespace {

using testsupport::HttpAnswer;
using testsupport::LocalHttpServer;

std::string Fixture(const std::string& name) {
    return testsupport::ReadTextFile(testsupport::FixturePath("download/" + name));
}

struct Download : ::testing::Test {
    LocalHttpServer server;
    testsupport::TempDir dir;
    std::string target = (dir / "visual.tle").string();

    ElementUpdateRequest Request(ElementQuery query = {"visual", {}, ElementFormat::Tle}) {
        ElementUpdateRequest request;
        request.query = std::move(query);
        request.baseUrl = server.BaseUrl();
        request.targetPath = target;
        return request;
    }
    // An old file, written more than two hours ago.
    void WriteOldFile(const std::string& text) {
        testsupport::WriteTextFile(target, text);
        std::filesystem::last_write_time(
            target, std::filesystem::file_time_type::clock::now() - std::chrono::hours(3));
    }
};

TEST_F(Download, TheServedSetsAreWritten) {
    for (const auto kind : {HttpAnswer::Kind::Whole, HttpAnswer::Kind::Chunked}) {
        LocalHttpServer one;
        one.SetDefault({200, Fixture("visual.tle"), kind});
        WriteOldFile("alt\n");
        ElementUpdateRequest request = Request();
        request.baseUrl = one.BaseUrl();
        const ElementUpdateResult r = RunElementUpdate(request);
        EXPECT_EQ(r.status, ElementUpdateStatus::Written) << r.message;
        EXPECT_EQ(r.message, "2 Satelliten geschrieben");
        EXPECT_EQ(testsupport::ReadTextFile(target), Fixture("visual.tle"));
        EXPECT_EQ(one.Targets(), std::vector<std::string>{"/gp.php?GROUP=visual&FORMAT=tle"});
    }
}

// A port on 127.0.0.1 that is bound but takes no connection, for as long as it lives.
struct RefusingPort {
    int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
    RefusingPort() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(socket, reinterpret_cast<sockaddr*>(&address), length);
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~RefusingPort() { ::close(socket); }
};

TEST_F(Download, EveryFailureKeepsTheOldFile) {
    using Kind = HttpAnswer::Kind;
    const std::string sets = Fixture("visual.tle");
    const std::string half = std::to_string(sets.size() / 2);
    struct Case {
        const char* what;
        HttpAnswer answer;
        std::string message;
    } cases[] = {
        {"404",
         {404, "Not found"},
         "Der Elementdienst kennt die angefragte Adresse nicht (HTTP 404 Not Found)."},
        {"plain text",
         {200, "Invalid query: \"GROUP=visual\"\n"},
         "enthält keine Bahnelemente: \"Invalid query: \"GROUP=visual\"\""},
        {"short of its Content-Length",
         {200, sets, Kind::Cut},
         "brach ab, bevor die Antwort vollständig war (" + half + " von " +
             std::to_string(sets.size()) + " Bytes)."},
        {"no final chunk",
         {200, sets, Kind::ChunkedCut},
         "brach ab, bevor die Antwort vollständig war (nach " + half + " Bytes)."},
        {"redirected in a circle",
         {302, "", Kind::Whole, "/gp.php?GROUP=visual&FORMAT=tle"},
         "Der Elementdienst leitete zu oft weiter (mehr als 10 Weiterleitungen)."},
        {"redirected to another kind of address",
         {302, "", Kind::Whole, "ftp://127.0.0.1/v.tle"},
         "leitete auf eine ungesicherte oder unbekannte Adresse weiter"},
        {"refused", {}, "Der Rechner 127.0.0.1 nimmt keine Verbindung an."},
        {"silent",
         {200, "", Kind::Silent},
         "Zeitüberschreitung: der Elementdienst antwortete 0.3 Sekunden lang nicht."},
        {"a byte at a time",
         {200, sets, Kind::Trickle},
         "Zeitüberschreitung: die Antwort des Elementdienstes war nach 0.6 Sekunden nicht "
         "vollständig."},
    };
    const std::string old = "ALTE DATEI\r\n1 2 3\r\n";
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        LocalHttpServer one;  // a silent or slow answer holds its server
        RefusingPort closed;
        c.answer.byteInterval = std::chrono::milliseconds(50);
        one.SetDefault(c.answer);
        WriteOldFile(old);
        ElementUpdateRequest request = Request();
        request.baseUrl = c.what == std::string("refused")
                              ? "http://127.0.0.1:" + std::to_string(closed.port) + "/gp.php"
                              : one.BaseUrl();
        // Only the silent and the slow server wait for their limits; the others answer at
        // once, however busy the machine is.
        if (c.answer.kind == Kind::Silent) request.timeoutMs = 300;
        if (c.answer.kind == Kind::Trickle) request.deadlineMs = 600;
        const ElementUpdateResult r = RunElementUpdate(request);
        EXPECT_EQ(r.status, ElementUpdateStatus::Failed);
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
        EXPECT_NE(r.message.find("bleibt unverändert"), std::string::npos) << r.message;
        EXPECT_EQ(testsupport::ReadTextFile(target), old);
        EXPECT_EQ(std::filesystem::directory_iterator(dir.path())->path().filename(),
                  "visual.tle");  // no temporary file left behind
    }
}

TEST_F(Download, ACancelKeepsTheOldFile) {
    server.SetDefault({200, "", HttpAnswer::Kind::Silent});
    WriteOldFile("ALT\n");
    ElementUpdate update;
    ElementUpdateResult result;
    bool done = false;
    QObject::connect(&update, &ElementUpdate::finished, [&](const ElementUpdateResult& r) {
        result = r;
        done = true;
    });
    update.Start(Request());
    QTimer::singleShot(100, [&] { update.Cancel(); });
    while (!done) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(result.status, ElementUpdateStatus::Cancelled);
    EXPECT_EQ(testsupport::ReadTextFile(target), "ALT\n");
}

TEST_F(Download, OnlyTheSameRequestWithinTwoHoursKeepsTheFile) {
    server.SetDefault({200, Fixture("visual.tle")});
    server.Answer("FORMAT=csv", {200, Fixture("visual.csv")});
    testsupport::WriteTextFile(target, Fixture("visual.tle"));  // fresh, of unknown origin
    const struct {
        const char* what;
        ElementUpdateRequest request;
        bool fetched;
    } steps[] = {
        {"written by another program", Request(), true},
        {"the same request", Request(), false},
        {"another group", Request({"stations", {}, ElementFormat::Tle}), true},
        {"catalogue numbers", Request({"", {25544}, ElementFormat::Tle}), true},
        {"other catalogue numbers", Request({"", {20580}, ElementFormat::Tle}), true},
        {"another format", Request({"", {20580}, ElementFormat::Csv}), true},
        {"another base address",
         [&] {
             ElementUpdateRequest r = Request({"", {20580}, ElementFormat::Csv});
             r.baseUrl += "?mirror=1";
             return r;
         }(),
         true},
        {"forced",
         [&] {
             ElementUpdateRequest r = Request();
             r.force = true;
             return r;
         }(),
         true},
        {"the same request again", Request(), false},
    };
    std::size_t asked = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const ElementUpdateResult r = RunElementUpdate(step.request);
        asked += step.fetched ? 1 : 0;
        EXPECT_EQ(server.Targets().size(), asked);
        EXPECT_EQ(r.status,
                  step.fetched ? ElementUpdateStatus::Written : ElementUpdateStatus::FreshCopyKept)
            << r.message;
    }
    // A file changed since it was fetched is of unknown origin again.
    testsupport::WriteTextFile(target, Fixture("visual.tle") + "\n");
    EXPECT_EQ(RunElementUpdate(Request()).status, ElementUpdateStatus::Written);
    EXPECT_EQ(server.Targets().size(), asked + 1);
}

TEST_F(Download, CatalogueNumbersAreAskedOneByOneAndRedirectsFollowed) {
    const std::string csv = Fixture("visual.csv");
    const std::size_t iss = csv.find("ISS");
    const std::string header = csv.substr(0, csv.find('\n') + 1);
    server.Answer("CATNR=20580", {200, csv.substr(0, iss)});
    server.Answer("CATNR=25544", {301, "", HttpAnswer::Kind::Whole, "/moved?ISS"});
    server.Answer("/moved?ISS", {200, header + csv.substr(iss)});
    server.Answer("CATNR=99999", {200, "No GP data found\n"});
    target = (dir / "sats.csv").string();
    const ElementUpdateResult r =
        RunElementUpdate(Request({"", {20580, 25544, 99999}, ElementFormat::Csv}));
    EXPECT_EQ(r.status, ElementUpdateStatus::Written) << r.message;
    EXPECT_EQ(r.message, "2 Satelliten geschrieben; keine Elemente für 99999");
    EXPECT_EQ(testsupport::ReadTextFile(target), csv);  // one header line
}

TEST(ElementQueryText, AddressesAndEntries) {
    EXPECT_EQ(ElementQueryUrls("https://x/gp.php", {"gnss", {}, ElementFormat::Csv}),
              std::vector<std::string>{"https://x/gp.php?GROUP=gnss&FORMAT=csv"});
    EXPECT_EQ(ElementQueryUrls("https://x/q?k=1", {"", {5}, ElementFormat::Tle}),
              std::vector<std::string>{"https://x/q?k=1&CATNR=5&FORMAT=tle"});
    std::vector<long> numbers;
    EXPECT_EQ(ReadCatalogNumberList(" 25544, 123456 ,25544", numbers), "");
    EXPECT_EQ(numbers, (std::vector<long>{25544, 123456}));
    EXPECT_NE(ReadCatalogNumberList("25544,340000", numbers), "");
    EXPECT_NE(ReadCatalogNumberList("25544,,1", numbers), "");
    EXPECT_NE(CheckGroupName("visual&FORMAT=csv"), "");
    EXPECT_EQ(FormatOfFileName("Aktive.CSV"), ElementFormat::Csv);
    EXPECT_EQ(DefaultElementFileName({"", {5}, ElementFormat::Tle}), "katalognummern.tle");
}

}  // namespace
