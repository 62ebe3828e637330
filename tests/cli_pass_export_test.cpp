// polaride-cli passes --ics and --csv: the calendar and the table beside the list.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/cli_run.h"
#include "support/test_paths.h"

namespace {

using testsupport::CliRun;
using testsupport::FixturePath;
using testsupport::ReadTextFile;
using testsupport::RunCli;
using testsupport::TempDir;

std::vector<std::string> SearchArgs() {
    return {"passes",   "--tle",  FixturePath("passes/iss.tle").string(),
            "--all",    "--date", "27.04.2026",
            "--nights", "3",      "--lon",
            "13.4",     "--lat",  "52.5",
            "--zone",   "2"};
}

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(CliPassExportTest, IcsAndCsvWrittenBesideTheJson) {
    TempDir dir;
    std::vector<std::string> args = SearchArgs();
    args.insert(args.end(), {"--json", "--ics", "passes.ics", "--csv", "passes.csv"});
    const CliRun run = RunCli(dir.path(), args);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto passes = nlohmann::json::parse(run.out);
    int visible = 0;
    for (const auto& pass : passes) visible += pass["start"].is_null() ? 0 : 1;
    ASSERT_GT(visible, 0);
    const std::string calendar = ReadTextFile(dir / "passes.ics");
    EXPECT_EQ(calendar.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    EXPECT_EQ(Count(calendar, "\r\nBEGIN:VEVENT\r\n"), visible);
    const std::string table = ReadTextFile(dir / "passes.csv");
    EXPECT_EQ(Count(table, "\r\n"), static_cast<int>(passes.size()) + 1);
}

TEST(CliPassExportTest, EmptyOrSharedFileNameRefused) {
    TempDir dir;
    for (const std::vector<std::string>& output :
         {std::vector<std::string>{"--ics", ""}, {"--csv", ""}, {"--ics", "a", "--csv", "a"}}) {
        std::vector<std::string> args = SearchArgs();
        args.insert(args.end(), output.begin(), output.end());
        const CliRun run = RunCli(dir.path(), args);
        EXPECT_EQ(run.status, 2) << output[0] << " " << run.err;
        EXPECT_NE(run.err.find(output[0] == "--ics" && output.size() > 2 ? "--csv" : output[0]),
                  std::string::npos)
            << run.err;
    }
}

}  // namespace
