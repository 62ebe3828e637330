// Readers of the sky data files: field extraction, the catalogue-field cases, the
// visitors and the failure behaviour (missing file, bad number, short file).
#include "catalog/catalog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_paths.h"
#include "support/unreadable_file.h"

namespace {

using testsupport::FixturePath;
using testsupport::ScopedWorkingDir;
using testsupport::TempDir;
using testsupport::WriteTextFile;

std::string Fixture(const std::string& name) { return FixturePath("catalog/" + name).string(); }

// A star line in the catalogue's columns.
std::string StarLine(double ra, double dec, double mag, const std::string& con = "Ori") {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%7.4f%7.3f%5.2f%-3s", ra, dec, mag, con.c_str());
    return buffer;
}

std::string Lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

// Runs `read` and returns the DataFileError it throws (fails the test otherwise).
template <typename Fn>
DataFileError ErrorOf(Fn read) {
    try {
        read();
    } catch (const DataFileError& error) {
        return error;
    }
    ADD_FAILURE() << "no DataFileError thrown";
    return DataFileError::FileNotFound("");
}

// ---- field extraction ----------------------------------------------------------

TEST(ColumnFields, CutsColumnsAndClipsToTheLine) {
    struct Case {
        const char* line;
        int first, last;
        const char* expected;
    } cases[] = {
        {"abcdef", 1, 3, "abc"}, {"abcdef", 4, 6, "def"}, {"abcdef", 5, 9, "ef"},
        {"abcdef", 7, 9, ""},    {"", 1, 5, ""},          {"abcdef", 3, 3, "c"},
        {"abcdef", 4, 2, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnText(c.line, c.first, c.last), c.expected)
            << c.line << " " << c.first << "-" << c.last;
    }
    EXPECT_EQ(ColumnsToEnd("abcdef", 3), "cdef");
    EXPECT_EQ(ColumnsToEnd("abc", 5), "");
}

TEST(ColumnFields, DecimalConversionAcceptsOnlyNumbers) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"  6.7525", true, 6.7525},
        {"-16.716 ", true, -16.716},
        {"+2.5", true, 2.5},
        {"5", true, 5.0},
        {".5", true, 0.5},
        {"1e2", true, 100.0},
        {"-0.5", true, -0.5},
        {"", false, 0},
        {"   ", false, 0},
        {"1,5", false, 0},
        {"abc", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
        {"1.5x", false, 0},
        {"-", false, 0},
        {"1 2", false, 0},
        {"0x10", false, 0},
        {"+-1", false, 0},
    };
    for (const Case& c : cases) {
        double value = -999;
        EXPECT_EQ(ParseDecimal(c.text, value), c.ok) << "'" << c.text << "'";
        if (c.ok) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        } else {
            EXPECT_EQ(value, -999) << "value changed by '" << c.text << "'";
        }
    }
}

TEST(ColumnFields, WholeNumberConversion) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    } cases[] = {
        {"   -9", true, -9}, {"15639", true, 15639}, {"+7", true, 7},   {"    0", true, 0},
        {"", false, 0},      {"1.5", false, 0},      {"--1", false, 0}, {"99999999999", false, 0},
        {"+-3", false, 0},   {"3a", false, 0},
    };
    for (const Case& c : cases) {
        int value = -999;
        EXPECT_EQ(ParseWholeNumber(c.text, value), c.ok) << "'" << c.text << "'";
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(ColumnFields, ConversionErrorsCarryTheGermanMessage) {
    const DataFileError bad = ErrorOf([] { ColumnNumber("12x.5", 1, 5, "STERNKAT"); });
    EXPECT_EQ(bad.kind(), DataErrorKind::BadNumber);
    EXPECT_EQ(bad.fileName(), "STERNKAT");
    EXPECT_STREQ(bad.what(), "'12x.5' ist kein gültiger Gleitkommawert (STERNKAT)");

    const DataFileError badInt = ErrorOf([] { ColumnInteger("  abc", 1, 5); });
    EXPECT_EQ(badInt.kind(), DataErrorKind::BadNumber);
    EXPECT_STREQ(badInt.what(), "'  abc' ist kein gültiger Integerwert");
}

// ---- catalogue field ----------------------------------------------------------

TEST(StarCatalogueField, CasesInTheirOrder) {
    const std::string base = StarLine(1.0, 2.0, 3.0) + "alpha     " + "  8.6";
    ASSERT_EQ(base.size(), 37u);
    struct Case {
        std::string tail;  // from column 38
        CatalogueKind kind;
        const char* number;
    } cases[] = {
        {"H       12345", CatalogueKind::Hipparcos, "12345"},
        {"T4", CatalogueKind::Tycho, "4"},
        {"T4567-1234-1", CatalogueKind::Tycho, "4567-1234-1"},
        {"T 123", CatalogueKind::Tycho, "123"},
        {"T", CatalogueKind::Text, ""},  // column 39 missing counts as 1000
        {"Thuban", CatalogueKind::Text, ""},
        {"TX 5", CatalogueKind::Text, ""},
        {"H 12345", CatalogueKind::Text, ""},  // only one blank after the H
        {"Sirius", CatalogueKind::Text, ""},
        {"  Sirius", CatalogueKind::None, ""},
        {"", CatalogueKind::None, ""},
    };
    for (const Case& c : cases) {
        const std::string line = base + c.tail;
        EXPECT_EQ(ClassifyCatalogueField(line), c.kind) << "'" << c.tail << "'";
        const StarRecord star = ParseStarRecord(line);
        EXPECT_EQ(star.catalogueKind, c.kind);
        EXPECT_EQ(star.catalogueNumber, c.number) << "'" << c.tail << "'";
    }
}

TEST(StarCatalogueField, ThirtySevenCharacterLineHasNoEntry) {
    const std::string line = StarLine(3.0, -4.5, 6.1, "Cet") + std::string(15, ' ');
    ASSERT_EQ(line.size(), 37u);
    const StarRecord star = ParseStarRecord(line);
    EXPECT_EQ(star.catalogueKind, CatalogueKind::None);
    EXPECT_EQ(star.catalogue, "");
    EXPECT_EQ(star.description, "");
    EXPECT_EQ(star.constellation, "Cet");
}

TEST(StarRecords, FieldsOfTheSampleLines) {
    std::vector<std::string> names;
    std::vector<CatalogueKind> kinds;
    std::vector<double> magnitudes;
    DataFile file(Fixture("STERNKAT-sample"));
    std::string_view line;
    while (file.NextLine(line)) {
        const StarRecord star = ParseStarRecord(line);
        names.emplace_back(TrimTrailingBlanks(star.catalogue));
        kinds.push_back(star.catalogueKind);
        magnitudes.push_back(star.magnitude);
    }
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[0], "Sirius");
    EXPECT_EQ(kinds, (std::vector<CatalogueKind>{CatalogueKind::Text, CatalogueKind::Hipparcos,
                                                 CatalogueKind::Tycho, CatalogueKind::Tycho,
                                                 CatalogueKind::None, CatalogueKind::None,
                                                 CatalogueKind::Hipparcos}));
    EXPECT_DOUBLE_EQ(magnitudes[0], -1.44);

    DataFile again(Fixture("STERNKAT-sample"));
    const StarRecord sirius = ParseStarRecord(again.RequireLine());
    EXPECT_DOUBLE_EQ(sirius.rightAscensionHours, 6.7525);
    EXPECT_DOUBLE_EQ(sirius.declinationDeg, -16.716);
    EXPECT_EQ(sirius.constellation, "CMa");
    EXPECT_EQ(TrimTrailingBlanks(sirius.designation), "alpha");
    EXPECT_EQ(TrimBlanks(sirius.distance), "8.6");
    EXPECT_EQ(sirius.description, "Spektraltyp A1Vm, Doppelstern");
    EXPECT_EQ(sirius.line.back(), 'n') << "the line end is not part of the line";
}

// ---- whole-file visitors ----------------------------------------------------------

class InTempDir : public ::testing::Test {
  protected:
    TempDir dir;
    ScopedWorkingDir cwd{dir.path()};
};

TEST_F(InTempDir, StarCatalogueVisitsExactly15639StarsInOrder) {
    // One line more than the catalogue holds: it is ignored.
    std::string text;
    for (int i = 1; i <= kStarCount + 1; ++i) text += StarLine(i * 0.001, 0.5, 4.0) + "\n";
    WriteTextFile(dir / "STERNKAT", text);
    int visited = 0;
    bool inOrder = true;
    ReadStarRecords([&](int n, const StarRecord& star) {
        inOrder =
            inOrder && n == visited + 1 && std::abs(star.rightAscensionHours - n * 0.001) < 1e-9;
        ++visited;
    });
    EXPECT_EQ(visited, kStarCount);
    EXPECT_TRUE(inOrder);
}

TEST_F(InTempDir, MissingAndUnreadableFilesFailWithTheFileError) {
    struct Case {
        const char* file;
        std::function<void()> read;
    } cases[] = {
        {"STERNKAT", [] { ReadStarRecords([](int, const StarRecord&) {}); }},
        {"STERNKAT", [] { ReadStarLine(1); }},
        {"SLINIEN", [] { ReadConstellationLines(); }},
        {"SNAMEN", [] { ReadConstellationLabels([](int, const ConstellationLabelRecord&) {}); }},
        {"SNAMEN", [] { ReadLabelLine(3); }},
        {"NEBEL", [] { ReadNebulae([](int, const NebulaRecord&) {}); }},
        {"NEBEL", [] { ReadNebulaLine(3); }},
        {"STERNNAM", [] { ReadNamedStars([](int, const NamedStarRecord&) {}); }},
    };
    for (const Case& c : cases) {
        const DataFileError error = ErrorOf(c.read);
        EXPECT_EQ(error.kind(), DataErrorKind::FileNotFound) << c.file;
        EXPECT_EQ(error.fileName(), c.file);
        EXPECT_EQ(std::string(error.what()), "Datei nicht gefunden: " + std::string(c.file));
    }
    // A folder in the file's place, an input/output error: named, never an exception of
    // the stream library.
    for (const std::string& form : testsupport::UnreadableForms()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.file) + " " + form);
            testsupport::MakeUnreadable(dir / c.file, form);
            const DataFileError error = ErrorOf(c.read);
            EXPECT_EQ(error.kind(), DataErrorKind::Unreadable);
            EXPECT_EQ(error.fileName(), c.file);
            EXPECT_EQ(std::string(error.what()),
                      "Datei kann nicht gelesen werden: " + std::string(c.file));
            std::filesystem::remove_all(dir / c.file);
        }
    }
}

TEST_F(InTempDir, ShortFilesFailWithEndOfFileAfterTheLinesPresent) {
    struct Case {
        const char* file;
        int lines;
        std::string line;
        std::function<int()> read;  // returns the number of records visited
    } cases[] = {
        {"STERNKAT", kStarCount - 1, StarLine(1, 2, 3),
         [] {
             int n = 0;
             ReadStarRecords([&](int, const StarRecord&) { ++n; });
             return n;
         }},
        {"SNAMEN", kLabelCount - 1, " 0.1 43.0And Andromeda",
         [] {
             int n = 0;
             ReadConstellationLabels([&](int, const ConstellationLabelRecord&) { ++n; });
             return n;
         }},
        {"NEBEL", kNebulaCount - 1, " 0.7123 41.269    6M 31",
         [] {
             int n = 0;
             ReadNebulae([&](int, const NebulaRecord&) { ++n; });
             return n;
         }},
    };
    for (const Case& c : cases) {
        WriteTextFile(dir / c.file, Lines(c.lines, c.line));
        int visited = -1;
        const DataFileError error = ErrorOf([&] {
            visited = 0;
            visited = c.read();
        });
        EXPECT_EQ(error.kind(), DataErrorKind::EndOfFile) << c.file;
        EXPECT_EQ(std::string(error.what()), "Lesen über Dateiende hinaus: " + std::string(c.file));
        EXPECT_EQ(error.fileName(), c.file);
    }
    // The records before the missing line were visited.
    WriteTextFile(dir / "NEBEL", Lines(3, " 0.7123 41.269    6M 31"));
    int visited = 0;
    EXPECT_THROW(ReadNebulae([&](int, const NebulaRecord&) { ++visited; }), DataFileError);
    EXPECT_EQ(visited, 3);
}

TEST_F(InTempDir, BadNumberStopsAtThatRecordWithTheConversionError) {
    std::string text = Lines(4, StarLine(1, 2, 3));
    text += " 1.0000  2.000 x.50Ori\n";
    text += Lines(kStarCount, StarLine(1, 2, 3));
    WriteTextFile(dir / "STERNKAT", text);
    int visited = 0;
    const DataFileError error =
        ErrorOf([&] { ReadStarRecords([&](int, const StarRecord&) { ++visited; }); });
    EXPECT_EQ(visited, 4);
    EXPECT_EQ(error.kind(), DataErrorKind::BadNumber);
    EXPECT_EQ(error.fileName(), "STERNKAT");
    EXPECT_STREQ(error.what(), "' x.50' ist kein gültiger Gleitkommawert (STERNKAT)");
}

TEST_F(InTempDir, BadNumbersInLabelsAndNebulae) {
    WriteTextFile(dir / "SNAMEN", " 0.1 4x.0And Andromeda\n");
    EXPECT_EQ(ErrorOf([] {
                  ReadConstellationLabels([](int, const ConstellationLabelRecord&) {});
              }).kind(),
              DataErrorKind::BadNumber);
    WriteTextFile(dir / "NEBEL", " 0.7123 41.269   x6M 31\n");
    EXPECT_EQ(ErrorOf([] { ReadNebulae([](int, const NebulaRecord&) {}); }).kind(),
              DataErrorKind::BadNumber);
}

TEST_F(InTempDir, ReadOneLineReturnsLineNOrEndOfFile) {
    WriteTextFile(dir / "STERNKAT", "first\r\nsecond\r\nthird");
    WriteTextFile(dir / "SNAMEN", "a\nb\n");
    WriteTextFile(dir / "NEBEL", "x\r\ny\r\n");
    EXPECT_EQ(ReadStarLine(1), "first");
    EXPECT_EQ(ReadStarLine(2), "second");
    EXPECT_EQ(ReadStarLine(3), "third") << "a last line without a line end counts";
    EXPECT_EQ(ReadStarLine(0), "first");
    EXPECT_EQ(ReadLabelLine(2), "b");
    EXPECT_EQ(ReadNebulaLine(2), "y");
    EXPECT_EQ(ErrorOf([] { ReadStarLine(4); }).kind(), DataErrorKind::EndOfFile);
    EXPECT_EQ(ErrorOf([] { ReadLabelLine(3); }).kind(), DataErrorKind::EndOfFile);
}

// ---- constellation figures ----------------------------------------------------------

TEST(ConstellationLines, FieldsUpToTheFirstZero) {
    struct Case {
        const char* line;
        std::vector<int> entries;
    } cases[] = {
        {"   -1    2    3    0", {-1, 2, 3}},      {"    0   -1    2", {}},
        {"   -1    2    0    5    6", {-1, 2}},    {"-9999    1    0", {-9999, 1}},
        {"   -1    2    3    0 junk", {-1, 2, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseConstellationLines(c.line).entries, c.entries) << c.line;
    }
}

TEST(ConstellationLines, MalformedListsFailWithTheConversionError) {
    for (const char* line : {"   -1    x    0", "   -1    2", "", "   -1  2.5    0"}) {
        const DataFileError error = ErrorOf([&] { ParseConstellationLines(line); });
        EXPECT_EQ(error.kind(), DataErrorKind::BadNumber) << "'" << line << "'";
        EXPECT_EQ(error.fileName(), "SLINIEN");
    }
}

TEST(ConstellationLines, OnlyTheFirstLineOfTheFileCounts) {
    EXPECT_EQ(ReadConstellationLinesFrom(Fixture("SLINIEN-sample")).entries,
              (std::vector<int>{-1, 2, 3, -7, 1}));
}

TEST_F(InTempDir, VeryLongFigureLineIsReadWhole) {
    std::string line;
    for (int i = 1; i <= 9000; ++i) {
        char field[8];
        std::snprintf(field, sizeof field, "%5d", i % 2 ? -i : i);
        line += field;
    }
    line += "    0";
    WriteTextFile(dir / "SLINIEN", line + "\r\n");
    const ConstellationLineList list = ReadConstellationLines();
    ASSERT_EQ(list.entries.size(), 9000u);
    EXPECT_EQ(list.entries.front(), -1);
    EXPECT_EQ(list.entries.back(), 9000);
}

// ---- labels, nebulae, named stars ----------------------------------------------------

TEST(ConstellationLabels, FieldsAndLineBreaks) {
    DataFile file(Fixture("SNAMEN-sample"));
    const ConstellationLabelRecord andromeda = ParseConstellationLabel(file.RequireLine());
    EXPECT_DOUBLE_EQ(andromeda.rightAscensionHours, 0.1);
    EXPECT_DOUBLE_EQ(andromeda.declinationDeg, 43.0);
    EXPECT_EQ(andromeda.abbreviation, "And");
    EXPECT_EQ(andromeda.longText, " Andromeda|Andromeda|Genitiv: Andromedae");
    EXPECT_EQ(andromeda.labelText, "And Andromeda|Andromeda|Genitiv: Andromedae");
    const ConstellationLabelRecord antlia = ParseConstellationLabel(file.RequireLine());
    EXPECT_DOUBLE_EQ(antlia.declinationDeg, -36.0);
    EXPECT_EQ(antlia.abbreviation, "Ant");
}

TEST(ConstellationLabels, BarSplitsTheLongTextIntoLines) {
    struct Case {
        const char* text;
        std::vector<std::string_view> lines;
    } cases[] = {
        {"Schlange|Serpens", {"Schlange", "Serpens"}},
        {"Luftpumpe", {"Luftpumpe"}},
        {"a|b|c", {"a", "b", "c"}},
        {"a|", {"a", ""}},
        {"", {""}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitLabelText(c.text), c.lines) << c.text;
}

TEST(Nebulae, FieldsOfASampleLine) {
    DataFile file(Fixture("NEBEL-sample"));
    const NebulaRecord m31 = ParseNebulaRecord(file.RequireLine());
    EXPECT_DOUBLE_EQ(m31.rightAscensionHours, 0.7123);
    EXPECT_DOUBLE_EQ(m31.declinationDeg, 41.269);
    EXPECT_DOUBLE_EQ(m31.size, 6.0);
    EXPECT_EQ(TrimTrailingBlanks(m31.name), "M 31 Andromedanebel");
    EXPECT_EQ(TrimBlanks(m31.distance), "2580000");
    EXPECT_EQ(m31.kind, "Spiralgalaxie");
}

TEST(NamedStars, FieldsAsText) {
    std::vector<std::string> rows;
    ReadNamedStarsFrom(Fixture("STERNNAM-sample"), [&](int row, const NamedStarRecord& star) {
        rows.push_back(std::to_string(row) + ":" + std::string(star.starNumber) + "|" +
                       std::string(star.name) + "|" + std::string(star.magnitude) + "|" +
                       std::string(star.distance) + "|" + std::string(star.constellation));
    });
    EXPECT_EQ(rows, (std::vector<std::string>{"1:    9|Sirrah              | 2.06| 97.1|And",
                                              "2:    1|Sirius              |-1.44|  8.6|CMa"}));
}

TEST_F(InTempDir, NamedStarsStopAtTheListsRoomAndAtTheEndOfTheFile) {
    WriteTextFile(dir / "STERNNAM",
                  Lines(kNamedStarCapacity + 5, "    9Sirrah               2.06 97.1And"));
    int visited = 0;
    ReadNamedStars([&](int, const NamedStarRecord&) { ++visited; });
    EXPECT_EQ(visited, kNamedStarCapacity);

    WriteTextFile(dir / "STERNNAM", "");
    visited = 0;
    ReadNamedStars([&](int, const NamedStarRecord&) { ++visited; });
    EXPECT_EQ(visited, 0);

    // A short line gives short (possibly empty) fields, not an error.
    WriteTextFile(dir / "STERNNAM", "   12Wega\n");
    ReadNamedStars([&](int, const NamedStarRecord& star) {
        EXPECT_EQ(star.name, "Wega");
        EXPECT_EQ(star.magnitude, "");
        EXPECT_EQ(star.constellation, "");
    });
}

}  // namespace
