// "Datei laden" tells the user what of the element file was not loaded.
#include "chart_fixture.h"
#include "satellite/loaded_elements.h"

using namespace charttest;
using testsupport::DialogKind;

TEST_F(ChartTest, LoadingAnElementFileShowsWhatWasNotLoaded) {
    testsupport::TempDir dir;
    const std::string name = "ISS (ZARYA)\r\n";
    const std::string line1 =
        "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994\r\n";
    const std::string line2 =
        "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872\r\n";
    testsupport::WriteTextFile(dir / "sets.tle",
                               name + line1 + line2 + "STRAY\r\n" + name + line1 + line2);
    dialogs->AnswerOpenFile(QString::fromStdString((dir / "sets.tle").string()), 3);
    LoadElementFileFromMenu();
    EXPECT_EQ(ElementFile().satelliteCount, 2);
    const auto messages = dialogs->CallsOf(DialogKind::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Info"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Nicht geladen (kein vollständiger Elementsatz): Zeile 4."));
}
