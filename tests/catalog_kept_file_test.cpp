// Data files read once and kept: the same text while the file stays as it is, read
// again when it changes, and a failing record file fails the same way every time.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalog/data_file_error.h"
#include "catalog/kept_file.h"
#include "catalog/nebulae.h"
#include "support/test_paths.h"

namespace {

TEST(KeptFile, AnUnchangedFileIsReadOnce) {
    testsupport::TempDir dir;
    testsupport::WriteTextFile(dir / "NEBEL", "a\r\nb\n");
    testsupport::ScopedWorkingDir cwd(dir.path());
    const auto first = KeptDataFile("NEBEL");
    EXPECT_EQ(first, KeptDataFile("NEBEL"));
    EXPECT_EQ(first->lines, (std::vector<std::string_view>{"a", "b"}));
}

TEST(KeptFile, AChangedFileOrAnotherFolderIsReadAgain) {
    testsupport::TempDir one;
    testsupport::TempDir two;
    testsupport::WriteTextFile(one / "NEBEL", "old\n");
    testsupport::WriteTextFile(two / "NEBEL", "other\n");
    {
        testsupport::ScopedWorkingDir cwd(one.path());
        ASSERT_EQ(KeptDataFile("NEBEL")->contents, "old\n");
        testsupport::WriteTextFile(one / "NEBEL", "newer\n");
        EXPECT_EQ(KeptDataFile("NEBEL")->contents, "newer\n");
    }
    testsupport::ScopedWorkingDir cwd(two.path());
    EXPECT_EQ(KeptDataFile("NEBEL")->contents, "other\n");
    std::filesystem::remove(two / "NEBEL");
    EXPECT_THROW(KeptDataFile("NEBEL"), DataFileError);
}

TEST(KeptFile, SplitsLinesAsTheReadersDo) {
    EXPECT_EQ(SplitDataLines(""), std::vector<std::string_view>{});
    EXPECT_EQ(SplitDataLines("\n"), std::vector<std::string_view>{""});
    EXPECT_EQ(SplitDataLines("a\r\n\nb"), (std::vector<std::string_view>{"a", "", "b"}));
}

// A bad field stops every read at the same line, after the records before it.
TEST(KeptRecords, AFailureIsReplayedAfterTheGoodRecords) {
    testsupport::TempDir dir;
    // Columns 1-7 right ascension, 8-14 declination, 18-19 size, 20- name.
    const std::string good = "   1.00  10.00    5Eins\n";
    testsupport::WriteTextFile(dir / "NEBEL", good + good + "   x.00  10.00    5Drei\n");
    testsupport::ScopedWorkingDir cwd(dir.path());
    for (int pass = 0; pass < 2; ++pass) {
        int visited = 0;
        try {
            ReadNebulae([&](int, const NebulaRecord&) { ++visited; });
            ADD_FAILURE() << "no failure";
        } catch (const DataFileError& e) {
            EXPECT_EQ(e.kind(), DataErrorKind::BadNumber);
        }
        EXPECT_EQ(visited, 2) << pass;
    }
}

}  // namespace
