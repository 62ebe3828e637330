// Element sets in the OMM CSV form: catalogue number fields (Alpha-5), the conversion
// into element lines, and loading such a file like a two-line file.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "satellite/catalog_number.h"
#include "satellite/omm_csv.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

const std::string kIss1 = "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994";
const std::string kIss2 = "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872";

TEST(CatalogNumber, FieldsBothWays) {
    const struct {
        long number;
        const char* field;
    } cases[] = {{5, "00005"},      {25544, "25544"},  {99999, "99999"},  {100000, "A0000"},
                 {123456, "C3456"}, {179999, "H9999"}, {180000, "J0000"}, {229999, "N9999"},
                 {230000, "P0000"}, {339999, "Z9999"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CatalogNumberField(c.number).value_or("?"), c.field) << c.number;
        EXPECT_EQ(CatalogNumberOfField(c.field).value_or(-1), c.number) << c.field;
    }
    EXPECT_FALSE(CatalogNumberField(340000));
    EXPECT_FALSE(CatalogNumberField(-1));
    for (const char* bad : {"I0000", "O1234", "A12", "", "12a45"})
        EXPECT_FALSE(CatalogNumberOfField(bad)) << bad;
    EXPECT_EQ(CatalogNumberOfField(" 5544").value_or(-1), 5544);
}

TEST(OmmCsv, RecordsBecomeTheElementLinesTheServiceWouldSend) {
    const std::string csv =
        testsupport::ReadTextFile(testsupport::FixturePath("satellite/omm-sample.csv"));
    ASSERT_TRUE(IsOmmCsv(csv));
    EXPECT_TRUE(IsOmmCsv("\xEF\xBB\xBF" + csv));
    EXPECT_FALSE(IsOmmCsv(kIss1));
    const OmmConversion converted = ConvertOmmCsv(csv);
    EXPECT_EQ(converted.records, 2);
    EXPECT_EQ(converted.unreadableLines, std::vector<int>{3});
    const std::string renumbered1 =
        "1 C3456U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  999";
    EXPECT_EQ(converted.elementText.substr(0, converted.elementText.find("ISS, RENUMBERED")),
              "ISS (ZARYA)\n" + kIss1 + "\n" + kIss2 + "\n");
    EXPECT_NE(converted.elementText.find("ISS, RENUMBERED\n" + renumbered1), std::string::npos);
}

TEST(OmmCsv, RecordsAreJudgedByTheirFieldsInAnyColumnOrder) {
    // The service's columns in reverse order, and the ISS record as the service sends it.
    const std::vector<std::string> columns = {
        "MEAN_MOTION_DDOT",    "MEAN_MOTION_DOT", "BSTAR",
        "REV_AT_EPOCH",        "ELEMENT_SET_NO",  "NORAD_CAT_ID",
        "CLASSIFICATION_TYPE", "EPHEMERIS_TYPE",  "MEAN_ANOMALY",
        "ARG_OF_PERICENTER",   "RA_OF_ASC_NODE",  "INCLINATION",
        "ECCENTRICITY",        "MEAN_MOTION",     "EPOCH",
        "OBJECT_ID",           "OBJECT_NAME"};
    const std::map<std::string, std::string> iss = {{"MEAN_MOTION_DDOT", "0"},
                                                    {"MEAN_MOTION_DOT", ".0001036"},
                                                    {"BSTAR", ".00019594"},
                                                    {"REV_AT_EPOCH", "56387"},
                                                    {"ELEMENT_SET_NO", "999"},
                                                    {"NORAD_CAT_ID", "25544"},
                                                    {"CLASSIFICATION_TYPE", "U"},
                                                    {"EPHEMERIS_TYPE", "0"},
                                                    {"MEAN_ANOMALY", "3.874"},
                                                    {"ARG_OF_PERICENTER", "356.2195"},
                                                    {"RA_OF_ASC_NODE", "191.6695"},
                                                    {"INCLINATION", "51.632"},
                                                    {"ECCENTRICITY", ".0007016"},
                                                    {"MEAN_MOTION", "15.48988133"},
                                                    {"EPOCH", "2026-04-27T08:40:14.575584"},
                                                    {"OBJECT_ID", "1998-067A"},
                                                    {"OBJECT_NAME", "ISS (ZARYA)"}};
    const auto row = [&](const std::string& column, const std::string& value) {
        std::string text;
        for (const std::string& c : columns)
            text += (text.empty() ? "" : ",") + (c == column ? value : iss.at(c));
        return text;
    };
    struct Case {
        const char* what;
        std::string column, value;
        bool kept;
    };
    const Case cases[] = {
        {"as served", "OBJECT_NAME", "ISS (ZARYA)", true},
        {"31 February", "EPOCH", "2026-02-31T08:40:14.575584", false},
        {"25:61:61", "EPOCH", "2026-04-27T25:61:61", false},
        {"29 February of a common year", "EPOCH", "2025-02-29T00:00:00", false},
        {"29 February of a leap year", "EPOCH", "2024-02-29T00:00:00", true},
        {"a fractional catalogue number", "NORAD_CAT_ID", "25544.5", false},
        {"an inclination of 200 degrees", "INCLINATION", "200", false},
        {"a negative mean anomaly", "MEAN_ANOMALY", "-3.874", false},
        {"an eccentricity of 1", "ECCENTRICITY", "1", false},
        {"a mean motion of 0", "MEAN_MOTION", "0", false},
        {"a drag term of 1e10", "BSTAR", "1e10", false},
        {"a negative revolution number", "REV_AT_EPOCH", "-1", false},
        {"a name of 600 characters", "OBJECT_NAME", std::string(600, 'N'), false},
        {"a drag term below 1e-10", "BSTAR", "5e-11", true},
        {"a leading blank", "MEAN_MOTION", " 15.48988133", true},
    };
    std::string header;
    for (const std::string& c : columns) header += (header.empty() ? "" : ",") + c;
    for (const char* end : {"\n", "\r"}) {
        SCOPED_TRACE(end[0] == '\r' ? "CR" : "LF");
        std::string csv = header + end;
        std::vector<int> refused;
        for (std::size_t k = 0; k < std::size(cases); ++k) {
            csv += row(cases[k].column, cases[k].value) + end;
            if (!cases[k].kept) refused.push_back(static_cast<int>(k) + 2);
        }
        ASSERT_TRUE(IsOmmCsv(csv));
        const OmmConversion converted = ConvertOmmCsv(csv);
        EXPECT_EQ(converted.unreadableLines, refused);
        EXPECT_EQ(converted.records, static_cast<int>(std::size(cases) - refused.size()));
        EXPECT_EQ(converted.elementText.substr(0, converted.elementText.find('\n', 100) + 1),
                  "ISS (ZARYA)\n" + kIss1 + "\n" + kIss2 + "\n");
    }
    const std::string tiny = ConvertOmmCsv(header + "\n" + row("BSTAR", "5e-11")).elementText;
    EXPECT_EQ(tiny.substr(tiny.find('\n') + 54, 8), " 00000+0");
}

TEST(OmmCsv, AFileLoadsAndANumberAbove99999Propagates) {
    ResetObserverRecords();
    ResetSatelliteTable();
    const LoadResult r =
        LoadElementFile(testsupport::FixturePath("satellite/omm-sample.csv").string());
    ASSERT_TRUE(r.opened);
    EXPECT_EQ(r.satelliteCount, 2);
    EXPECT_EQ(r.noticeText, "Nicht geladen (OMM-Datensatz nicht lesbar): Zeile 3.");
    const ElementSet renumbered = Satellites().Row(2);
    EXPECT_EQ(renumbered.nameLine, "ISS, RENUMBERED");
    SgpElements el;
    ASSERT_TRUE(ParseSgpElements(renumbered.line1, renumbered.line2, el));
    EXPECT_EQ(el.catalogNumber, 123456.0);
    // The same elements under another number: the same position.
    const JD1900 t = el.epoch + 0.25;
    const OrbitState iss = Propagate(PrepareOrbit(kIss1, kIss2, OrbitModel::Sgp4), t);
    ASSERT_EQ(iss.error, OrbitError::None);
    const OrbitState other = Propagate(Satellites().OrbitOfRow(2), t);
    ASSERT_EQ(other.error, OrbitError::None);
    EXPECT_EQ(other.positionKm.x, iss.positionKm.x);
    EXPECT_EQ(other.positionKm.y, iss.positionKm.y);
    EXPECT_EQ(other.positionKm.z, iss.positionKm.z);
    ResetSatelliteTable();
}

}  // namespace
