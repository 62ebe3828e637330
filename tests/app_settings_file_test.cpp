// The settings file "polaride.cfg": line formats, round trip, first-run file and the
// fallback for a missing, short or malformed file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <iterator>
#include <sstream>

#include "catalog/settings_file.h"
#include "chart/chart_view.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "support/file_size_limit.h"
#include "support/observer_records.h"
#include "support/test_paths.h"
#include "support/ui/scripted_dialogs.h"
#include "ui/common/settings_load_save.h"

namespace {

using testing::HasSubstr;
using testsupport::TempDir;

std::ptrdiff_t FilesIn(const std::filesystem::path& folder) {
    return std::distance(std::filesystem::directory_iterator(folder),
                         std::filesystem::directory_iterator());
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetChartView();
        ResetSettings();
    }
    void TearDown() override {
        ResetObserverRecords();
        ResetChartView();
        ResetSettings();
    }
    TempDir dir;
};

// ---- Line formats ------------------------------------------------------------

struct FlagCase {
    const char* word;
    std::array<bool, 5> flags;
};

class FlagWordReading : public testing::TestWithParam<FlagCase> {};

TEST_P(FlagWordReading, OnExactlyWhereTheDigitIsOne) {
    EXPECT_EQ(FlagsFromWord(GetParam().word), GetParam().flags) << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(Words, FlagWordReading,
                         testing::Values(FlagCase{"10100", {true, false, true, false, false}},
                                         FlagCase{"1x1y1", {true, false, true, false, true}},
                                         FlagCase{"11111", {true, true, true, true, true}},
                                         FlagCase{"00000", {false, false, false, false, false}},
                                         FlagCase{"111", {true, true, true, false, false}},
                                         FlagCase{"", {false, false, false, false, false}},
                                         FlagCase{" 1111", {false, true, true, true, true}}));

TEST(FlagWordWriting, FiveDigitsWithLeadingZeros) {
    const struct {
        std::array<bool, 5> flags;
        const char* word;
    } cases[] = {
        {{false, false, false, false, false}, "00000"},
        {{false, false, false, false, true}, "00001"},
        {{true, false, true, false, false}, "10100"},
        {{true, true, true, false, false}, "11100"},
        {{false, true, false, true, false}, "01010"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FlagWord(c.flags), c.word);
        EXPECT_EQ(FlagsFromWord(FlagWord(c.flags)), c.flags) << c.word;
    }
}

TEST(ElementFolder, CutsTheBaseNameAfterTheLastSeparator) {
    const struct {
        const char* fileName;
        const char* folder;
    } cases[] = {
        {R"(C:\bahn\iss.tle)", R"(C:\bahn\)"},
        {R"(C:\iss.tle)", R"(C:\)"},
        {R"(D:\a\b\c\visual.txt)", R"(D:\a\b\c\)"},
        {"", ""},
        {"iss.tle", ""},
        {"/home/anna/tle/iss.tle", "/home/anna/tle/"},
        {R"(C:\bahn\)", R"(C:\bahn\)"},
    };
    for (const auto& c : cases) EXPECT_EQ(FolderOfElementFile(c.fileName), c.folder) << c.fileName;
}

// ---- Writing and reading -----------------------------------------------------

TEST_F(SettingsFileTest, RoundTripKeepsEveryLine) {
    Place().placeName = "Görlitz";
    Place().longitudeDeg = 14.987;
    Place().latitudeDeg = 51.1528;
    Place().heightM = 199.5;
    Place().zoneName = " MEZ";
    Place().zoneOffsetHours = 1;
    // A zone by rule: lines 5 and 6 hold the zone of the displayed instant (summer).
    Place().zoneRule = "Europe/Berlin";
    Shown().currentJD = JulianDay1900(2026, 7, 1);
    ViewOptions().limitingMagnitude = 4.5;
    ViewOptions().showPlanetNames = true;
    ViewOptions().showConstellationNames = false;
    ViewOptions().showConstellationLines = true;
    ViewOptions().showAltitudeLines = false;
    ViewOptions().showZodiac = false;
    SettingsFields fields;
    fields.elementFileName = R"(C:\bahn\iss.tle)";
    fields.elementFilterIndex = 2;
    fields.pass = {"3", "15", "-6", "4.5", {true, false, true, false, true}};
    fields.selection = {"NOAA", "100", "900", "", "2000", "80", "100"};

    const std::string path = (dir / "polaride.cfg").string();
    std::string error;
    ASSERT_TRUE(WriteSettingsFile(path, Place(), ViewOptions(), Shown().currentJD, fields, &error))
        << error;

    const std::string bytes = testsupport::ReadTextFile(path);
    const std::vector<std::string> lines = SplitCrLf(bytes);
    const std::vector<std::string> expected = {
        "G\xF6rlitz", "14.987", "51.1528",     "199.5", " MESZ",
        "2",          "4.5",    R"(C:\bahn\)", "2",     R"(C:\bahn\iss.tle)",
        "3",          "15",     "-6",          "4.5",   "10101",
        "10100",      "NOAA",   "100",         "900",   "",
        "2000",       "80",     "100",         "",      "Zeitzone=Europe/Berlin"};
    EXPECT_EQ(lines, expected) << "Latin-1 text, CR LF after every line";

    ObserverRecords readBack;
    SettingsFields fieldsBack;
    const SettingsReadResult result = ReadSettingsFile(path, readBack, readBack, fieldsBack);
    EXPECT_TRUE(result.ok) << result.errorText;
    EXPECT_EQ(result.linesRead, 25);
    EXPECT_EQ(readBack.zoneRule, "Europe/Berlin");
    EXPECT_EQ(readBack.placeName, "Görlitz");
    EXPECT_DOUBLE_EQ(readBack.longitudeDeg, 14.987);
    EXPECT_DOUBLE_EQ(readBack.latitudeDeg, 51.1528);
    EXPECT_DOUBLE_EQ(readBack.sinLatitude, std::sin(51.1528 * kPi / 180));
    EXPECT_DOUBLE_EQ(readBack.cosLatitude, std::cos(51.1528 * kPi / 180));
    EXPECT_DOUBLE_EQ(readBack.heightM, 199.5);
    EXPECT_EQ(readBack.zoneName, " MESZ");
    EXPECT_DOUBLE_EQ(readBack.zoneOffsetHours, 2);
    EXPECT_DOUBLE_EQ(readBack.limitingMagnitude, 4.5);
    EXPECT_TRUE(readBack.showPlanetNames);
    EXPECT_FALSE(readBack.showConstellationNames);
    EXPECT_TRUE(readBack.showConstellationLines);
    EXPECT_FALSE(readBack.showAltitudeLines);
    EXPECT_FALSE(readBack.showZodiac);
    EXPECT_EQ(fieldsBack.elementFolder, R"(C:\bahn\)");
    EXPECT_EQ(fieldsBack.elementFilterIndex, 2);
    EXPECT_EQ(fieldsBack.elementFileName, R"(C:\bahn\iss.tle)");
    EXPECT_EQ(fieldsBack.pass.days, "3");
    EXPECT_EQ(fieldsBack.pass.minSatelliteAltitude, "15");
    EXPECT_EQ(fieldsBack.pass.maxSunAltitude, "-6");
    EXPECT_EQ(fieldsBack.pass.limitingMagnitude, "4.5");
    EXPECT_EQ(fieldsBack.pass.options, (std::array<bool, 5>{true, false, true, false, true}));
    EXPECT_EQ(fieldsBack.selection.namePrefix, "NOAA");
    EXPECT_EQ(fieldsBack.selection.perigeeMin, "100");
    EXPECT_EQ(fieldsBack.selection.perigeeMax, "900");
    EXPECT_EQ(fieldsBack.selection.apogeeMin, "");
    EXPECT_EQ(fieldsBack.selection.apogeeMax, "2000");
    EXPECT_EQ(fieldsBack.selection.inclinationMin, "80");
    EXPECT_EQ(fieldsBack.selection.inclinationMax, "100");

    // Writing what was read, at the same instant, gives the same bytes.
    readBack.currentJD = Shown().currentJD;
    const std::string again = (dir / "again.cfg").string();
    ASSERT_TRUE(WriteSettingsFile(again, readBack, readBack, readBack.currentJD, fieldsBack));
    EXPECT_EQ(testsupport::ReadTextFile(again), bytes);
}

TEST_F(SettingsFileTest, ElementFileLinesAndPassOptionWords) {
    const struct {
        std::string fileName;
        std::array<bool, 5> options;
        std::string line8, line10, line15;
    } cases[] = {
        {R"(C:\bahn\iss.tle)",
         {false, false, false, false, false},
         R"(C:\bahn\)",
         R"(C:\bahn\iss.tle)",
         "00000"},
        {"", {false, false, false, false, true}, "", "", "00001"},
        {"/home/anna/visual.tle",
         {true, true, true, false, false},
         "/home/anna/",
         "/home/anna/visual.tle",
         "11100"},
    };
    for (const auto& c : cases) {
        SettingsFields fields;
        fields.elementFolder = "stale folder, derived again when written";
        fields.elementFileName = c.fileName;
        fields.pass.options = c.options;
        const std::vector<std::string> lines =
            SettingsLines(Place(), ViewOptions(), Shown().currentJD, fields);
        ASSERT_EQ(lines.size(), 23u);
        EXPECT_EQ(lines[7], c.line8) << c.fileName;
        EXPECT_EQ(lines[9], c.line10) << c.fileName;
        EXPECT_EQ(lines[14], c.line15) << c.fileName;
    }
}

TEST_F(SettingsFileTest, CollectorsHandTheirFieldsToTheWriter) {
    const int id = AddSettingsCollector([](SettingsFields& fields) {
        fields.pass.days = "7";
        fields.selection.namePrefix = "STARLINK";
    });
    const std::string path = (dir / "polaride.cfg").string();
    ASSERT_TRUE(WriteSettingsFile(path, Place(), ViewOptions(), Shown().currentJD, Settings()));
    std::vector<std::string> lines = SplitCrLf(testsupport::ReadTextFile(path));
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[10], "7");
    EXPECT_EQ(lines[16], "STARLINK");

    RemoveSettingsCollector(id);
    Settings().pass.days = "2";
    ASSERT_TRUE(WriteSettingsFile(path, Place(), ViewOptions(), Shown().currentJD, Settings()));
    lines = SplitCrLf(testsupport::ReadTextFile(path));
    EXPECT_EQ(lines[10], "2") << "a removed collector no longer runs";
}

TEST_F(SettingsFileTest, LineFeedOnlyFilesReadAlike) {
    testsupport::WriteTextFile(
        dir / "lf.cfg",
        "Bonn\n7.1\n50.73\n60\n MEZ\n1\n5.5\n/tle/\n1\n/tle/n.txt\n2\n5\n-8\n5\n01000\n"
        "00011\nISS\n1\n2\n3\n4\n5\n6\n");
    ObserverRecords observer;
    SettingsFields fields;
    const SettingsReadResult result =
        ReadSettingsFile((dir / "lf.cfg").string(), observer, observer, fields);
    EXPECT_TRUE(result.ok) << result.errorText;
    EXPECT_EQ(observer.placeName, "Bonn");
    EXPECT_DOUBLE_EQ(observer.limitingMagnitude, 5.5);
    EXPECT_FALSE(observer.showPlanetNames);
    EXPECT_TRUE(observer.showAltitudeLines);
    EXPECT_TRUE(observer.showZodiac);
    EXPECT_EQ(fields.elementFileName, "/tle/n.txt");
    EXPECT_EQ(fields.elementFilterIndex, 1);
    EXPECT_EQ(fields.pass.options, (std::array<bool, 5>{false, true, false, false, false}));
    EXPECT_EQ(fields.selection.inclinationMax, "6");
}

TEST_F(SettingsFileTest, AnElementServiceAddressIsALineTwentyFourOnlyWhenSet) {
    const std::string path = (dir / "polaride.cfg").string();
    ASSERT_TRUE(WriteSettingsFile(path, Place(), ViewOptions(), Shown().currentJD, Settings()));
    EXPECT_EQ(SplitCrLf(testsupport::ReadTextFile(path)).size(), 23u);
    Settings().elementServiceUrl = "http://spiegel.example/gp.php";
    ASSERT_TRUE(WriteSettingsFile(path, Place(), ViewOptions(), Shown().currentJD, Settings()));
    EXPECT_EQ(SplitCrLf(testsupport::ReadTextFile(path)).back(), "http://spiegel.example/gp.php");
    ObserverRecords observer;
    SettingsFields fields;
    EXPECT_TRUE(ReadSettingsFile(path, observer, observer, fields).ok);
    EXPECT_EQ(fields.elementServiceUrl, "http://spiegel.example/gp.php");
}

TEST_F(SettingsFileTest, TheClassicOrbitModelIsANamedLineAfterLineTwentyFour) {
    const std::string path = (dir / "polaride.cfg").string();
    Settings().classicOrbitModel = true;
    ASSERT_TRUE(WriteSettingsFile(path, Place(), ViewOptions(), Shown().currentJD, Settings()));
    const std::vector<std::string> lines = SplitCrLf(testsupport::ReadTextFile(path));
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[23], "");  // no address: the public service
    EXPECT_EQ(lines[24], "Bahnmodell=SGP");
    ObserverRecords observer;
    SettingsFields fields;
    EXPECT_TRUE(ReadSettingsFile(path, observer, observer, fields).ok);
    EXPECT_TRUE(fields.classicOrbitModel);
    EXPECT_EQ(fields.elementServiceUrl, "");
    // An entry of a later version is passed over; an unknown model is refused.
    testsupport::WriteTextFile(dir / "polaride.cfg", testsupport::ReadTextFile(path) +
                                                         "Farbe=blau\r\nBahnmodell=SGP5\r\n");
    const SettingsReadResult refused = ReadSettingsFile(path, observer, observer, fields);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.errorText.find("Zeile 27: Bahnmodell 'SGP5' unbekannt"), std::string::npos)
        << refused.errorText;
}

TEST_F(SettingsFileTest, ShippedFirstRunFileHoldsAPlaceAndTheDesignDefaults) {
    const auto path = testsupport::DataPath("polaride.cfg");
    const std::string bytes = testsupport::ReadTextFile(path);
    const std::vector<std::string> lines = SplitCrLf(bytes);
    ASSERT_EQ(lines.size(), 23u) << "23 lines, each ended by CR LF";

    ObserverRecords observer;
    SettingsFields fields;
    const SettingsReadResult result = ReadSettingsFile(path.string(), observer, observer, fields);
    ASSERT_TRUE(result.ok) << result.errorText;
    EXPECT_FALSE(observer.placeName.empty());
    EXPECT_GE(observer.latitudeDeg, 47.0);  // inside Germany
    EXPECT_LE(observer.latitudeDeg, 55.1);
    EXPECT_GE(observer.longitudeDeg, 5.8);
    EXPECT_LE(observer.longitudeDeg, 15.1);
    EXPECT_GT(observer.heightM, 0.0);
    EXPECT_EQ(observer.zoneName, " MEZ");
    EXPECT_DOUBLE_EQ(observer.zoneOffsetHours, 1.0);
    EXPECT_EQ(lines[15], "11100");

    // Lines 11-23 are the design defaults, so writing the defaults gives them back.
    const std::vector<std::string> defaults =
        SettingsLines(observer, observer, observer.currentJD, SettingsFields{});
    for (int n = 11; n <= 23; ++n) EXPECT_EQ(lines[n - 1], defaults[n - 1]) << "line " << n;

    // The values used when the file cannot be read are the same place.
    ObserverRecords fallback;
    ApplyDefaultObserverSettings(fallback, fallback);
    EXPECT_EQ(SettingsLines(fallback, fallback, fallback.currentJD, fields),
              SettingsLines(observer, observer, observer.currentJD, fields));
}

// ---- Start-up and exit ---------------------------------------------------------

TEST_F(SettingsFileTest, MissingFileIsReportedAndEveryLineGetsItsDefault) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    testsupport::ScopedScriptedDialogs dialogs;
    Place().placeName = "left over";
    Settings().pass.days = "99";

    EXPECT_FALSE(LoadSettingsAtStartup());

    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_THAT(dialogs->Messages()[0].toStdString(), HasSubstr("Datei nicht gefunden"));
    EXPECT_THAT(dialogs->Messages()[0].toStdString(), HasSubstr("polaride.cfg"));
    ObserverRecords expected;
    ApplyDefaultObserverSettings(expected, expected);
    EXPECT_EQ(SettingsLines(Place(), ViewOptions(), Shown().currentJD, Settings()),
              SettingsLines(expected, expected, expected.currentJD, SettingsFields{}));
    EXPECT_DOUBLE_EQ(Place().sinLatitude, std::sin(expected.latitudeDeg * kPi / 180));
}

TEST_F(SettingsFileTest, ShortFileKeepsWhatWasReadAndDefaultsTheRest) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    testsupport::ScopedScriptedDialogs dialogs;
    testsupport::WriteTextFile(dir / "polaride.cfg",
                               "Sonneberg\r\n11.19\r\n50.38\r\n640\r\n MEZ\r\n");

    EXPECT_FALSE(LoadSettingsAtStartup());

    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_THAT(dialogs->Messages()[0].toStdString(), HasSubstr("Lesen über Dateiende hinaus"));
    EXPECT_EQ(Place().placeName, "Sonneberg");
    EXPECT_DOUBLE_EQ(Place().longitudeDeg, 11.19);
    EXPECT_DOUBLE_EQ(Place().latitudeDeg, 50.38);
    EXPECT_DOUBLE_EQ(Place().sinLatitude, std::sin(50.38 * kPi / 180));
    EXPECT_DOUBLE_EQ(Place().heightM, 640);
    ObserverRecords defaults;
    ApplyDefaultObserverSettings(defaults, defaults);
    EXPECT_DOUBLE_EQ(Place().zoneOffsetHours, defaults.zoneOffsetHours);
    EXPECT_DOUBLE_EQ(ViewOptions().limitingMagnitude, defaults.limitingMagnitude);
    EXPECT_TRUE(ViewOptions().showConstellationLines);
    const std::vector<std::string> expected =
        SettingsLines(Place(), ViewOptions(), Shown().currentJD, SettingsFields{});
    EXPECT_EQ(SettingsLines(Place(), ViewOptions(), Shown().currentJD, Settings()), expected)
        << "lines 8-23 at their design defaults";
}

TEST_F(SettingsFileTest, BadNumberIsReportedAndOnlyThatLineKeepsItsDefault) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    testsupport::ScopedScriptedDialogs dialogs;
    testsupport::WriteTextFile(
        dir / "polaride.cfg",
        "Jena\r\n11.59\r\n50,93\r\n155\r\n MEZ\r\n1\r\n6\r\n\r\n3\r\n\r\n1\r\n10\r\n-5\r\n6\r\n"
        "11100\r\n00100\r\nIridium\r\n0\r\n\r\n\r\n10000000000\r\n0\r\n180\r\n");

    EXPECT_FALSE(LoadSettingsAtStartup());

    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_THAT(dialogs->Messages()[0].toStdString(),
                HasSubstr("'50,93' ist kein gültiger Gleitkommawert"));
    ObserverRecords defaults;
    ApplyDefaultObserverSettings(defaults, defaults);
    EXPECT_EQ(Place().placeName, "Jena");
    EXPECT_DOUBLE_EQ(Place().longitudeDeg, 11.59);
    EXPECT_DOUBLE_EQ(Place().latitudeDeg, defaults.latitudeDeg);
    EXPECT_DOUBLE_EQ(Place().heightM, 155);
    EXPECT_DOUBLE_EQ(ViewOptions().limitingMagnitude, 6);
    EXPECT_FALSE(ViewOptions().showPlanetNames);
    EXPECT_TRUE(ViewOptions().showConstellationLines);
}

// Numbers the windows would refuse are reported and replaced by the default, like
// numbers that do not convert; values on the bounds are taken.
TEST_F(SettingsFileTest, LinesOutsideTheAcceptedRangesKeepTheirDefault) {
    const struct {
        int line;
        const char* text;
        bool accepted;
    } cases[] = {
        {2, "400", false},   {2, "-180.5", false}, {2, "360", true}, {2, "-180", true},
        {3, "999", false},   {3, "-90.01", false}, {3, "90", true},  {4, "-1e9", false},
        {4, "8849", true},   {6, "1e300", false},  {6, "-12", true}, {6, "14", true},
        {7, "1e300", false}, {7, "6.5", true},     {9, "7", false},  {9, "2", true},
    };
    ObserverRecords firstRun;
    ApplyDefaultObserverSettings(firstRun, firstRun);
    // A fixed zone, whose offset is line 6 as read.
    firstRun.zoneRule.clear();
    firstRun.zoneName = " UT";
    const std::vector<std::string> defaults =
        SettingsLines(firstRun, firstRun, firstRun.currentJD, SettingsFields{});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + ": " + c.text);
        std::vector<std::string> lines = defaults;
        lines[0] = "Tromso";
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        std::string file;
        for (const std::string& line : lines) file += line + "\r\n";
        testsupport::WriteTextFile(dir / "polaride.cfg", file);

        ObserverRecords observer;
        ApplyDefaultObserverSettings(observer, observer);
        SettingsFields fields;
        const SettingsReadResult result =
            ReadSettingsFile((dir / "polaride.cfg").string(), observer, observer, fields);
        const std::vector<std::string> read =
            SettingsLines(observer, observer, observer.currentJD, fields);
        EXPECT_EQ(result.ok, c.accepted) << result.errorText;
        EXPECT_EQ(read[static_cast<std::size_t>(c.line - 1)],
                  c.accepted ? c.text : defaults[static_cast<std::size_t>(c.line - 1)]);
        if (!c.accepted) {
            EXPECT_THAT(result.errorText, HasSubstr("Zeile " + std::to_string(c.line) + ": '" +
                                                    c.text + "' liegt nicht zwischen"));
        }
        EXPECT_EQ(read[0], "Tromso") << "the other lines are read all the same";
        EXPECT_TRUE(std::isfinite(observer.sinLatitude));
    }
}

// A line of megabytes (here the place name, a number and the element file) is refused
// like a bad number, and the message box quotes only its first characters.
TEST_F(SettingsFileTest, AMegabyteLineIsRefusedAndQuotedShort) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    ObserverRecords firstRun;
    ApplyDefaultObserverSettings(firstRun, firstRun);
    const std::vector<std::string> defaults =
        SettingsLines(firstRun, firstRun, firstRun.currentJD, SettingsFields{});
    for (const int n : {1, 2, 10}) {
        SCOPED_TRACE(n);
        testsupport::ScopedScriptedDialogs dialogs;
        std::vector<std::string> lines = defaults;
        lines[3] = "777";
        lines[static_cast<std::size_t>(n - 1)] = std::string(10'000'000, '1');
        std::string file;
        for (const std::string& line : lines) file += line + "\r\n";
        testsupport::WriteTextFile(dir / "polaride.cfg", file);

        EXPECT_FALSE(LoadSettingsAtStartup());

        ASSERT_EQ(dialogs->Messages().size(), 1);
        const QString message = dialogs->Messages()[0];
        EXPECT_LT(message.size(), 300) << message.left(300).toStdString();
        EXPECT_TRUE(message.contains(
            QString("Zeile %1: '%2…' ist zu lang (10000000 Zeichen").arg(n).arg(QString(40, '1'))))
            << message.toStdString();
        EXPECT_EQ(SettingsLines(Place(), ViewOptions(), Shown().currentJD,
                                Settings())[static_cast<std::size_t>(n - 1)],
                  defaults[static_cast<std::size_t>(n - 1)]);
        EXPECT_DOUBLE_EQ(Place().heightM, 777) << "the other lines are read";
    }
}

// A write that fails (here: beyond the file-size limit, as on a full disk) must not
// cost the old file, and the user is told.
TEST_F(SettingsFileTest, FailedWriteKeepsTheOldFileByteForByte) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    testsupport::ScopedScriptedDialogs dialogs;
    const std::string old = testsupport::ReadTextFile(testsupport::DataPath("polaride.cfg"));
    testsupport::WriteTextFile(dir / "polaride.cfg", old);
    Place().placeName = "Ein sehr langer Ortsname, der die Datei wachsen lässt";
    {
        testsupport::ScopedFileSizeLimit limit(16);
        EXPECT_FALSE(SaveSettingsAtExit());
    }
    EXPECT_EQ(testsupport::ReadTextFile(dir / "polaride.cfg"), old);
    ASSERT_EQ(dialogs->Messages().size(), 1);
    const std::string message = dialogs->Messages()[0].toStdString();
    EXPECT_THAT(message, HasSubstr("polaride.cfg"));
    EXPECT_THAT(message, HasSubstr("Die bisherige Datei bleibt unverändert."));
    EXPECT_EQ(FilesIn(dir.path()), 1) << "no temporary file left behind";
}

// "Ωmega" must not come back as "?mega": a line Latin-1 cannot hold keeps the old
// file's line, and the user is told which.
TEST_F(SettingsFileTest, TextsLatin1CannotHoldAreNotChanged) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    testsupport::ScopedScriptedDialogs dialogs;
    Settings().elementFileName = "/daten/bahnen/visual.tle";
    ASSERT_TRUE(SaveSettingsAtExit());
    ASSERT_TRUE(dialogs->Messages().isEmpty());

    Place().placeName = "Görlitz";
    Settings().elementFileName = "/daten/Ωmega/visual.tle";
    ASSERT_TRUE(SaveSettingsAtExit());
    const std::vector<std::string> lines =
        SplitCrLf(testsupport::ReadTextFile(dir / "polaride.cfg"));
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "G\xF6rlitz");
    EXPECT_EQ(lines[7], "/daten/bahnen/");
    EXPECT_EQ(lines[9], "/daten/bahnen/visual.tle");
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_THAT(dialogs->Messages()[0].toStdString(),
                HasSubstr("Zeile 8: /daten/Ωmega/\nZeile 10: /daten/Ωmega/visual.tle"));
}

TEST_F(SettingsFileTest, WriteLeavesNoTemporaryFileAndReplacesTheOldOne) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    testsupport::ScopedScriptedDialogs dialogs;
    testsupport::WriteTextFile(dir / "polaride.cfg", "old\r\n");
    Place().placeName = "Potsdam";
    ASSERT_TRUE(SaveSettingsAtExit());
    EXPECT_TRUE(dialogs->Messages().isEmpty());
    const std::vector<std::string> lines =
        SplitCrLf(testsupport::ReadTextFile(dir / "polaride.cfg"));
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "Potsdam");
    EXPECT_EQ(FilesIn(dir.path()), 1) << "only polaride.cfg, no temporary file left behind";
}

TEST_F(SettingsFileTest, WriteFailureIsShownInAMessageBox) {
    testsupport::ScopedWorkingDir cwd(dir.path());
    testsupport::ScopedScriptedDialogs dialogs;
    // A folder in the way of the file: the file cannot be created.
    std::filesystem::create_directory(dir / "polaride.cfg");

    EXPECT_FALSE(SaveSettingsAtExit());

    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_THAT(dialogs->Messages()[0].toStdString(), HasSubstr("polaride.cfg"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "polaride.cfg"));
}

}  // namespace
