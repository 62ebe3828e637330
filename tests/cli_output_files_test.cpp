// The output files of polaride-cli: every --out needs a name, and none may be one of
// the command's input files under whatever name.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/test_paths.h"

namespace {

using ::testing::HasSubstr;
using testsupport::CliRun;
using testsupport::ReadTextFile;
using testsupport::RunCli;

TEST(CliOutputFiles, AnEmptyOutNameIsRefusedByEveryCommandThatWrites) {
    testsupport::TempDir dir;
    std::istringstream usage(RunCli(dir.path(), {"--help"}).out);
    int commands = 0;
    for (std::string line; std::getline(usage, line);) {
        if (line.find("--out ") == std::string::npos) continue;
        std::istringstream words(line);
        std::string command;
        words >> command;
        SCOPED_TRACE(command);
        const CliRun run = RunCli(dir.path(), {command, "--out", ""});
        EXPECT_EQ(run.status, 2);
        EXPECT_THAT(run.err, HasSubstr("--out: kein Dateiname angegeben"));
        ++commands;
    }
    EXPECT_EQ(commands, 3);  // chart, elements, passes
}

TEST(CliOutputFiles, AnOutputOverItsOwnInputIsRefused) {
    testsupport::TempDir dir;
    const std::string elements = ReadTextFile(testsupport::DataPath("visual-2026-04.tle"));
    testsupport::WriteTextFile(dir / "sets.tle", elements);
    std::filesystem::create_symlink("sets.tle", dir / "link.tle");
    const std::vector<std::vector<std::string>> cases = {{"sets.tle", "sets.tle"},
                                                         {"sets.tle", "./sets.tle"},
                                                         {"link.tle", "sets.tle"},
                                                         {"sets.tle", "link.tle"},
                                                         {(dir / "sets.tle").string(), "sets.tle"}};
    for (const auto& c : cases) {
        for (const char* command : {"passes", "chart"}) {
            SCOPED_TRACE(std::string(command) + " --tle " + c[0] + " --out " + c[1]);
            std::vector<std::string> args = {command, "--tle", c[0], "--out", c[1]};
            if (args[0] == "passes") args.insert(args.end(), {"--all", "--date", "27.04.2026"});
            const CliRun run = RunCli(dir.path(), args);
            EXPECT_EQ(run.status, 2);
            EXPECT_THAT(run.err, HasSubstr("ist die Eingabedatei von --tle"));
            EXPECT_EQ(ReadTextFile(dir / "sets.tle"), elements);
            EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.tle"));
        }
    }
}

}  // namespace
