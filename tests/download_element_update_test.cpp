// The element download against a local server: what is written, and that every
// failure leaves the old file byte for byte.
#include <gtest/gtest.h>

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
    server.SetDefault({200, Fixture("visual.tle")});
    WriteOldFile("alt\n");
    const ElementUpdateResult r = RunElementUpdate(Request());
    EXPECT_EQ(r.status, ElementUpdateStatus::Written) << r.message;
    EXPECT_EQ(r.message, "2 Satelliten geschrieben");
    EXPECT_EQ(testsupport::ReadTextFile(target), Fixture("visual.tle"));
    EXPECT_EQ(server.Targets(), std::vector<std::string>{"/gp.php?GROUP=visual&FORMAT=tle"});
}

TEST_F(Download, EveryFailureKeepsTheOldFile) {
    struct Case {
        const char* what;
        HttpAnswer answer;
        const char* message;
    } cases[] = {
        {"404", {404, "Not found"}, "HTTP 404 (Not Found)"},
        {"plain text", {200, "Invalid query: \"GROUP=visual\"\n"},
         "enthält keine Bahnelemente: \"Invalid query: \"GROUP=visual\"\""},
        {"cut", {200, Fixture("visual.tle"), HttpAnswer::Kind::Cut}, "brach ab"},
        {"silent", {200, "", HttpAnswer::Kind::Silent}, "Zeitüberschreitung"},
    };
    const std::string old = "ALTE DATEI\r\n1 2 3\r\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LocalHttpServer one;  // a silent answer holds its server
        one.SetDefault(c.answer);
        WriteOldFile(old);
        ElementUpdateRequest request = Request();
        request.baseUrl = one.BaseUrl();
        // Only the silent server waits for the timeout; the others answer at once, however
        // busy the machine is.
        if (c.answer.kind == HttpAnswer::Kind::Silent) request.timeoutMs = 300;
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

TEST_F(Download, AFileYoungerThanTwoHoursIsKeptUnlessForced) {
    server.SetDefault({200, Fixture("visual.tle")});
    const std::string fresh = Fixture("visual.tle").substr(0, Fixture("visual.tle").find("ISS"));
    testsupport::WriteTextFile(target, fresh);
    ElementUpdateResult r = RunElementUpdate(Request());
    EXPECT_EQ(r.status, ElementUpdateStatus::FreshCopyKept);
    EXPECT_EQ(r.sets, 1);
    EXPECT_NE(r.message.find("höchstens alle zwei Stunden"), std::string::npos) << r.message;
    EXPECT_TRUE(server.Targets().empty());

    ElementUpdateRequest forced = Request();
    forced.force = true;
    r = RunElementUpdate(forced);
    EXPECT_EQ(r.status, ElementUpdateStatus::Written);
    EXPECT_EQ(server.Targets().size(), 1u);
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
