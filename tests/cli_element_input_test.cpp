// polaride-cli passes on element input as users give it: files in any order of their
// sets, a pipe, an endless device.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/cli_run.h"
#include "support/test_paths.h"

namespace {

using testsupport::CliRun;
using testsupport::DataPath;
using testsupport::ReadTextFile;
using testsupport::RunCli;
using testsupport::TempDir;
using testsupport::WriteTextFile;

const std::vector<std::string> kNight = {"passes",     "--all",    "--date",
                                         "27.04.2026", "--nights", "1"};

std::vector<std::string> With(std::vector<std::string> args, const std::string& tle) {
    args.insert(args.end(), {"--tle", tle});
    return args;
}

// The pass lines of a list (below its four head lines, which name the file), sorted.
std::vector<std::string> PassLines(const std::string& list) {
    std::vector<std::string> lines;
    std::istringstream in(list);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    lines.erase(lines.begin(), lines.begin() + std::min<std::size_t>(4, lines.size()));
    std::sort(lines.begin(), lines.end());
    return lines;
}

class CliElementInput : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"polaride.cfg", "SATMAG", "iridiums.tle"})
            std::filesystem::copy_file(DataPath(name), dir_ / name);
    }
    TempDir dir_;
};

TEST_F(CliElementInput, TheVisualFileInReverseOrderListsTheSamePasses) {
    // The sets as the element service writes them (no magnitudes in the name lines):
    // the standard magnitudes come from SATMAG.
    std::istringstream in(ReadTextFile(DataPath("visual-2026-04.tle")));
    std::vector<std::string> sets;
    std::string name, line1, line2;
    while (std::getline(in, name) && std::getline(in, line1) && std::getline(in, line2))
        sets.push_back(name.substr(0, 24) + "\n" + line1 + "\n" + line2 + "\n");
    std::string forward, reverse;
    for (const std::string& set : sets) forward += set;
    for (auto it = sets.rbegin(); it != sets.rend(); ++it) reverse += *it;
    WriteTextFile(dir_ / "forward.tle", forward);
    WriteTextFile(dir_ / "reverse.tle", reverse);
    const CliRun first = RunCli(dir_.path(), With(kNight, "forward.tle"));
    const CliRun second = RunCli(dir_.path(), With(kNight, "reverse.tle"));
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_GT(PassLines(first.out).size(), 100u);
    EXPECT_EQ(PassLines(second.out), PassLines(first.out));
}

TEST_F(CliElementInput, ElementsAreReadFromStandardInput) {
    const std::string sets = ReadTextFile(testsupport::FixturePath("passes/visual10.tle"));
    WriteTextFile(dir_ / "sets.tle", sets);
    testsupport::CliRunOptions piped;
    piped.standardInput = sets;
    const CliRun fromPipe = RunCli(dir_.path(), With(kNight, "/dev/stdin"), piped);
    const CliRun fromFile = RunCli(dir_.path(), With(kNight, "sets.tle"));
    ASSERT_EQ(fromPipe.status, 0) << fromPipe.err;
    EXPECT_FALSE(PassLines(fromFile.out).empty());
    EXPECT_EQ(PassLines(fromPipe.out), PassLines(fromFile.out));
}

TEST_F(CliElementInput, AnEndlessInputEndsWithAMessage) {
    if (!std::filesystem::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
    testsupport::CliRunOptions bounded;
    bounded.timeoutMs = 10000;  // a run that does not end by then fails the test
    const CliRun run = RunCli(dir_.path(), With(kNight, "/dev/zero"), bounded);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Datei zu groß (mehr als 64 MB), nicht gelesen: /dev/zero"),
              std::string::npos)
        << run.err;
}

}  // namespace
