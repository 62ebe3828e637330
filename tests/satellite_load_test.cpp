// Reading element files into the satellite table: records, tolerance of empty lines,
// magnitudes, flare marks, large files, progress captions and damaged input.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/displayed_instant.h"
#include "satellite/element_lines.h"
#include "satellite/loaded_elements.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "support/many_element_sets.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/unreadable_file.h"

namespace {

using testsupport::ScopedWorkingDir;
using testsupport::TempDir;
using testsupport::WriteTextFile;

// A complete element set for catalogue number c (five digits), with its checksums.
std::string WithChecksum(const char* line) {
    return line + std::to_string(ElementLineChecksum(line));
}
std::string Line1(int c) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer,
                  "1 %05dU 98067A   20100.50000000  .00001000  00000-0  10000-3 0  999", c);
    return WithChecksum(buffer);
}
std::string Line2(int c) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer,
                  "2 %05d  51.6000 100.0000 0005000 100.0000 260.0000 15.50000000 1000", c);
    return WithChecksum(buffer);
}
std::string Record(const std::string& name, int c, const std::string& eol = "\r\n") {
    return name + eol + Line1(c) + eol + Line2(c) + eol;
}

class LoadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetSatelliteTable();
        ResetMagnitudeTable();
        cwd_ = std::make_unique<ScopedWorkingDir>(dir_.path());
    }
    void TearDown() override {
        cwd_.reset();
        ResetSatelliteTable();
        ResetMagnitudeTable();
        ResetObserverRecords();
    }
    LoadResult Load(const std::string& text) {
        WriteTextFile(dir_ / "sats.tle", text);
        names_.clear();
        return LoadElementFile((dir_ / "sats.tle").string(), ui_,
                               [this](const std::string& n) { names_.push_back(n); });
    }
    void SetMagnitudes(const std::vector<std::pair<double, double>>& entries) {
        SatelliteMagnitudeTable& t = MagnitudeTable();
        t.count = 0;
        for (const auto& [number, magnitude] : entries)
            t.entries[static_cast<std::size_t>(t.count++)] = {number, magnitude};
    }
    // Selects the one table row by hand, as the selection window leaves it.
    static void SelectOnlyRow(int row) {
        SatelliteTable& t = Satellites();
        const std::size_t first = 3 * static_cast<std::size_t>(row - 1);
        t.selectedSets = {t.allSets[first], t.allSets[first + 1], t.allSets[first + 2]};
        t.selectedRows = {std::to_string(row)};
        t.selectedCount = 1;
        t.rowSelected[static_cast<std::size_t>(row)] = 1;
    }

    TempDir dir_;
    std::unique_ptr<ScopedWorkingDir> cwd_;
    std::vector<std::string> names_;
    std::vector<std::string> captions_;
    std::vector<std::string> messages_;
    SatelliteUi ui_{[] { return std::string("Polaride"); },
                    [this](const std::string& c) { captions_.push_back(c); },
                    [this](const std::string& caption, const std::string& text) {
                        messages_.push_back(caption + ": " + text);
                    },
                    {}};
};

TEST_F(LoadTest, StoresThreeLinesPerRecordUnchanged) {
    const LoadResult r =
        Load(Record("ISS (ZARYA)             ", 25544) + Record("POISK", 36086, "\n"));
    ASSERT_TRUE(r.opened);
    EXPECT_EQ(r.satelliteCount, 2);
    EXPECT_EQ(ElementFile().satelliteCount, 2);
    const SatelliteTable& t = Satellites();
    ASSERT_EQ(t.allSets.size(), 6u);
    EXPECT_EQ(t.allSets[0], "ISS (ZARYA)             ");
    EXPECT_EQ(t.allSets[1], Line1(25544));
    EXPECT_EQ(t.allSets[5], Line2(36086));
    EXPECT_EQ(t.Row(2).nameLine, "POISK");
    EXPECT_EQ(names_, (std::vector<std::string>{"ISS (ZARYA)     ", "POISK"}));
    EXPECT_TRUE(Shown().timeChanged);
    EXPECT_EQ(Tracking().trackedSatellite, -1);
}

TEST_F(LoadTest, DisplayNames) {
    struct Case {
        std::string nameLine, expected;
    };
    const Case cases[] = {
        {" LEADING BLANK", "12345"},
        {"", "12345"},
        {"A NAME OF THIRTY CHARACTERS...", "A NAME OF THIRTY"},
        {"SHORT", "SHORT"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayName({c.nameLine, Line1(12345), Line2(12345)}), c.expected) << c.nameLine;
    }
    // A 30-character name line is stored unchanged.
    Load(Record("A NAME OF THIRTY CHARACTERS...", 5));
    EXPECT_EQ(Satellites().allSets[0], "A NAME OF THIRTY CHARACTERS...");
}

TEST_F(LoadTest, EmptyLinesNeverShiftTheRecords) {
    // One empty line between the records and inside a record, and two in a row.
    for (const std::string& gap : {std::string("\r\n"), std::string("\r\n\r\n")}) {
        SCOPED_TRACE(gap.size());
        const LoadResult r = Load(Record("FIRST", 1) + gap + "SECOND\r\n" + gap + Line1(2) +
                                  "\r\n" + Line2(2) + "\r\n");
        ASSERT_EQ(r.satelliteCount, 2);
        EXPECT_EQ(Satellites().Row(2).nameLine, "SECOND");
        EXPECT_EQ(Satellites().Row(2).line1, Line1(2));
        EXPECT_EQ(Satellites().Row(2).line2, Line2(2));
        EXPECT_EQ(r.noticeText, "");
    }
}

TEST_F(LoadTest, SetsWithoutNameLinesAreNamedByTheirCatalogueNumber) {
    // Two-line sets alone (the first after a byte-order mark), and mixed with three-line
    // records, with LF, CR LF and CR.
    const std::string twoLine = "\xEF\xBB\xBF" + Line1(25544) + "\r\n" + Line2(25544) + "\r\n";
    const LoadResult r = Load(twoLine + Line1(36086) + "\n" + Line2(36086) + "\n" +
                              Record("NAMED", 40000) + Line1(41000) + "\r" + Line2(41000) + "\r");
    EXPECT_EQ(r.noticeText, "");
    ASSERT_EQ(r.satelliteCount, 4);
    const SatelliteTable& t = Satellites();
    EXPECT_EQ(t.Row(1).nameLine, "25544");
    EXPECT_EQ(t.Row(1).line1, Line1(25544));
    EXPECT_EQ(t.Row(1).line2, Line2(25544));
    EXPECT_EQ(t.Row(2).line2, Line2(36086));
    EXPECT_EQ(t.Row(3).nameLine, "NAMED");
    EXPECT_EQ(t.Row(4).line1, Line1(41000));
    EXPECT_EQ(names_, (std::vector<std::string>{"25544", "36086", "NAMED", "41000"}));
    EXPECT_EQ((std::vector<int>{t.fileLine[1], t.fileLine[2], t.fileLine[3], t.fileLine[4]}),
              (std::vector<int>{1, 3, 5, 8}));
}

TEST_F(LoadTest, LinesThatStartNoRecordAreReportedAndTheRestStaysInStep) {
    // A stray line, a set that lost its line 2, and an unfinished record at the end.
    const LoadResult r = Load(Record("A", 1) + "STRAY\r\n" + Record("B", 2) + Line1(3) + "\r\n" +
                              Line1(4) + "\r\n" + Line2(4) + "\r\n" + "C\r\n" + Line1(5) + "\r\n");
    ASSERT_EQ(r.satelliteCount, 3);
    const SatelliteTable& t = Satellites();
    EXPECT_EQ(t.Row(2).nameLine, "B");
    EXPECT_EQ(t.Row(2).line1, Line1(2));
    EXPECT_EQ(t.Row(3).nameLine, "00004");
    EXPECT_EQ(t.Row(3).line2, Line2(4));
    EXPECT_EQ(t.fileLine[2], 5);
    EXPECT_EQ(t.fileLine[3], 9);
    EXPECT_EQ(r.noticeText,
              "Nicht geladen (kein vollständiger Elementsatz): Zeile 4, Zeile 8, Zeilen 11-12.");
    EXPECT_EQ(messages_, (std::vector<std::string>{"Info: " + r.noticeText}));
}

TEST_F(LoadTest, StandardMagnitudes) {
    SetMagnitudes({{5, 3.5}, {7, 4.5}, {9, 1.0}});
    std::string name25 = "WITH MAGNITUDE";
    name25.resize(30, ' ');
    Load(Record(name25 + "  2.5", 3) + Record("PLAIN", 4) + Record("IN TABLE", 9) +
         Record("AFTER", 7));
    const SatelliteTable& t = Satellites();
    struct Expect {
        int row;
        double magnitude;
        int known;
    };
    for (const Expect& e :
         {Expect{1, 2.5, 1}, Expect{2, 6.0, 0}, Expect{3, 1.0, 1}, Expect{4, 4.5, 1}}) {
        SCOPED_TRACE(e.row);
        EXPECT_EQ(t.standardMagnitude[static_cast<std::size_t>(e.row)], e.magnitude);
        EXPECT_EQ(t.magnitudeKnown[static_cast<std::size_t>(e.row)], e.known);
    }
}

TEST_F(LoadTest, MagnitudesAreFoundWhateverTheOrder) {
    // Neither the table nor the file in catalogue order; of two entries the first counts.
    SetMagnitudes({{9, 1.0}, {5, 3.5}, {7, 4.5}, {5, 2.0}});
    Load(Record("SEVEN", 7) + Record("FIVE", 5) + Record("NINE", 9));
    const SatelliteTable& t = Satellites();
    EXPECT_EQ((std::vector<double>{t.standardMagnitude[1], t.standardMagnitude[2],
                                   t.standardMagnitude[3]}),
              (std::vector<double>{4.5, 3.5, 1.0}));
    EXPECT_EQ(t.magnitudeKnown[2], 1);
}

TEST_F(LoadTest, FlareCapableFromIridiumList) {
    WriteTextFile(dir_ / "iridiums.tle", Record("IRIDIUM 7", 24793) + Record("IRIDIUM 5", 24795));
    Load(Record("A", 24792) + Record("IRIDIUM 7", 24793) + Record("IRIDIUM 5", 24795));
    const SatelliteTable& t = Satellites();
    EXPECT_EQ(t.flareCapable[1], 0);
    EXPECT_EQ(t.flareCapable[2], 1);
    EXPECT_EQ(t.flareCapable[3], 1);
    EXPECT_EQ(ReadFlareList((dir_ / "iridiums.tle").string()), (std::vector<double>{24793, 24795}));
    EXPECT_TRUE(ReadFlareList((dir_ / "missing.tle").string()).empty());
}

TEST_F(LoadTest, ProgressCaptionEveryHundredRecords) {
    std::string text;
    for (int i = 1; i <= 250; ++i) text += Record("SAT", i);
    Load(text);
    EXPECT_EQ(captions_, (std::vector<std::string>{"Lese Satelliten-Elemente...0",
                                                   "Lese Satelliten-Elemente...100",
                                                   "Lese Satelliten-Elemente...200"}));
}

TEST_F(LoadTest, SixtyThousandSetsLoadWhole) {
    constexpr int kSets = 60000;
    const ElementSet base{"ISS (ZARYA)", Line1(25544), Line2(25544)};
    std::istringstream in(testsupport::ManyElementSets(base, kSets));
    const LoadResult r = LoadElementStream(in);
    EXPECT_EQ(r.satelliteCount, kSets);
    EXPECT_EQ(r.noticeText, "");
    const SatelliteTable& t = Satellites();
    ASSERT_EQ(t.allSets.size(), 3u * kSets);
    EXPECT_EQ(WholeDisplayName(t.Row(1)), "ISS (ZARYA) 1");
    EXPECT_EQ(WholeDisplayName(t.Row(kSets)), "ISS (ZARYA) 60000");
    EXPECT_EQ(t.Row(1).line1.substr(2, 5), "00001");
    EXPECT_EQ(t.Row(kSets).line2.substr(2, 5), "60000");
    EXPECT_TRUE(t.OrbitOfRow(kSets).readable);
    EXPECT_EQ(t.fileLine[kSets], 3 * kSets - 2);
}

TEST_F(LoadTest, ALoadEmptiesTheSelection) {
    Load(Record("A", 1) + Record("B", 2));
    SelectOnlyRow(2);
    SatelliteTable& t = Satellites();
    t.chartX[1] = 100;
    t.chartY[1] = 120;
    Load(Record("C", 3));
    EXPECT_EQ(t.selectedCount, 0);
    EXPECT_TRUE(t.selectedSets.empty());
    EXPECT_TRUE(t.selectedRows.empty());
    EXPECT_EQ(t.rowSelected[2], 0);
    EXPECT_EQ(t.chartX[1], 0.0);
    EXPECT_EQ(t.chartY[1], 0.0);
}

TEST_F(LoadTest, AFileThatCannotBeOpenedKeepsTheTableAndSelection) {
    Load(Record("A", 1) + Record("B", 2));
    SelectOnlyRow(1);
    SatelliteTable& t = Satellites();
    bool cleared = false;
    SatelliteUi ui = ui_;
    ui.clearSatelliteViews = [&] { cleared = true; };
    for (const std::string& path :
         {(dir_ / "missing.tle").string(), dir_.path().string(), std::string()}) {
        SCOPED_TRACE(path);
        const LoadResult r = LoadElementFile(path, ui);
        EXPECT_FALSE(r.opened);
        EXPECT_FALSE(r.errorText.empty());
        EXPECT_FALSE(cleared);
        EXPECT_EQ(ElementFile().satelliteCount, 2);
        EXPECT_EQ(t.allSets.size(), 6u);
        EXPECT_EQ(t.selectedCount, 1);
        EXPECT_EQ(t.selectedRows, (TextLines{"1"}));
        EXPECT_EQ(t.rowSelected[1], 1);
    }
    EXPECT_TRUE(LoadElementFile((dir_ / "sats.tle").string(), ui).opened);
    EXPECT_TRUE(cleared);
}

TEST_F(LoadTest, DamagedInputNeverCrashes) {
    std::string nul("NUL\0NAME", 8);
    std::string lettersInNumbers =
        "1 ABCDEU 98067A   2X100.5000000O  .0000I000  00000-0  10000-3 0  9991";
    struct Case {
        const char* what;
        std::string text;
        int expectedCount;
    };
    const Case cases[] = {
        {"only names", "ONE\r\nTWO\r\nTHREE\r\nFOUR\r\n", 0},
        {"only names, not a multiple of three", "ONE\r\nTWO\r\n", 0},
        {"record cut after line 1", Record("A", 1) + "B\r\n" + Line1(2) + "\r\n", 1},
        {"empty file", "", 0},
        {"NUL bytes", nul + "\r\n" + Line1(1) + "\r\n" + Line2(1) + "\r\n", 1},
        {"letters in number columns", "X\r\n" + lettersInNumbers + "\r\n" + Line2(1) + "\r\n", 0},
        {"random bytes", std::string("\xff\xfe\x01\x02\r\r\r\n\n\x80\x81\x82\n\x00\x00\n", 16), 0},
        {"no line end at the end", "A\r\n" + Line1(1) + "\r\n" + Line2(1), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LoadResult r = Load(c.text);
        EXPECT_TRUE(r.opened);
        EXPECT_EQ(r.satelliteCount, c.expectedCount);
        EXPECT_EQ(Satellites().allSets.size(), 3u * static_cast<std::size_t>(c.expectedCount));
    }
}

TEST_F(LoadTest, AnOverlongLineSkipsOnlyItsOwnSet) {
    const std::string tooLong(10000, 'N');
    struct Case {
        const char* what;
        std::string text;
        int line;
    };
    const Case cases[] = {
        {"name line", Record("A", 1) + Record(tooLong, 2) + Record("C", 3), 4},
        {"line 2",
         Record("A", 1) + "B\r\n" + Line1(2) + "\r\n2 " + tooLong + "\r\n" + Record("C", 3), 6},
        {"line 1",
         Record("A", 1) + "B\r\n1 " + tooLong + "\r\n" + Line2(2) + "\r\n" + Record("C", 3), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages_.clear();
        const LoadResult r = Load(c.text);
        EXPECT_EQ(r.satelliteCount, 2);
        EXPECT_EQ(Satellites().Row(2).nameLine, "C");
        EXPECT_EQ(r.noticeText, "Nicht geladen (Zeile zu lang, mehr als 512 Zeichen): Zeile " +
                                    std::to_string(c.line) + ".");
        EXPECT_EQ(messages_, (std::vector<std::string>{"Info: " + r.noticeText}));
    }
}

TEST_F(LoadTest, ReadErrorsLeaveTheTableAsAMissingFileDoes) {
    Load(Record("A", 1) + Record("B", 2));
    SelectOnlyRow(1);
    bool cleared = false;
    SatelliteUi ui = ui_;
    ui.clearSatelliteViews = [&] { cleared = true; };
    for (const std::string& form : testsupport::UnreadableForms()) {
        SCOPED_TRACE(form);
        const std::string path = (dir_ / "unreadable.tle").string();
        testsupport::MakeUnreadable(path, form);
        const LoadResult r = LoadElementFile(path, ui);
        EXPECT_FALSE(r.opened);
        EXPECT_EQ(r.errorText, "Datei kann nicht gelesen werden: " + path);
        EXPECT_FALSE(cleared);
        EXPECT_EQ(ElementFile().satelliteCount, 2);
        EXPECT_EQ(Satellites().selectedCount, 1);
    }
    // An unreadable "iridiums.tle" is named, and the load goes on without it.
    testsupport::MakeUnreadable(dir_ / "iridiums.tle", "folder");
    const LoadResult r = Load(Record("C", 3));
    EXPECT_EQ(r.satelliteCount, 1);
    EXPECT_EQ(r.noticeText, "Datei kann nicht gelesen werden: iridiums.tle");
}

TEST_F(LoadTest, SelectionAccessors) {
    Load(Record("A", 1) + Record("B", 2));
    SatelliteTable& t = Satellites();
    t.selectedSets = {t.allSets[3], t.allSets[4], t.allSets[5]};
    t.selectedRows = {"2"};
    t.selectedCount = 1;
    EXPECT_EQ(t.Selected(0).nameLine, "B");
    EXPECT_EQ(t.SelectedRow(0), 2);
    EXPECT_EQ(t.SelectedRow(1), 0);
    EXPECT_EQ(t.Selected(1).line1, "");
    t.selectedRows = {"x"};
    EXPECT_EQ(t.SelectedRow(0), 0);
    EXPECT_EQ(t.Row(0).line1, "");
    EXPECT_EQ(t.Row(3).line1, "");
}

// The magnitude file "SATMAG".
class MagnitudeFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetMagnitudeTable(); }
    void TearDown() override { ResetMagnitudeTable(); }
    TempDir dir_;
};

TEST_F(MagnitudeFileTest, ReadsNumberAndMagnitudeColumns) {
    WriteTextFile(dir_ / "SATMAG",
                  "00163 Midas 3            5.0\r\n00574 Midas 6           -1.5\n");
    std::string error;
    ASSERT_TRUE(LoadMagnitudeTable((dir_ / "SATMAG").string(), &error));
    ASSERT_EQ(MagnitudeTable().count, 2);
    EXPECT_EQ(MagnitudeTable().entries[0].catalogNumber, 163);
    EXPECT_EQ(MagnitudeTable().entries[0].magnitude, 5.0);
    EXPECT_EQ(MagnitudeTable().entries[1].catalogNumber, 574);
    EXPECT_EQ(MagnitudeTable().entries[1].magnitude, -1.5);
}

TEST_F(MagnitudeFileTest, SkipsBlankLines) {
    WriteTextFile(
        dir_ / "SATMAG",
        "00163 Midas 3            5.0\r\n\r\n   \r\n00574 Midas 6            4.0\r\n\r\n");
    std::string error;
    ASSERT_TRUE(LoadMagnitudeTable((dir_ / "SATMAG").string(), &error)) << error;
    ASSERT_EQ(MagnitudeTable().count, 2);
    EXPECT_EQ(MagnitudeTable().entries[1].catalogNumber, 574);
}

TEST_F(MagnitudeFileTest, IgnoresLinesBeyondTheCapacity) {
    std::string text;
    for (int i = 1; i <= kMagnitudeTableCapacity + 10; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "%05d Name              %4.1f\r\n", i, 4.0);
        text += line;
    }
    WriteTextFile(dir_ / "SATMAG", text);
    ASSERT_TRUE(LoadMagnitudeTable((dir_ / "SATMAG").string()));
    EXPECT_EQ(MagnitudeTable().count, kMagnitudeTableCapacity);
    EXPECT_EQ(MagnitudeTable().entries[kMagnitudeTableCapacity - 1].catalogNumber,
              kMagnitudeTableCapacity);
}

TEST_F(MagnitudeFileTest, FailuresKeepWhatWasReadAndSaySo) {
    std::string error;
    EXPECT_FALSE(LoadMagnitudeTable((dir_ / "none").string(), &error));
    EXPECT_FALSE(error.empty());
    WriteTextFile(dir_ / "SATMAG",
                  "00163 Midas 3            5.0\r\nabcde Broken             x.y\r\n");
    error.clear();
    EXPECT_FALSE(LoadMagnitudeTable((dir_ / "SATMAG").string(), &error));
    EXPECT_NE(error.find("2"), std::string::npos);
    EXPECT_EQ(MagnitudeTable().count, 1);
}

TEST_F(MagnitudeFileTest, AnUnreadableFileIsNamed) {
    for (const std::string& form : testsupport::UnreadableForms()) {
        SCOPED_TRACE(form);
        const std::string path = (dir_ / "SATMAG").string();
        testsupport::MakeUnreadable(path, form);
        std::string error;
        EXPECT_FALSE(LoadMagnitudeTable(path, &error));
        EXPECT_EQ(error, "Datei kann nicht gelesen werden: " + path);
        EXPECT_EQ(MagnitudeTable().count, 0);
    }
}

TEST_F(MagnitudeFileTest, ShippedFileReads) {
    const auto path = testsupport::DataPath("SATMAG");
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "no shipped SATMAG";
    std::string error;
    EXPECT_TRUE(LoadMagnitudeTable(path.string(), &error)) << error;
    EXPECT_GT(MagnitudeTable().count, 0);
}

}  // namespace
