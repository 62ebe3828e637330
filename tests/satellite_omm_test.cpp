// Element sets in the OMM CSV form: catalogue number fields (Alpha-5), the conversion
// into element lines, and loading such a file like a two-line file.
#include <gtest/gtest.h>

#include <string>

#include "core/observer_state.h"
#include "satellite/catalog_number.h"
#include "satellite/omm_csv.h"
#include "satellite/satellite_state.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"
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

TEST(OmmCsv, AFileLoadsAndANumberAbove99999Propagates) {
    ResetObserverState();
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
    ASSERT_EQ(PropagateSGP(kIss1, kIss2, t, false), OrbitError::None);
    const SatelliteState iss = SatState();
    ASSERT_EQ(PropagateSGP(renumbered.line1, renumbered.line2, t, false), OrbitError::None);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(SatState().positionER[k], iss.positionER[k]);
    ResetSatelliteTable();
}

}  // namespace
