// Element lines read as the two-line format defines them: malformed lines named by
// their line number and their set skipped, the forms real files hold kept; the check
// of a downloaded answer by the same rules; input from pipes and endless devices.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "satellite/element_lines.h"
#include "satellite/element_numbers.h"
#include "satellite/element_records.h"
#include "satellite/magnitude_table.h"
#include "satellite/satellite_table.h"
#include "satellite/sgp.h"
#include "support/observer_records.h"
#include "support/test_paths.h"

namespace {

using testsupport::FixturePath;
using testsupport::ReadTextFile;
using testsupport::TempDir;
using testsupport::WriteTextFile;

const std::string kIss1 = "1 25544U 98067A   26117.36127981  .00010360  00000+0  19594-3 0  9994";
const std::string kIss2 = "2 25544  51.6320 191.6695 0007016 356.2195   3.8740 15.48988133563872";

// The line with the text put at column (from 1) in place of as many characters, or
// inserted (erase 0), and its checksum made right again.
std::string Edited(std::string line, int column, const std::string& text, std::size_t erase) {
    line.replace(static_cast<std::size_t>(column - 1), erase, text);
    if (line.size() >= 69) line[68] = static_cast<char>('0' + ElementLineChecksum(line));
    return line;
}
std::string Put(const std::string& line, int column, const std::string& text) {
    return Edited(line, column, text, text.size());
}

class ElementLineRules : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetObserverRecords();
        ResetSatelliteTable();
        ResetMagnitudeTable();
    }
    void TearDown() override { ResetSatelliteTable(); }
    // A sound set, the set under test (lines 4-6), a sound set.
    LoadResult LoadBetweenSoundSets(const std::string& line1, const std::string& line2) {
        const std::string sound = "ISS\r\n" + kIss1 + "\r\n" + kIss2 + "\r\n";
        WriteTextFile(dir_ / "sets.tle",
                      sound + "TEST\r\n" + line1 + "\r\n" + line2 + "\r\n" + sound);
        return LoadElementFile((dir_ / "sets.tle").string());
    }
    TempDir dir_;
};

TEST_F(ElementLineRules, MalformedLinesAreNamedAndOnlyTheirSetIsSkipped) {
    const std::string skipped = "Nicht geladen (Elementzeile nicht im festen Spaltenformat): ";
    struct Case {
        const char* what;
        std::string line1, line2;
        std::string notice;  // empty: the set is kept without a note
    };
    const Case cases[] = {
        {"a blank removed before the mean motion", kIss1, Edited(kIss2, 52, "", 1),
         skipped + "Zeile 6 Spalte 52 (Leerzeichen)."},
        {"a field shifted by one column", Edited(kIss1, 19, " ", 0), kIss2,
         skipped + "Zeile 5 Spalten 21-32 (Epochentag)."},
        {"exponent notation in an angle", kIss1, Put(kIss2, 9, "5.163e+1"),
         skipped + "Zeile 6 Spalten 9-16 (Inklination)."},
        {"catalogue number 1e3", Put(kIss1, 3, "1e3  "), Put(kIss2, 3, "1e3  "),
         skipped + "Zeile 5 Spalten 3-7 (Katalognummer)."},
        {"catalogue number ZZZZZ", Put(kIss1, 3, "ZZZZZ"), Put(kIss2, 3, "ZZZZZ"),
         skipped + "Zeile 5 Spalten 3-7 (Katalognummer)."},
        {"a blank in the eccentricity", kIss1, Put(kIss2, 30, " "),
         skipped + "Zeile 6 Spalten 27-33 (Exzentrizität)."},
        {"a digit where a blank belongs", Put(kIss1, 44, "0"), kIss2,
         skipped + "Zeile 5 Spalte 44 (Leerzeichen)."},
        {"day 400 of the year", Put(kIss1, 21, "400"), kIss2,
         skipped + "Zeile 5 Spalten 21-23 (Epochentag)."},
        {"line 2 of another satellite", kIss1, Put(kIss2, 3, "25545"),
         skipped + "Zeile 6 Spalten 3-7 (Katalognummer (nicht die von Zeile 1))."},
        {"text after column 69", kIss1, kIss2 + " x",
         skipped + "Zeile 6 Spalte 71 (Text nach dem Zeilenende des Formats)."},
        {"a wrong checksum digit", kIss1.substr(0, 68) + "5", kIss2,
         "Prüfziffer falsch (Satz trotzdem geladen): Zeile 5."},
        // What real files hold.
        {"an Alpha-5 catalogue number", Put(kIss1, 3, "A1234"), Put(kIss2, 3, "A1234"), ""},
        {"leading blanks in right-aligned fields", Put(Put(kIss1, 3, "  694"), 65, "  99"),
         Put(Put(Put(kIss2, 3, "  694"), 9, "  7.0000"), 53, " 1.00270000"), ""},
        {"signs and implied-decimal exponents", Put(Put(kIss1, 34, "+"), 45, "-12345-5"),
         Put(kIss2, 64, "    0"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const LoadResult r = LoadBetweenSoundSets(c.line1, c.line2);
        ASSERT_TRUE(r.opened);
        const bool kept = c.notice.empty() || c.notice.rfind("Prüfziffer", 0) == 0;
        EXPECT_EQ(r.satelliteCount, kept ? 3 : 2);
        EXPECT_EQ(r.noticeText, c.notice);
        EXPECT_EQ(Satellites().fileLine[kept ? 3 : 2], 7);
    }
}

TEST_F(ElementLineRules, ShippedElementFilesLoadWhole) {
    for (const char* name : {"active-2026-04.tle", "all-2018-01.tle", "iridiums.tle",
                             "stations-2026-04.tle", "visual-2026-04.tle"}) {
        SCOPED_TRACE(name);
        const std::string text = ReadTextFile(testsupport::DataPath(name));
        int lines1 = 0;
        for (std::size_t at = 0; (at = text.find("\n1 ", at)) != std::string::npos; ++at) ++lines1;
        const LoadResult r = LoadElementFile(testsupport::DataPath(name).string());
        EXPECT_EQ(r.noticeText, "");
        EXPECT_EQ(r.satelliteCount, lines1);
    }
}

TEST(ElementAnswer, TakenOnlyWhenEveryRecordIsAWholeSoundSet) {
    const std::string good = ReadTextFile(FixturePath("download/visual.tle"));
    const std::string omm = ReadTextFile(FixturePath("download/visual.csv"));
    const std::string visual = ReadTextFile(testsupport::DataPath("visual-2026-04.tle"));
    std::size_t cut = 0;  // 74 sets, a name line and half a line 1
    for (int line = 0; line < 3 * 74 + 1; ++line) cut = visual.find('\n', cut) + 1;
    const std::string junk = "JUNK\r\n1 " + std::string(67, 'x') + "\r\n2 " + std::string(67, 'x');
    struct Case {
        const char* what;
        std::string text;
        int sets;  // 0: refused
    };
    const Case cases[] = {
        {"two-line answer", good, 2},
        {"OMM answer", omm, 2},
        {"junk element lines", junk + "\r\n", 0},
        {"junk after the sets", good + junk + "\r\n", 0},
        {"HTML page with element lines", "<html><body><pre>\n" + good + "</pre></body></html>\n",
         0},
        {"cut inside a record", visual.substr(0, cut + 35), 0},
        {"cut inside line 2", good.substr(0, good.size() - 20), 0},
        {"OMM cut inside a record", omm.substr(0, omm.size() - 20), 0},
        {"a service's message", "No GP data found\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ElementAnswerCheck check = CheckElementAnswer(c.text);
        EXPECT_EQ(check.Taken(), c.sets > 0) << check.problem;
        EXPECT_EQ(check.sets, c.sets);
    }
    EXPECT_TRUE(CheckElementAnswer("No GP data found\n").noRecords);
    EXPECT_FALSE(CheckElementAnswer(junk).noRecords);
}

TEST_F(ElementLineRules, ElementFilesAreReadFromAPipe) {
    const std::filesystem::path fifo = dir_ / "sets.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] { std::ofstream(fifo) << "ISS\n" << kIss1 << "\n" << kIss2 << "\n"; });
    const LoadResult r = LoadElementFile(fifo.string());
    close(open(fifo.c_str(), O_RDONLY | O_NONBLOCK));  // frees a writer still waiting to open
    writer.join();
    EXPECT_TRUE(r.opened) << r.errorText;
    EXPECT_EQ(r.satelliteCount, 1);
}

TEST_F(ElementLineRules, AnEndlessInputEndsWithAMessage) {
    if (!std::filesystem::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
    const std::string tooLarge = "Datei zu groß (mehr als 64 MB), nicht gelesen: ";
    const LoadResult elements = LoadElementFile("/dev/zero");
    EXPECT_FALSE(elements.opened);
    EXPECT_EQ(elements.errorText, tooLarge + "/dev/zero");
    std::string error;
    EXPECT_FALSE(LoadMagnitudeTable("/dev/zero", &error));
    EXPECT_EQ(error, tooLarge + "/dev/zero");
    testsupport::ScopedWorkingDir cwd(dir_.path());
    std::filesystem::create_symlink("/dev/zero", dir_ / "iridiums.tle");
    const LoadResult flares = LoadBetweenSoundSets(kIss1, kIss2);
    EXPECT_EQ(flares.satelliteCount, 3);
    EXPECT_EQ(flares.noticeText, tooLarge + "iridiums.tle");
}

}  // namespace

// The numbers cut from sound lines digit by digit are those their fields read as
// decimal numbers, bit for bit: every set of the shipped files and the field forms
// real files hold.
TEST(SoundElementNumbers, AreThoseTheFieldsReadAs) {
    std::vector<std::pair<std::string, std::string>> lines = {
        {Put(kIss1, 3, "A1234"), Put(kIss2, 3, "A1234")},
        {Put(Put(kIss1, 3, "  694"), 19, " 6"),
         Put(Put(Put(kIss2, 3, "  694"), 9, "  7.0000"), 53, " 1.00270000")},
        {Put(Put(Put(kIss1, 34, "-.00000000"), 45, "-12345-9"), 54, "+99999+9"), kIss2},
        {Put(Put(kIss1, 45, " 00000-0"), 54, "-00000+0"), Put(kIss2, 27, "9999999")},
    };
    for (const char* name : {"active-2026-04.tle", "all-2018-01.tle", "visual-2026-04.tle"}) {
        std::istringstream in(ReadTextFile(testsupport::DataPath(name)));
        for (const ReadElementSet& read : ReadElementSets(in).sets)
            lines.emplace_back(read.set.line1, read.set.line2);
    }
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    for (const auto& [line1, line2] : lines) {
        ASSERT_TRUE(CheckElementLines(line1, line2).sound()) << line1 << "\n" << line2;
        SgpElements read;
        ASSERT_TRUE(ParseSgpElements(line1, line2, read));
        const SgpElements cut = SgpElementsOf(SoundElementNumbers(line1, line2));
        const double SgpElements::*fields[] = {
            &SgpElements::catalogNumber, &SgpElements::epoch,           &SgpElements::ndot2,
            &SgpElements::nddot6,        &SgpElements::bstar,           &SgpElements::inclination,
            &SgpElements::node,          &SgpElements::eccentricity,    &SgpElements::perigee,
            &SgpElements::meanAnomaly,   &SgpElements::meanMotionRevDay};
        for (const auto field : fields)
            ASSERT_EQ(bits(cut.*field), bits(read.*field)) << line1 << "\n" << line2;
    }
}

// A text in memory is cut into the same lines and records as the stream of it.
TEST(ElementText, ReadInMemoryAsFromAStream) {
    const std::string set = "ISS\r\n" + kIss1 + "\r\n" + kIss2;
    const std::string texts[] = {
        "\xEF\xBB\xBF" + set + "\r\n",
        "ISS\r" + kIss1 + "\r" + kIss2 + "\r\r\nstray\n\n" + kIss1 + "\n" + kIss2,
        set + "\n" + std::string(600, 'x') + "\n" + set + "\r",
        "\r\n\r" + set + "\n" + kIss1.substr(0, 40) + "\n",
    };
    for (const std::string& text : texts) {
        std::istringstream in(text);
        const ElementReading stream = ReadElementSets(in);
        const ElementReading memory = ReadElementSets(std::string_view(text));
        ASSERT_EQ(memory.sets.size(), stream.sets.size());
        for (std::size_t k = 0; k < stream.sets.size(); ++k) {
            EXPECT_EQ(memory.sets[k].set.nameLine, stream.sets[k].set.nameLine);
            EXPECT_EQ(memory.sets[k].set.line2, stream.sets[k].set.line2);
            EXPECT_EQ(memory.sets[k].fileLine, stream.sets[k].fileLine);
        }
        EXPECT_EQ(memory.incompleteLines, stream.incompleteLines);
        EXPECT_EQ(memory.tooLongLines, stream.tooLongLines);
    }
}
