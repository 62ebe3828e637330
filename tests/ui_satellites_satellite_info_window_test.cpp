// The satellite information window: page from the table or the selection, the four
// end messages, "ndot ändern" on the right copy of the line, "Bahnebene".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <memory>

#include "chart/chart_view.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/selection_model.h"
#include "prediction/selection_state.h"
#include "satellite/satellite_table.h"
#include "support/observer_place.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/satellite_fixture.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/satellites/satellite_info_window.h"

namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

class SatelliteInfoWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        testsupport::ResetSatelliteWindowRecords();
        testsupport::ScopedWorkingDir here(work.path());
        ClearSelectionLists();
        ASSERT_EQ(LoadElementFile(testsupport::FixturePath("selection/mixed-2018.tle").string(), {},
                                  [](const std::string& name) { AppendLeftListName(name); })
                      .satelliteCount,
                  80);
        ApplyNameFilter("IRIDIUM");  // 12 entries; the ISS is table row 73
        info = std::make_unique<SatelliteInfoWindow>();
    }
    void TearDown() override {
        info.reset();
        ResetSatelliteTable();
        ResetSelectionState();
        ResetObserverRecords();
        ResetChartView();
    }

    testsupport::TempDir work;
    testsupport::ScopedScriptedDialogs dialogs;
    std::unique_ptr<SatelliteInfoWindow> info;
};

TEST_F(SatelliteInfoWindowTest, PageOfTheIssFromTheTable) {
    info->ShowSatellite(72, false);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->windowTitle(), "Satinfo   73/80");
    const QStringList page = info->pageLines();
    ASSERT_EQ(page.size(), 23);
    EXPECT_EQ(page[22].toStdString(), " Bahnmodell              SGP4/SDP4");
    // The age of the elements at the chart's instant follows the epoch.
    EXPECT_THAT(page[4].toStdString(),
                StartsWith(" Epoche der Elemente: 20.01.2018 21:33:14.8 UTC  ("));
    EXPECT_EQ(page[5].toStdString(),
              " 9561 Umläufe (Zähler übergelaufen, seit Start 1998 über 100000)");
    // Heights from the SGP orbit at the epoch: about 405 and 410 km for the ISS then.
    const double perigee = page[8].mid(page[8].indexOf("Perigäum") + 8, 12).trimmed().toDouble();
    const double apogee = page[9].mid(page[9].indexOf("Apogäum") + 7, 12).trimmed().toDouble();
    EXPECT_NEAR(perigee, 405.0, 10.0);
    EXPECT_NEAR(apogee - perigee, 2 * 0.0003646 * 6790.0, 1.0);
    // The node of a 51.6° orbit at 400 km turns about 5° a day westward.
    EXPECT_THAT(page[12].toStdString(), HasSubstr(" Tage   -4.98"));
    EXPECT_THAT(page[15].toStdString(), HasSubstr("92.6528 Minuten"));
    EXPECT_EQ(info->textBox()->font().family(), "Courier New");
    EXPECT_TRUE(info->textBox()->font().bold());
}

TEST_F(SatelliteInfoWindowTest, StepsAndTheFourEndMessages) {
    info->ShowSatellite(0, false);
    info->Previous();
    EXPECT_EQ(info->windowTitle(), "Satinfo   1/80");
    info->Next();
    EXPECT_EQ(info->windowTitle(), "Satinfo   2/80");
    EXPECT_EQ(info->pageLines()[0], " THOR AGENA D R/B        ");
    info->ShowSatellite(79, false);
    info->Next();
    EXPECT_EQ(info->currentIndex(), 79);

    info->ShowSatellite(0, true);
    EXPECT_EQ(info->windowTitle(), "Satinfo   1/12");
    info->Previous();
    info->ShowSatellite(11, true);
    info->Next();
    EXPECT_EQ(info->windowTitle(), "Satinfo   12/12");
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre("Dateianfang|Der Anfang der Bahnelemente-Datei ist erreicht",
                            "Dateiende|Das Ende der Bahnelemente-Datei ist erreicht",
                            "Listenanfang|Der Anfang der Auswahl-Liste ist erreicht",
                            "Listenende|Das Ende der Auswahl-Liste ist erreicht"));
}

TEST_F(SatelliteInfoWindowTest, NdotChangesOnlyTheCopyOfItsSource) {
    const std::string tableLine = Satellites().allSets[3 * 60 + 1];  // IRIDIUM 7, row 61
    ASSERT_EQ(Satellites().selectedRows[0], "61");
    info->ShowSatellite(0, true);
    dialogs->AnswerInput("0.0001");
    info->ChangeNdot();
    const auto inputs = dialogs->CallsOf(testsupport::DialogKind::Input);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0].caption, "ndot/2 ändern");
    EXPECT_EQ(inputs[0].text, "Bitte neues ndot/2 eingeben");
    EXPECT_EQ(inputs[0].proposed, QString::fromStdString(" 0" + tableLine.substr(34, 9)));
    EXPECT_EQ(Satellites().selectedSets[1].substr(33, 10), " .00010000");
    EXPECT_EQ(Satellites().allSets[3 * 60 + 1], tableLine);  // the table's copy stays
    EXPECT_EQ(info->pageLines()[18], " ndot/2                   0.00010000");

    info->ShowSatellite(60, false);
    dialogs->AnswerInput("-0.0001");
    info->ChangeNdot();
    EXPECT_EQ(Satellites().allSets[3 * 60 + 1].substr(33, 10), "-.00010000");
    EXPECT_EQ(Satellites().selectedSets[1].substr(33, 10), " .00010000");
    EXPECT_THAT(info->pageLines()[19].toStdString(), HasSubstr(" Änderung der Umlaufzeit  0.0014"));

    dialogs->AnswerInput("1.5");
    info->ChangeNdot();
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre("Fehler bei Eingabe|Der Betrag von ndot/2 muß kleiner als 1 sein!"));
    EXPECT_EQ(Satellites().allSets[3 * 60 + 1].substr(33, 10), "-.00010000");
}

TEST_F(SatelliteInfoWindowTest, OrbitPlaneMessages) {
    testsupport::PlaceObserverInBerlin(40.0, 1.0);
    Place().zoneName = " MEZ";
    Shown().currentJD = JulianDay1900(2018, 1, 21);
    Place().setLatitude(60.0);
    info->ShowSatellite(72, false);  // the ISS, 51.6°
    info->OrbitPlane();
    Place().setLatitude(45.0);
    info->OrbitPlane();
    const QStringList messages = dialogs->Messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0],
              "Durchgang durch Bahnebene|Kein Durchgang durch die Bahnebene\n\n"
              "Beobachtungsort zu weit nördlich\ndes Äquators");
    EXPECT_THAT(messages[1].toStdString(),
                StartsWith("Durchgang durch Bahnebene|Berlin passiert die Bahnebene\n\n"
                           "beim aufsteigenden Knoten\nam "));
    EXPECT_THAT(messages[1].toStdString(), HasSubstr(" MEZ\n\nbeim absteigenden Knoten\nam "));
}

}  // namespace
