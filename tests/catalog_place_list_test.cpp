// The place list of "ORTE": fixed columns, the header press, and the sorting.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/place_list.h"
#include "support/test_paths.h"

using namespace location;

namespace {

std::vector<PlaceRow> Rows(std::initializer_list<const char*> lines) {
    std::vector<PlaceRow> rows;
    for (const char* line : lines) rows.push_back(PlaceRowOfLine(line));
    return rows;
}

std::vector<std::string> Column(const std::vector<PlaceRow>& rows, int k) {
    std::vector<std::string> cells;
    for (const auto& row : rows) cells.push_back(row[k]);
    return cells;
}

}  // namespace

TEST(PlaceFile, FixedColumnsGiveTheFourCells) {
    const PlaceRow row = PlaceRowOfLine("   13.405  52.520   34Berlin Mitte");
    EXPECT_EQ(row[0], "    13.405");
    EXPECT_EQ(row[1], "   52.520");
    EXPECT_EQ(row[2], "   34");
    EXPECT_EQ(row[3], "Berlin Mitte");
    const PlaceRow shortRow = PlaceRowOfLine("   13.4");
    EXPECT_EQ(shortRow[0], "    13.4");
    EXPECT_EQ(shortRow[1], " ");
    EXPECT_EQ(shortRow[2], "");
    EXPECT_EQ(shortRow[3], "");
}

TEST(PlaceFile, ReadsEveryLineInFileOrder) {
    const auto rows = ReadPlaceFile(testsupport::FixturePath("location/ORTE3").string());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(Column(rows, 3), (std::vector<std::string>{"Ulm", "Zwickau", "aachen"}));
    EXPECT_THROW(ReadPlaceFile("/nonexistent/ORTE"), std::runtime_error);
}

TEST(PlaceSort, HeaderPressPicksTheColumnUnderThePointer) {
    const std::array<int, 4> widths{100, 90, 60, 250};
    struct Case {
        int x;
        int column;
    };
    for (const Case& c :
         {Case{0, 0}, Case{99, 0}, Case{100, 0}, Case{101, 1}, Case{189, 1}, Case{190, 0},
          Case{191, 2}, Case{249, 2}, Case{251, 3}, Case{499, 3}, Case{500, 0}, Case{700, 0}}) {
        EXPECT_EQ(SortColumnAt(c.x, widths), c.column) << c.x;
    }
}

TEST(PlaceSort, NamesByCharacterCodes) {
    auto rows = ReadPlaceFile(testsupport::FixturePath("location/ORTE3").string());
    SortPlaceRows(rows, 3);
    EXPECT_EQ(Column(rows, 3), (std::vector<std::string>{"Ulm", "Zwickau", "aachen"}));
    // Rows move whole.
    EXPECT_EQ(rows[1][0], "      -5.3");

    auto more =
        Rows({"        1       1    1Zeta", "        2       2    2Ab", "        3       3    3A",
              "        4       4    4\xc4rzen", "        5       5    5Ulm"});
    SortPlaceRows(more, 3);
    EXPECT_EQ(Column(more, 3), (std::vector<std::string>{"A", "Ab", "Ulm", "Zeta", "\xc4rzen"}));
}

TEST(PlaceSort, NumericColumnsByValueNotText) {
    auto rows = ReadPlaceFile(testsupport::FixturePath("location/ORTE3").string());
    SortPlaceRows(rows, 0);
    EXPECT_EQ(Column(rows, 3),
              (std::vector<std::string>{"Zwickau", "aachen", "Ulm"}));  // -5.3, 9.9, 10.1
    SortPlaceRows(rows, 1);
    EXPECT_EQ(Column(rows, 3),
              (std::vector<std::string>{"Zwickau", "aachen", "Ulm"}));  // 36, 48, 53
    SortPlaceRows(rows, 2);
    EXPECT_EQ(Column(rows, 3),
              (std::vector<std::string>{"Ulm", "Zwickau", "aachen"}));  // 6, 10, 478
}

TEST(PlaceSort, AgreesWithAStableSortOnLargerLists) {
    std::vector<PlaceRow> rows;
    for (int i = 0; i < 57; ++i) {
        const int value = (i * 37) % 23 - 11;
        char line[64];
        std::snprintf(line, sizeof line, "%9d%8d%5dOrt%02d", value, -value, i % 7, (i * 13) % 57);
        rows.push_back(PlaceRowOfLine(line));
    }
    for (int column : {0, 1, 2, 3}) {
        auto sorted = rows;
        SortPlaceRows(sorted, column);
        auto key = [column](const PlaceRow& r) { return column == 3 ? 0.0 : std::stod(r[column]); };
        for (std::size_t i = 1; i < sorted.size(); ++i) {
            if (column == 3) {
                EXPECT_LE(sorted[i - 1][3], sorted[i][3]);
            } else {
                EXPECT_LE(key(sorted[i - 1]), key(sorted[i]));
            }
        }
        EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), rows.begin()));
    }
}

TEST(PlaceSort, SinglePlaceIsNeverChanged) {
    const auto single = Rows({"     10.1   53.55    6Ulm"});
    for (int column = 0; column < 4; ++column) {
        auto rows = single;
        SortPlaceRows(rows, column);
        EXPECT_EQ(rows, single);
    }
}

TEST(PlaceSort, CellThatIsNoNumberStopsTheSort) {
    auto rows = Rows({"      5.0    50.0   10Eins", "", "      1.0    51.0   20Zwei"});
    EXPECT_THROW(SortPlaceRows(rows, 0), PlaceNumberError);
    // Sorting by name does not read numbers.
    EXPECT_NO_THROW(SortPlaceRows(rows, 3));
    EXPECT_EQ(rows[0][3], "");
}

TEST(PlaceChoice, RowGivesNameAndNumbers) {
    const auto row = PlaceRowOfLine("   -0.128  51.507   11London ");
    const ChosenPlace place = PlaceOfRow(row);
    EXPECT_EQ(place.name, "London ");
    EXPECT_DOUBLE_EQ(place.longitudeDeg, -0.128);
    EXPECT_DOUBLE_EQ(place.latitudeDeg, 51.507);
    EXPECT_DOUBLE_EQ(place.heightM, 11.0);
    EXPECT_THROW(PlaceOfRow(PlaceRowOfLine("   -0.128")), PlaceNumberError);
}

// A line the parameter dialog would refuse is never taken as the place.
TEST(PlaceChoice, ValuesOutsideTheDialogsRangesAreRefused) {
    struct Case {
        const char* line;
        const char* message;  // empty: accepted
    };
    const Case cases[] = {
        {"    1e300  51.507   11Irgendwo", "Fehler bei geografischer Länge"},
        {"   -180.5  51.507   11Irgendwo", "Fehler bei geografischer Länge"},
        {"      360  51.507   11Irgendwo", ""},
        {"     -180  51.507   11Irgendwo", ""},
        {"   -0.128   90.01   11Irgendwo", "Fehler bei geografischer Breite"},
        {"   -0.128     -90   11Irgendwo", ""},
        {"   -0.128  51.507-1e99Irgendwo", "Fehler bei Höhe über NN"},
        {"   -0.128  51.507 8849Irgendwo", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const PlaceRow row = PlaceRowOfLine(c.line);
        if (*c.message == '\0') {
            EXPECT_NO_THROW(PlaceOfRow(row));
            continue;
        }
        try {
            PlaceOfRow(row);
            ADD_FAILURE() << "accepted";
        } catch (const PlaceRangeError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}
