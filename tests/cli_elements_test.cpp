// polaride-cli elements against a local server: the served sets in the file, the OMM
// form read like the two-line one, and a failure that leaves the file alone.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "support/cli_run.h"
#include "support/local_http_server.h"
#include "support/test_paths.h"

namespace {

using testsupport::FixturePath;
using testsupport::ReadTextFile;
using testsupport::RunCli;

std::vector<double> IssPosition(const testsupport::TempDir& dir, const std::string& file) {
    const testsupport::CliRun run = RunCli(
        dir.path(), {"sgp", "--tle", file, "--catnr", "25544", "--minutes", "0", "--data",
                     testsupport::DataPath("").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out).at("position_km").get<std::vector<double>>();
}

TEST(CliElements, TheServedSetsAreWrittenAndTheOmmFormGivesTheSamePosition) {
    testsupport::LocalHttpServer server;
    server.Answer("FORMAT=tle", {200, ReadTextFile(FixturePath("download/visual.tle"))});
    server.Answer("FORMAT=csv", {200, ReadTextFile(FixturePath("download/visual.csv"))});
    testsupport::TempDir dir;
    for (const char* file : {"v.tle", "v.csv"}) {
        const testsupport::CliRun run =
            RunCli(dir.path(), {"elements", "--url", server.BaseUrl(), "--group", "visual",
                                "--out", (dir / file).string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "2 Satelliten geschrieben\n");
    }
    EXPECT_EQ(ReadTextFile(dir / "v.tle"), ReadTextFile(FixturePath("download/visual.tle")));
    const std::vector<double> tle = IssPosition(dir, (dir / "v.tle").string());
    const std::vector<double> csv = IssPosition(dir, (dir / "v.csv").string());
    ASSERT_EQ(tle.size(), 3u);
    ASSERT_EQ(csv.size(), 3u);
    EXPECT_LT(std::hypot(tle[0] - csv[0], tle[1] - csv[1], tle[2] - csv[2]), 1.0);
}

TEST(CliElements, AnHttpErrorLeavesTheFileAndSaysSoInGerman) {
    testsupport::LocalHttpServer server;
    server.SetDefault({404, "gone"});
    testsupport::TempDir dir;
    testsupport::WriteTextFile(dir / "v.tle", "ALT\n");
    const testsupport::CliRun run = RunCli(
        dir.path(), {"elements", "--url", server.BaseUrl(), "--group", "visual", "--out", "v.tle"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("HTTP 404"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("bleibt unverändert"), std::string::npos) << run.err;
    EXPECT_EQ(ReadTextFile(dir / "v.tle"), "ALT\n");
}

TEST(CliElements, AServerSendingAByteASecondIsGivenUpAtTheDeadline) {
    testsupport::LocalHttpServer server;
    server.SetDefault({200, ReadTextFile(FixturePath("download/visual.tle")),
                       testsupport::HttpAnswer::Kind::Trickle});
    testsupport::TempDir dir;
    const std::string old = "ALT\r\n1 2 3\r\n";
    testsupport::WriteTextFile(dir / "v.tle", old);
    const testsupport::CliRun run =
        RunCli(dir.path(), {"elements", "--url", server.BaseUrl(), "--group", "visual", "--out",
                            "v.tle", "--timeout", "5"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Zeitüberschreitung: die Antwort des Elementdienstes war nach 5 "
                           "Sekunden nicht vollständig."),
              std::string::npos)
        << run.err;
    EXPECT_EQ(ReadTextFile(dir / "v.tle"), old);
}

TEST(CliElements, TheTimeoutIsAPositiveNumberOfSeconds) {
    testsupport::TempDir dir;
    const std::string range = "Sekunden größer als 0 und höchstens 86400";
    const struct {
        const char* value;
        std::string message;
    } cases[] = {{"0", range},
                 {"-2", range},
                 {"100000", range},
                 {"zwei", "--timeout: 'zwei' ist kein gültiger Gleitkommawert"}};
    for (const auto& c : cases) {
        const testsupport::CliRun run =
            RunCli(dir.path(), {"elements", "--url", "http://127.0.0.1:9/gp.php", "--group",
                                "visual", "--out", "v.tle", "--timeout", c.value});
        EXPECT_EQ(run.status, 2) << c.value;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "v.tle"));
    }
}

TEST(CliElements, TheDataFolderGivesTheAddressAndARelativeFileStaysWithTheCaller) {
    testsupport::LocalHttpServer server;
    server.SetDefault({200, ReadTextFile(FixturePath("download/visual.tle"))});
    testsupport::TempDir caller, data;
    testsupport::WriteTextFile(
        data / "polaride.cfg",
        ReadTextFile(testsupport::DataPath("polaride.cfg")) + server.BaseUrl() + "\r\n");
    const testsupport::CliRun run =
        RunCli(caller.path(),
               {"elements", "--data", data.path().string(), "--group", "visual", "--out", "v.tle"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("aus polaride.cfg: Adresse des Elementdienstes " + server.BaseUrl()),
              std::string::npos)
        << run.err;
    EXPECT_EQ(ReadTextFile(caller / "v.tle"), ReadTextFile(FixturePath("download/visual.tle")));
    EXPECT_EQ(server.Targets(), std::vector<std::string>{"/gp.php?GROUP=visual&FORMAT=tle"});
}

TEST(CliElements, AnAnswerThatIsNotWholeElementSetsLeavesTheFile) {
    const std::string good = ReadTextFile(FixturePath("download/visual.tle"));
    const struct {
        const char* what;
        std::string body;
    } answers[] = {
        {"junk lines", "1 " + std::string(67, 'x') + "\r\n2 " + std::string(67, 'x') + "\r\n"},
        {"an HTML page with element lines",
         "<html><body><pre>\n" + good + "</pre></body></html>\n"},
        {"a body cut inside a record", good.substr(0, good.find("1 25544") + 30)},
    };
    testsupport::TempDir dir;
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.what);
        testsupport::LocalHttpServer server;
        server.SetDefault({200, answer.body});
        testsupport::WriteTextFile(dir / "v.tle", good);
        const testsupport::CliRun run =
            RunCli(dir.path(), {"elements", "--url", server.BaseUrl(), "--group", "visual", "--out",
                                "v.tle", "--force"});
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_NE(run.err.find("wird nicht übernommen"), std::string::npos) << run.err;
        EXPECT_EQ(ReadTextFile(dir / "v.tle"), good);
    }
}

}  // namespace
