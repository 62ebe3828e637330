// polaride-cli as a user runs it: the built program in a working directory of its own,
// its exit status, standard output and standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "core/json_text.h"
#include "support/cli_run.h"
#include "support/test_paths.h"

namespace {

using testsupport::CliRun;
using testsupport::DataPath;
using testsupport::ReadTextFile;
using testsupport::RunCli;
using testsupport::TempDir;
using testsupport::WriteTextFile;

bool IsUtf8(const std::string& text) { return jsontext::ReadableUtf8(text) == text; }

// The ISS under a Latin-1 name; it passes over Berlin in the morning of 28.04.2026.
const std::string kLatin1Set =
    "K\xf6nig\r\n"
    "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994\r\n"
    "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872\r\n";
const std::vector<std::string> kBerlinNight = {
    "--date", "27.04.2026", "--lon",       "13.4",      "--lat",  "52.5",      "--zone",
    "2",      "--height",   "40",          "--place",   "Berlin", "--nights",  "1",
    "--mag",  "99",         "--no-shadow", "--min-alt", "10",     "--max-sun", "-5"};

std::vector<std::string> Args(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::copy_file(DataPath("polaride.cfg"), dir_ / "polaride.cfg");
        WriteTextFile(dir_ / "sets.tle", kLatin1Set);
    }
    TempDir dir_;
};

TEST_F(CliTest, RefusesValuesTheWindowsRefuse) {
    const std::vector<std::string> passes = {"passes", "--tle", "sets.tle", "--all"};
    const std::vector<std::string> date = {"--date", "27.04.2026"};
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {Args(passes, {"--date", "31.02.2026"}), "'31.02.2026' ist kein gültiges Datum"},
        {Args(passes, {"--date", "27.04.-001"}), "'27.04.-001' ist kein gültiges Datum"},
        {Args(passes, {"--date", "27.04.2026", "--time", "24:00"}), "ist keine gültige Zeit"},
        {Args(Args(passes, date), {"--lon", "1e300", "--lat", "0"}),
         "Ungültige Eingabe: Fehler bei geografischer Länge"},
        {Args(Args(passes, date), {"--lon", "10", "--lat", "-91"}),
         "Ungültige Eingabe: Fehler bei geografischer Breite"},
        {Args(Args(passes, date), {"--lon", "abc", "--lat", "0"}),
         "'abc' ist kein gültiger Gleitkommawert"},
        {Args(Args(passes, date), {"--lat", "10"}), "--lon und --lat gehören zusammen"},
        {Args(Args(passes, date), {"--zone", "1e300"}), "Ungültige Eingabe: Fehler bei Zeitzone"},
        {Args(Args(passes, date), {"--zone", "15"}),
         "Ungültige Eingabe: Fehler bei Zeitzone - UTC (möglich sind -12 bis +14 Stunden) "
         "(--zone 15)"},
        {Args(Args(passes, date), {"--zone", "-12.5"}), "Fehler bei Zeitzone"},
        {Args(Args(passes, date), {"--height", "-1e9"}), "Ungültige Eingabe: Fehler bei Höhe"},
        {Args(Args(passes, date), {"--min-alt", "200"}),
         "Die minimale Satellitenhöhe muss zwischen -90 und 90 Grad liegen."},
        {Args(Args(passes, date), {"--nights", "2147483647"}),
         "Die Anzahl Tage muss zwischen 1 und 366 liegen."},
        {Args(Args(passes, date), {"--minutes", "0"}), "Die Dauer muss zwischen 1 und"},
        {Args(Args(passes, date), {"--nights", "x"}), "'x' ist kein gültiger Integerwert"},
        {Args(Args(passes, date), {"--catnr", "1,340000"}), "keine Katalognummer"},
        {Args(Args(passes, date), {"--threads", "0"}),
         "--threads: 0 liegt nicht zwischen 1 und 64"},
        {Args(Args(passes, date), {"--threads", "65"}), "liegt nicht zwischen 1 und 64"},
        {Args(Args(passes, date), {"--threads", "zwei"}), "'zwei' ist kein gültiger Integerwert"},
        {{"ephem", "--jd", "1e12"}, "Ungültige Eingabe: --jd"},
        {{"ephem", "--jd", "45000", "--zone", "1e300"}, "Fehler bei Zeitzone"},
        {{"sgp", "--tle", "sets.tle", "--index", "1", "--jd", "45000", "--height", "-1e9"},
         "Fehler bei Höhe"},
        {{"chart", "--out", "x.png", "--limit", "1e9"},
         "Ungültige Eingabe: Fehler bei Grenzgröße (--limit 1e9)"},
        {{"chart", "--out", "x.png", "--date", "29.02.2026"}, "ist kein gültiges Datum"},
        {{"chart", "--out", "x.png", "--size", "1600"}, "--size braucht Breite x Höhe"},
        {{"chart", "--out", "x.png", "--size", "0x1000"}, "Breite und Höhe von 1 bis 10000"},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const std::string& a : c.args) line += a + " ";
        const CliRun run = RunCli(dir_.path(), c.args);
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << line << "\n" << run.err;
    }
}

// The chart as a main window of the given client size shows it (the PNG header
// names the picture's size).
TEST_F(CliTest, ChartIsRenderedAtTheGivenSize) {
    const std::string data = DataPath("").string();
    const CliRun run =
        RunCli(dir_.path(), {"chart", "--out", "big.png", "--size", "1600x1000", "--date",
                             "15.01.2026", "--time", "20:00", "--data", data});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string png = ReadTextFile(dir_.path() / "big.png");
    ASSERT_GT(png.size(), 24u);
    auto number = [&](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = value * 256 + static_cast<unsigned char>(png[i]);
        return value;
    };
    EXPECT_EQ(number(16), 1600u);
    EXPECT_EQ(number(20), 1000u);
}

TEST_F(CliTest, SearchBoundAppliesToTheSettingsFileAndNamesIt) {
    std::string settings = ReadTextFile(dir_ / "polaride.cfg");
    // Line 11, "Anzahl Tage", of the shipped file is "1".
    const std::size_t line11 = [&] {
        std::size_t at = 0;
        for (int n = 1; n < 11; ++n) at = settings.find('\n', at) + 1;
        return at;
    }();
    settings.replace(line11, settings.find('\r', line11) - line11, "100000");
    WriteTextFile(dir_ / "polaride.cfg", settings);
    const CliRun run =
        RunCli(dir_.path(), {"passes", "--tle", "sets.tle", "--all", "--date", "27.04.2026"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("aus polaride.cfg:"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Anzahl Tage 100000"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Die Anzahl Tage muss zwischen 1 und 366 liegen."), std::string::npos);
}

// A place name of megabytes in the settings file: a short note, not the whole line.
TEST_F(CliTest, AMegabyteSettingsLineGivesAShortNote) {
    std::string settings = ReadTextFile(dir_ / "polaride.cfg");
    settings.replace(0, settings.find('\r'), std::string(10'000'000, 'B'));
    WriteTextFile(dir_ / "polaride.cfg", settings);
    const CliRun run = RunCli(dir_.path(), {"passes", "--tle", "sets.tle", "--all", "--date",
                                            "27.04.2026", "--out", "list.txt"});
    EXPECT_EQ(run.status, 0) << run.err.substr(0, 500);
    EXPECT_LT(run.err.size(), 1000u) << run.err.substr(0, 1000);
    EXPECT_NE(run.err.find("ist zu lang (10000000 Zeichen, höchstens 4096)"), std::string::npos)
        << run.err.substr(0, 1000);
}

TEST_F(CliTest, UnreadableSettingsFileMeansTheDefaultsWithANoteForEveryCommand) {
    std::string junk;
    for (int i = 0; i < 2000; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
    WriteTextFile(dir_ / "polaride.cfg", junk);
    const std::vector<std::vector<std::string>> commands = {
        {"ephem", "--jd", "46140.5"},
        {"sgp", "--tle", "sets.tle", "--index", "1", "--minutes", "10"},
        {"passes", "--tle", "sets.tle", "--all", "--date", "27.04.2026", "--out", "list.txt"},
    };
    for (const auto& command : commands) {
        const CliRun run = RunCli(dir_.path(), command);
        EXPECT_NE(run.err.find("polaride.cfg; die Einstellungen werden nicht verwendet"),
                  std::string::npos)
            << command[0] << "\n"
            << run.err;
        EXPECT_NE(run.err.find("es gelten die Vorgaben:"), std::string::npos) << command[0];
        EXPECT_NE(run.err.find("Breite 52.52"), std::string::npos) << command[0];
        EXPECT_TRUE(IsUtf8(run.err)) << command[0];
    }
    const std::string list = ReadTextFile(dir_ / "list.txt");
    EXPECT_EQ(list.rfind("Sichtbarkeitsbedingungen f\xfcr Berlin, Nacht vom 27.04.2026\r\n", 0), 0u)
        << list;
}

TEST_F(CliTest, ListIsTheSameForAnyNumberOfThreads) {
    const std::vector<std::string> search =
        Args({"passes", "--tle", testsupport::DataPath("visual-2026-04.tle").string(), "--all",
              "--json"},
             kBerlinNight);
    const CliRun one = RunCli(dir_.path(), Args(search, {"--threads", "1"}));
    ASSERT_EQ(one.status, 0) << one.err;
    EXPECT_NE(one.out.find("\"start\""), std::string::npos);
    EXPECT_EQ(RunCli(dir_.path(), Args(search, {"--threads", "3"})).out, one.out);
}

TEST_F(CliTest, TerminalGetsUtf8AndOutWritesTheLatin1File) {
    const std::vector<std::string> search =
        Args({"passes", "--tle", "sets.tle", "--select", "K\xc3\xb6"}, kBerlinNight);
    const CliRun text = RunCli(dir_.path(), search);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_TRUE(IsUtf8(text.out));
    EXPECT_NE(text.out.find("Sichtbarkeitsbedingungen f\xc3\xbcr Berlin, Nacht vom 27.04.2026\n"),
              std::string::npos);
    EXPECT_NE(text.out.find(" K\xc3\xb6nig "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\xc2\xb0"), std::string::npos);

    const CliRun json = RunCli(dir_.path(), Args(search, {"--json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(IsUtf8(json.out));
    EXPECT_NE(json.out.find("\"name\": \"K\xc3\xb6nig\""), std::string::npos) << json.out;

    const CliRun file = RunCli(dir_.path(), Args(search, {"--out", "list.txt"}));
    ASSERT_EQ(file.status, 0) << file.err;
    EXPECT_TRUE(file.out.empty());
    const std::string bytes = ReadTextFile(dir_ / "list.txt");
    EXPECT_EQ(bytes.rfind("Sichtbarkeitsbedingungen f\xfcr Berlin, Nacht vom 27.04.2026\r\n", 0),
              0u);
    EXPECT_NE(bytes.find("\r\n K\xf6nig "), std::string::npos);
    EXPECT_NE(bytes.find("\xb0"), std::string::npos);
    EXPECT_EQ(bytes.find("\xc3"), std::string::npos);

    // A place name Latin-1 cannot hold is not changed without a word.
    const CliRun omega =
        RunCli(dir_.path(), Args(search, {"--place", "\xce\xa9mega", "--out", "omega.txt"}));
    EXPECT_EQ(omega.status, 0);
    EXPECT_NE(omega.err.find("Latin-1 kennt nicht alle Zeichen"), std::string::npos) << omega.err;
}

TEST_F(CliTest, SelectionOptionsTakeTheSetsTheSelectionWindowTakes) {
    // Three copies of the ISS set under other names and catalogue numbers: each has the
    // same passes, so the JSON names every selected set with its place in the selection.
    const auto copy = [](const std::string& name, const std::string& number) {
        std::string set = kLatin1Set.substr(kLatin1Set.find("\r\n"));
        for (std::size_t at = set.find("25544"); at != std::string::npos; at = set.find("25544"))
            set.replace(at, 5, number);
        return name + set;
    };
    WriteTextFile(dir_ / "three.tle", kLatin1Set + copy("ISS B", "25545") + copy("iss c", "25546"));
    struct Case {
        std::vector<std::string> choice;
        std::vector<std::string> selection;  // "index name" in selection order
    } cases[] = {
        {{"--all"}, {"0 K\xc3\xb6nig", "1 ISS B", "2 iss c"}},
        {{"--select", "Iss"}, {"0 ISS B", "1 iss c"}},
        {{"--catnr", "25546,25544,99999"}, {"0 K\xc3\xb6nig", "1 iss c"}},
    };
    for (const Case& c : cases) {
        const CliRun run =
            RunCli(dir_.path(),
                   Args(Args({"passes", "--tle", "three.tle", "--json"}, c.choice), kBerlinNight));
        ASSERT_EQ(run.status, 0) << c.choice[0] << "\n" << run.err;
        std::set<std::string> seen;
        for (std::size_t at = run.out.find("\"name\": \""); at != std::string::npos;
             at = run.out.find("\"name\": \"", at + 1)) {
            const std::size_t name = at + 9;
            const std::size_t index = run.out.find("\"sat_index\": ", name) + 13;
            seen.insert(run.out.substr(index, run.out.find(',', index) - index) + " " +
                        run.out.substr(name, run.out.find('"', name) - name));
        }
        EXPECT_EQ(seen, std::set<std::string>(c.selection.begin(), c.selection.end()))
            << c.choice[0];
    }
    const CliRun none = RunCli(
        dir_.path(), Args({"passes", "--tle", "three.tle", "--catnr", "11111"}, kBerlinNight));
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("Kein Satellit ausgewählt"), std::string::npos) << none.err;
}

TEST_F(CliTest, SetsLeftOutAreNamedOnStandardError) {
    // A line that starts no set (file line 4) and a set whose mean motion is 0 (line 5).
    const std::size_t line2 = kLatin1Set.find("\r\n2 ") + 2;
    std::string zero = kLatin1Set;
    zero.replace(line2 + 52, 11, " 0.00000000");
    WriteTextFile(dir_ / "mixed.tle",
                  kLatin1Set + "no element line\r\n" + "ZERO" + zero.substr(zero.find("\r\n")));
    const CliRun run =
        RunCli(dir_.path(), Args({"passes", "--tle", "mixed.tle", "--all"}, kBerlinNight));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Hinweis: Nicht geladen"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Zeile 4"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Hinweis: Zeile 5: ZERO"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find(" K\xc3\xb6nig "), std::string::npos);
}

TEST_F(CliTest, ElementsMoreThanFourteenDaysFromTheirEpochAreNamed) {
    // The set's epoch is 27.04.2026 08:40 UT; one hour from 12:00 MESZ (10:00 UT).
    const std::string elements = "Hinweis: Die Elemente von 1 ausgewählten Satelliten ";
    for (const auto& [date, warning] : {std::pair{"10.05.2026", ""},
                                        {"12.05.2026", "sind älter als 14 Tage (bis zu 15 Tage)."},
                                        {"11.04.2026", "liegen bis zu 15 Tage in der Zukunft."}}) {
        const CliRun run =
            RunCli(dir_.path(), {"passes", "--tle", "sets.tle", "--all", "--date", date, "--time",
                                 "12:00:00", "--zone", "2", "--minutes", "60"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err.find(elements) == std::string::npos, *warning == 0) << date << run.err;
        if (*warning) {
            EXPECT_NE(run.err.find(elements + warning), std::string::npos) << run.err;
        }
    }
    const CliRun night =
        RunCli(dir_.path(), Args({"passes", "--tle", "sets.tle", "--all", "--json"}, kBerlinNight));
    const auto passes = nlohmann::json::parse(night.out);
    ASSERT_FALSE(passes.empty());
    for (const auto& pass : passes) {
        const double age = pass.at("element_age_days");
        EXPECT_NEAR(age, pass.at("time_jd1900").get<double>() - 46137.86127981, 1e-6);
    }
}

TEST_F(CliTest, SunLimitIsRaisedAsTheDialogRaisesIt) {
    // 64° N at midsummer: the Sun stays above -5°; the dialog raises the limit to just
    // above its lowest altitude (-2.57°) and the short window about midnight has passes.
    const CliRun run =
        RunCli(dir_.path(), {"passes", "--tle", DataPath("visual-2026-04.tle").string(), "--all",
                             "--date", "21.06.2026", "--lat", "64", "--lon", "19", "--zone", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("neue maximale Sonnenhöhe -2.5"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find(" 22.06.  00:"), std::string::npos) << run.out;
}

TEST_F(CliTest, MidnightSunAtMcMurdoListsNoPassAndNamesTheNight) {
    // The Sun stays above +11°: the limit is raised to the horizon at most.
    const CliRun run =
        RunCli(dir_.path(),
               {"passes", "--tle", DataPath("visual-2026-04.tle").string(), "--all", "--json",
                "--date", "15.12.2026", "--lat", "-77.85", "--lon", "166.67", "--zone", "13"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "[]\n");
    EXPECT_NE(run.err.find("neue maximale Sonnenhöhe 0\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Hinweis: Kein dunkler Himmel in der Nacht vom 15.12.2026: die Sonne "
                           "sinkt nicht unter 0°."),
              std::string::npos)
        << run.err;
}

TEST_F(CliTest, NoSearchableSetIsAFailure) {
    // Mean motions of 0 and 25 revolutions a day: no Earth orbit.
    const std::size_t line2 = kLatin1Set.find("\r\n2 ") + 2;
    std::string still = kLatin1Set, fast = kLatin1Set;
    still.replace(line2 + 52, 11, " 0.00000000");
    fast.replace(line2 + 52, 11, "25.00000000");
    WriteTextFile(dir_ / "bad.tle", still + fast);
    const CliRun run =
        RunCli(dir_.path(), Args({"passes", "--tle", "bad.tle", "--all"}, kBerlinNight));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find("polaride-cli passes: Keiner der 2 ausgewählten Satelliten ließ sich "
                           "berechnen:\nZeile 1: K"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("keine Erdumlaufbahn"), std::string::npos);
    EXPECT_EQ(run.err.find("keine Durchgänge"), std::string::npos) << run.err;
}

TEST_F(CliTest, PassesReadsSatmagFromTheDataFolder) {
    TempDir data;
    std::filesystem::copy_file(DataPath("SATMAG"), data / "SATMAG");
    const std::vector<std::string> search =
        Args({"passes", "--tle", "sets.tle", "--all", "--json", "--data", data.path().string()},
             kBerlinNight);
    const CliRun withTable = RunCli(dir_.path(), search);
    ASSERT_EQ(withTable.status, 0) << withTable.err;
    EXPECT_NE(withTable.out.find("\"magnitude_known\": true"), std::string::npos);

    std::filesystem::remove(data / "SATMAG");
    const CliRun without = RunCli(dir_.path(), search);
    ASSERT_EQ(without.status, 0) << without.err;
    EXPECT_NE(without.out.find("\"magnitude_known\": false"), std::string::npos);
    EXPECT_NE(without.err.find("Datei nicht gefunden: SATMAG"), std::string::npos) << without.err;
}

TEST_F(CliTest, FailuresEndWithStatusOne) {
    // ephem without "ASTEROID.TXT" and "KOMET": the rest is printed, the status says so.
    const CliRun ephem = RunCli(dir_.path(), {"ephem", "--jd", "46140.5"});
    EXPECT_EQ(ephem.status, 1);
    EXPECT_EQ(ephem.out.rfind("{\"jd1900\"", 0), 0u);
    EXPECT_NE(ephem.err.find("KOMET"), std::string::npos);

    // sgp: a set whose orbit has decayed (mean motion 0) fails at every instant.
    WriteTextFile(dir_ / "broken.tle",
                  "BROKEN\r\n"
                  "1 77777U          80275.98708465  .00073094  13844-3  66816-4 0     8\r\n"
                  "2 77777  72.8435 115.9689 0086731  52.6988 110.5714  0.00000000   105\r\n");
    const CliRun failed =
        RunCli(dir_.path(), {"sgp", "--tle", "broken.tle", "--index", "1", "--minutes", "0"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.out.find("\"math_error\":true"), std::string::npos);
    const CliRun fine =
        RunCli(dir_.path(), {"sgp", "--tle", "sets.tle", "--index", "1", "--minutes", "0"});
    EXPECT_EQ(fine.status, 0) << fine.err;

    // Output that cannot be written.
    if (std::filesystem::exists("/dev/full")) {
        const CliRun full =
            RunCli(dir_.path(), {"sgp", "--tle", "sets.tle", "--index", "1", "--minutes", "0"},
                   "/dev/full");
        EXPECT_EQ(full.status, 1);
        EXPECT_NE(full.err.find("Die Ausgabe ließ sich nicht schreiben."), std::string::npos);
    }
}

// The named stars at their apparent places: Sirius over Berlin against Skyfield's
// apparent place of its catalogue coordinates (tools/checks/frame_reference.py).
TEST_F(CliTest, EphemStarsListsTheNamedStarsOfDate) {
    const std::string data = DataPath("").string();
    const CliRun run = RunCli(dir_.path(), {"ephem", "--jd", "46363.607060185", "--lon", "13.405",
                                            "--lat", "52.52", "--stars", "--data", data});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto stars = nlohmann::ordered_json::parse(run.out).at("stars");
    EXPECT_EQ(stars.size(), 190u);
    const auto sirius = std::find_if(stars.begin(), stars.end(),
                                     [](const auto& s) { return s.at("name") == "Sirius"; });
    ASSERT_NE(sirius, stars.end());
    std::vector<std::string> keys;
    for (const auto& [key, value] : sirius->items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"name", "alt_deg", "az_deg", "ra_hours", "dec_deg"}));
    EXPECT_NEAR(sirius->at("alt_deg").get<double>(), 16.550736, 3e-4);
    EXPECT_NEAR(sirius->at("az_deg").get<double>(), 208.180000, 3e-4);
    EXPECT_NEAR(sirius->at("ra_hours").get<double>(), 6.773064, 2e-5);
    EXPECT_NEAR(sirius->at("dec_deg").get<double>(), -16.742967, 3e-4);

    const CliRun plain = RunCli(dir_.path(), {"ephem", "--jd", "46363.6", "--data", data});
    EXPECT_FALSE(nlohmann::json::parse(plain.out).contains("stars"));
}

TEST_F(CliTest, HelpIsASuccess) {
    const CliRun help = RunCli(dir_.path(), {"ephem", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("geozentrisch"), std::string::npos);
    EXPECT_NE(help.out.find("topozentrisch"), std::string::npos);
    EXPECT_EQ(RunCli(dir_.path(), {"--help"}).status, 0);
    EXPECT_EQ(RunCli(dir_.path(), {}).status, 2);
}

}  // namespace

namespace {

TEST_F(CliTest, LoadCountsTheSetsAndGivesTheLoadNotes) {
    WriteTextFile(dir_ / "two.tle", std::string(kLatin1Set) + "stray line\r\n" + kLatin1Set);
    const CliRun run = RunCli(dir_.path(), {"load", "--tle", "two.tle", "--repeat", "3"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("2 Satelliten geladen\nLadezeit (ms, 3 Mal): kürzeste ", 0), 0u)
        << run.out;
    EXPECT_NE(run.err.find("Hinweis: Nicht geladen (kein vollständiger Elementsatz): Zeile 4."),
              std::string::npos)
        << run.err;
    EXPECT_EQ(RunCli(dir_.path(), {"load", "--tle", "two.tle", "--repeat", "0"}).status, 2);
}

}  // namespace
