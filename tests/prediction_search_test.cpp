// The pass search end to end on small element files: method choice, window ends,
// shadow boundaries, brightness, sorting, progress, abort, refusal, empty results.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/element_age.h"
#include "prediction/night_window.h"
#include "prediction/pass_orbit.h"
#include "prediction/pass_search.h"
#include "prediction/search_limits.h"
#include "satellite/loaded_elements.h"
#include "satellite/observation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"
#include "support/observer_place.h"
#include "support/pass_search_records.h"
#include "support/satellite_selection.h"
#include "support/test_paths.h"

namespace {

using testsupport::FixturePath;
using testsupport::LoadTextAndSelectEverySatellite;
using testsupport::ReadTextFile;

struct RecordingListener : PassSearchListener {
    std::vector<PassSearchProgress> progressReports;
    std::vector<std::string> headings, appended, failures, darknessNotes;
    int started = 0, noPassCalls = 0, passesFoundCalls = 0, repaints = 0, clears = 0;
    int eventsProcessed = 0;
    std::function<void(int)> onEvents;  // gets the number of the call, from 0
    void searchStarted() override { ++started; }
    void progress(const PassSearchProgress& p) override { progressReports.push_back(p); }
    void setStatusHeading(const std::string& h) override { headings.push_back(h); }
    void clearList() override { ++clears; }
    void appendListLine(const std::string& l) override { appended.push_back(l); }
    void repaintList() override { ++repaints; }
    void processPendingEvents() override {
        if (onEvents) onEvents(eventsProcessed);
        ++eventsProcessed;
    }
    void noPasses() override { ++noPassCalls; }
    void passesFound(int) override { ++passesFoundCalls; }
    void searchFailed(const std::string& m) override { failures.push_back(m); }
    void nightsWithoutDarkness(const std::string& t) override { darknessNotes.push_back(t); }
    bool Reported(PassSearchProgress::Stage stage, int percent = 0) const {
        return std::any_of(progressReports.begin(), progressReports.end(),
                           [&](const auto& p) { return p.stage == stage && p.percent == percent; });
    }
};

// Element lines with a replaced eccentricity (columns 27-33), mean motion (53-63) and
// catalogue number (3-7 of both lines).
std::string WithElements(std::string line2, double eccentricity, double meanMotion) {
    char ecc[16], n[16];
    std::snprintf(ecc, sizeof ecc, "%07d", static_cast<int>(std::lround(eccentricity * 1e7)));
    std::snprintf(n, sizeof n, "%11.8f", meanMotion);
    line2.replace(26, 7, ecc);
    line2.replace(52, 11, n);
    return line2;
}

class PassSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetPassSearchRecords();
        testsupport::PlaceObserverInBerlin(40, 2);
        SetLocalTime(2026, 4, 27, 12);
        const std::string iss = ReadTextFile(FixturePath("passes/iss.tle"));
        issName_ = iss.substr(0, iss.find('\n'));
        const std::size_t l1 = iss.find('\n') + 1, l2 = iss.find('\n', l1) + 1;
        issLine1_ = iss.substr(l1, l2 - l1 - 1);
        issLine2_ = iss.substr(l2, iss.find('\n', l2) - l2);
        for (std::string* s : {&issName_, &issLine1_, &issLine2_})
            if (!s->empty() && s->back() == '\r') s->pop_back();
    }
    void TearDown() override { ResetPassSearchRecords(); }
    static void SetLocalTime(int y, int m, int d, double hour) {
        Shown().year = y;
        Shown().currentJD = JulianDay1900(y, m, d) + (hour - Place().zoneOffsetHours) / 24.0;
        FormatDateTime1900(Shown().currentJD);
    }
    // The fixture passes/NAME as the element file, every satellite selected.
    static void LoadFixture(const std::string& name) {
        LoadTextAndSelectEverySatellite(ReadTextFile(FixturePath("passes/" + name)));
    }
    std::string Set(const std::string& name, const std::string& line2) const {
        return name + "\r\n" + issLine1_ + "\r\n" + line2 + "\r\n";
    }
    static PassSearchParameters Loose() {
        PassSearchParameters p;
        p.limitingMagnitude = 99;
        p.shadow = false;
        return p;
    }
    static PassSearchParameters Loose(int nights) {
        PassSearchParameters p = Loose();
        p.nights = nights;
        return p;
    }
    // A search reported to a fresh listener.
    static RecordingListener Search(const PassSearchParameters& p) {
        RecordingListener listener;
        PassSearch(p, listener);
        return listener;
    }
    static void Duration(JD1900 start, JD1900 end, PassSearchParameters& p) {
        p.durationMode = true;
        PassWindow().windowStart = start;
        PassWindow().windowEnd = end;
    }
    std::string issName_, issLine1_, issLine2_;
};

TEST_F(PassSearchTest, MethodChoiceAtItsLimits) {
    struct Case {
        double e, n;
        bool plane;
    };
    const Case cases[] = {{0.0, 15.5, true},        {0.0999999, 1.5, true}, {0.1, 15.5, false},
                          {0.05, 1.4999999, false}, {0.7, 2.0, false},      {0.0, 1.0027, false}};
    for (const Case& c : cases)
        EXPECT_EQ(PlaneCrossingApplies(c.e, c.n), c.plane) << c.e << " " << c.n;
}

TEST_F(PassSearchTest, NightPassesMeetEveryCondition) {
    LoadFixture("iss.tle");
    const std::string dateBefore = DateText, timeBefore = TimeText;
    PassSearchParameters p;
    p.nights = 3;
    RecordingListener listener;
    const PassSearchResult result = PassSearch(p, listener);
    EXPECT_EQ(result.outcome, PassSearchOutcome::Finished);
    EXPECT_EQ(result.nightsSearched, 3);
    const PassListState& list = PassList();
    ASSERT_GE(list.passes.size(), 3u);
    ASSERT_EQ(list.passes.size(), list.Lines().size());
    const JD1900 firstEvening = Shown().currentJD;
    for (std::size_t j = 0; j < list.passes.size(); ++j) {
        const PassRecord pass = list.Record(j);
        EXPECT_GE(pass.altitudeDeg, 10.0);
        EXPECT_LT(pass.sunAltitudeDeg, -5.0 + 0.05);
        EXPECT_LE(pass.magnitude, 6.0);
        EXPECT_GT(pass.time, firstEvening);
        EXPECT_LT(pass.time, firstEvening + 3.0);
        if (j > 0) {
            EXPECT_LE(list.passes[j - 1].time, pass.time);
        }
        EXPECT_EQ(pass.satelliteNumber, 0);
        // The reported values are the observation at the reported time.
        const SatObservation seen = ObserveSelected(0, pass.time, PlaceOf(Place()));
        EXPECT_NEAR(seen.altitudeDeg, pass.altitudeDeg, 1e-9);
        FormatDateTime1900(pass.time);
        EXPECT_EQ(list.Line(j).substr(17, 6), DateText.substr(0, 6));
        EXPECT_EQ(list.Line(j).substr(25, 8), TimeText);
    }
    FormatDateTime1900(Shown().currentJD + 100);
    FormatDateTime1900(Shown().currentJD);
    EXPECT_EQ(DateText, dateBefore);
    EXPECT_EQ(TimeText, timeBefore);
    // Progress and headings in order.
    using Stage = PassSearchProgress::Stage;
    ASSERT_FALSE(listener.progressReports.empty());
    EXPECT_EQ(listener.progressReports.front().stage, Stage::Started);
    EXPECT_TRUE(listener.Reported(Stage::Computing, 0));
    EXPECT_TRUE(listener.Reported(Stage::Sorting));
    EXPECT_TRUE(listener.Reported(Stage::Ordering, 0));
    EXPECT_TRUE(listener.Reported(Stage::Listing, 0));
    EXPECT_EQ(listener.progressReports.back().stage, Stage::Done);
    EXPECT_EQ(listener.progressReports.back().passCount, static_cast<int>(list.Lines().size()));
    ASSERT_EQ(listener.headings.size(), 2u);
    EXPECT_EQ(listener.headings[0], std::string(kSearchHeading));
    EXPECT_EQ(listener.headings[1], std::string(kDisplayHeading));
    EXPECT_EQ(listener.started, 1);
    EXPECT_EQ(listener.passesFoundCalls, 1);
    EXPECT_EQ(listener.noPassCalls, 0);
    // The display lines went to the list.
    EXPECT_EQ(listener.appended, list.Lines());
    EXPECT_FALSE(PassSearchActive());
}

// With the shadow search the eclipsed culminations are replaced by the shadow entry or
// exit ("* "), where the satellite is on the edge of the shadow; without it they are
// reported at the culmination, in the shadow.
TEST_F(PassSearchTest, ShadowBoundaryPassesLieOnTheShadowEdge) {
    LoadFixture("iss.tle");
    PassSearchParameters p = Loose(3);
    p.shadow = true;
    RecordingListener listener = Search(p);
    const std::vector<PassRecord> withShadow = PassList().Records();
    p.shadow = false;
    PassSearch(p, listener);
    const std::vector<PassRecord> without = PassList().Records();

    int flagged = 0;
    for (std::size_t j = 0; j < withShadow.size(); ++j) {
        const PassRecord& pass = withShadow[j];
        const SatObservation seen = ObserveSelected(0, pass.time, PlaceOf(Place()));
        if (!pass.shadowBoundary) {
            EXPECT_GE(seen.shadowDepthKm, 0.0);
            continue;
        }
        ++flagged;
        EXPECT_NEAR(seen.shadowDepthKm, 0.0, 25.0) << j;
        EXPECT_NE(PassList().Lines().size(), 0u);
        // The same pass without the shadow search: eclipsed, within a few minutes.
        const auto match = std::find_if(without.begin(), without.end(), [&](const PassRecord& q) {
            return std::fabs(q.time - pass.time) < 8.0 / 1440.0;
        });
        ASSERT_NE(match, without.end());
        EXPECT_FALSE(match->shadowBoundary);
        EXPECT_LT(ObserveSelected(0, match->time, PlaceOf(Place())).shadowDepthKm, 0.0);
    }
    EXPECT_GT(flagged, 0);
    for (const PassRecord& q : without) EXPECT_FALSE(q.shadowBoundary);
    for (const std::string& line : PassList().Lines()) EXPECT_EQ(line.substr(42, 2), "  ");
}

TEST_F(PassSearchTest, ShadowFlagMarkerInTheDisplayLine) {
    LoadFixture("iss.tle");
    PassSearchParameters p = Loose(3);
    p.shadow = true;
    Search(p);
    const PassListState& list = PassList();
    for (std::size_t j = 0; j < list.Lines().size(); ++j)
        EXPECT_EQ(list.Line(j).substr(42, 2), list.passes[j].shadowBoundary ? "* " : "  ");
}

TEST_F(PassSearchTest, BrightestMomentIsALocalMinimumOfTheMagnitude) {
    LoadFixture("iss.tle");
    PassSearchParameters p = Loose(2);
    p.brightest = true;
    Search(p);
    const std::vector<PassRecord> passes = PassList().Records();
    ASSERT_FALSE(passes.empty());
    for (const PassRecord& pass : passes) {
        const double before =
            ObserveSelected(0, pass.time - 1.0 / 86400.0, PlaceOf(Place())).magnitude;
        const double after =
            ObserveSelected(0, pass.time + 1.0 / 86400.0, PlaceOf(Place())).magnitude;
        const SatObservation at = ObserveSelected(0, pass.time, PlaceOf(Place()));
        // Brightest within the 1-second steps, unless the pass ends there.
        if (at.altitudeDeg > 10.5 && at.sunAltitudeDeg < -5.5) {
            EXPECT_LE(at.magnitude, before + 1e-9);
            EXPECT_LE(at.magnitude, after + 1e-9);
        }
    }
}

// Equal times sort by the rest of the line, not by the order in which they were found.
TEST_F(PassSearchTest, EqualTimesOrderedByTheRestOfTheLine) {
    // Same orbit twice: the first set has a bright standard magnitude in columns 31-35
    // of its name line, the second none (6.0, ":"). Their lines differ first in the
    // magnitude field, where the fainter one's blank sorts before the minus sign.
    std::string bright = "ISS COPY                      -1.5";
    LoadTextAndSelectEverySatellite(Set(bright, issLine2_) + Set("ISS FAINT", issLine2_));
    PassSearchParameters p = Loose();
    Search(p);
    const PassListState& list = PassList();
    ASSERT_GE(list.passes.size(), 4u);
    for (std::size_t j = 0; j + 1 < list.passes.size(); j += 2) {
        EXPECT_EQ(list.passes[j].time, list.passes[j + 1].time);
        const std::string a = SearchLine(list.Record(j)), b = SearchLine(list.Record(j + 1));
        EXPECT_LT(a, b);
        EXPECT_NE(a.substr(0, 55), b.substr(0, 55)) << "the magnitudes differ";
    }
    // Insertion order is satellite 0 first; the text order puts the fainter one first.
    EXPECT_EQ(list.passes[0].satelliteNumber, 1);
}

TEST_F(PassSearchTest, NoPassesGiveTheEmptyListState) {
    LoadFixture("iss.tle");
    Tracking().trackedSatellite = 0;
    PassSearchParameters p;
    p.minAltitudeDeg = 89.99;
    RecordingListener listener = Search(p);
    EXPECT_TRUE(PassList().Lines().empty());
    EXPECT_EQ(listener.noPassCalls, 1);
    EXPECT_EQ(listener.passesFoundCalls, 0);
    EXPECT_EQ(Tracking().trackedSatellite, -1);
    EXPECT_EQ(listener.progressReports.back().stage, PassSearchProgress::Stage::Done);
    EXPECT_EQ(listener.progressReports.back().passCount, 0);
    EXPECT_EQ(std::string(kNoPassesText),
              "Für die ausgewählten Satelliten gibt es keine Durchgänge");
    EXPECT_EQ(std::string(kNoPassesCaption), "keine Durchgänge");
}

TEST_F(PassSearchTest, NightsWithoutDarknessAreSkipped) {
    LoadFixture("iss.tle");
    Place().longitudeDeg = 20.0;
    Place().setLatitude(70.0);
    SetLocalTime(2026, 6, 20, 12);
    PassWindow().windowStart = Shown().currentJD;  // a stale window must not be used
    PassWindow().windowEnd = Shown().currentJD + 1.0;
    PassSearchParameters p = Loose(2);
    RecordingListener listener;
    const PassSearchResult result = PassSearch(p, listener);
    EXPECT_EQ(result.nightsWithoutDarkness.size(), 2u);
    EXPECT_EQ(result.nightsSearched, 0);
    EXPECT_TRUE(PassList().Lines().empty());
    EXPECT_EQ(listener.noPassCalls, 1);
    // Named once, before the empty result.
    EXPECT_EQ(listener.darknessNotes,
              std::vector<std::string>{"Kein dunkler Himmel in den Nächten vom 20.06.2026 bis "
                                       "21.06.2026: die Sonne sinkt nicht unter -5°."});
}

// Elements far from the window are named as old or as from the future, or both when a
// long window reaches far on either side of the epoch.
TEST_F(PassSearchTest, ElementAgeTellsOldElementsFromFutureOnes) {
    LoadFixture("iss.tle");
    const JD1900 epoch = -ElementAgeDays(0, 0.0).value();
    const std::string old = "Die Elemente von 1 ausgewählten Satelliten sind älter als 14 Tage";
    const std::string future = "Die Elemente von 1 ausgewählten Satelliten liegen bis zu ";
    struct Case {
        double from, to;  // days after the epoch
        std::string text;
    } cases[] = {
        {-10.5, 13.5, ""},
        {20.5, 21.5, old + " (bis zu 21 Tage)."},
        {-30.5, -29.5, future + "30 Tage in der Zukunft."},
        {-20.5, 16.5, old + " (bis zu 16 Tage).\n" + future + "20 Tage in der Zukunft."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StaleElementsText(StaleSelectedElements(epoch + c.from, epoch + c.to)), c.text)
            << c.from;
}

// Not one selected set can be searched: the search fails with the reasons, it does not
// report an empty list.
TEST_F(PassSearchTest, NoSearchableSetIsAFailureNotAnEmptyList) {
    std::string still = issLine2_;
    still.replace(52, 11, " 0.00000000");
    LoadTextAndSelectEverySatellite(Set("STILL", still) + Set("STILL TOO", still));
    Tracking().trackedSatellite = 0;
    RecordingListener listener;
    const PassSearchResult result = PassSearch(Loose(1), listener);
    EXPECT_EQ(result.outcome, PassSearchOutcome::Failed);
    EXPECT_EQ(listener.noPassCalls, 0);
    EXPECT_EQ(Tracking().trackedSatellite, -1);
    ASSERT_EQ(listener.failures.size(), 1u);
    EXPECT_EQ(listener.failures[0], NoSatelliteSearchedText(result.skipped));
    EXPECT_EQ(listener.failures[0].rfind("Keiner der 2 ausgewählten Satelliten ließ sich "
                                         "berechnen:\nZeile 1: STILL: mittlere Bewegung 0 U/Tag",
                                         0),
              0u)
        << listener.failures[0];
}

TEST_F(PassSearchTest, AbortListsThePassesFoundSoFar) {
    LoadFixture("visual10.tle");
    PassSearchParameters p = Loose(2);
    RecordingListener full;
    PassSearch(p, full);
    const std::vector<std::string> all = PassList().Lines();

    RecordingListener listener;
    listener.onEvents = [](int call) {
        if (call == 0) RequestPassSearchAbort();
    };
    const PassSearchResult result = PassSearch(p, listener);
    EXPECT_EQ(result.outcome, PassSearchOutcome::Aborted);
    for (const std::string& line : PassList().Lines())
        EXPECT_NE(std::find(all.begin(), all.end(), line), all.end()) << line;
    // The status bar is emptied by the abort and gets the list heading at the end.
    ASSERT_EQ(listener.headings.size(), 3u);
    EXPECT_EQ(listener.headings[1], "");
    EXPECT_EQ(listener.headings[2], std::string(kDisplayHeading));
    // The abort request is used up: the next search runs through.
    RecordingListener again;
    EXPECT_EQ(PassSearch(p, again).outcome, PassSearchOutcome::Finished);
    EXPECT_EQ(PassList().Lines(), all);
}

TEST_F(PassSearchTest, SecondSearchWhileOneRunsIsRefused) {
    LoadFixture("iss.tle");
    PassSearchParameters p = Loose();
    PassSearchOutcome inner = PassSearchOutcome::Finished;
    bool activeInside = false;
    RecordingListener listener;
    listener.onEvents = [&](int call) {
        if (call != 0) return;
        activeInside = PassSearchActive();
        RecordingListener other;
        inner = PassSearch(p, other).outcome;
        EXPECT_EQ(other.started, 0);
    };
    const PassSearchResult outer = PassSearch(p, listener);
    EXPECT_TRUE(activeInside);
    EXPECT_EQ(inner, PassSearchOutcome::Refused);
    EXPECT_EQ(outer.outcome, PassSearchOutcome::Finished);
    EXPECT_FALSE(PassSearchActive());
    EXPECT_FALSE(PassList().Lines().empty());
}

// Duration mode: one window from the given instant; the Sun is not tested, so daylight
// passes appear; a pass still rising at the window end is evaluated at the end.
TEST_F(PassSearchTest, DurationWindowEndsCutPassesForBothMethods) {
    struct Case {
        const char* what;
        double eccentricity, meanMotion;
    };
    const Case cases[] = {
        {"plane crossing", -1, 0},           // the ISS as it is
        {"scan, e = 0.1", 0.1, 12.0},        // eccentric: culmination scan
        {"scan, n below 1.5", 0.001, 1.49},  // slow: culmination scan
    };
    for (const Case& c : cases) {
        ResetPassList();
        ResetSatelliteTable();
        const std::string line2 =
            c.eccentricity < 0 ? issLine2_ : WithElements(issLine2_, c.eccentricity, c.meanMotion);
        LoadTextAndSelectEverySatellite(Set("TEST SAT", line2));
        PassSearchParameters p = Loose();
        p.minAltitudeDeg = 5.0;
        const JD1900 start = Shown().currentJD;
        Duration(start, start + 1.0, p);
        RecordingListener listener = Search(p);
        std::vector<PassRecord> passes = PassList().Records();
        ASSERT_FALSE(passes.empty()) << c.what;
        bool daylight = false;
        for (const PassRecord& q : passes) daylight = daylight || q.sunAltitudeDeg > 0.0;
        EXPECT_TRUE(daylight) << c.what;
        // Pick a pass well inside the day and end a window shortly before its culmination.
        const bool slow = c.meanMotion > 0 && c.meanMotion < 1.5;
        const auto pick = std::find_if(passes.begin(), passes.end(), [&](const PassRecord& q) {
            return q.time > start + 0.05 && q.altitudeDeg > (slow ? 8.0 : 20.0);
        });
        ASSERT_NE(pick, passes.end()) << c.what;
        const JD1900 culmination = pick->time;
        JD1900 cut = culmination - 1.0 / 1440.0;
        if (slow) cut = culmination - 20.0 / 1440.0;
        ASSERT_GT(ObserveSelected(0, cut, PlaceOf(Place())).altitudeDeg, p.minAltitudeDeg)
            << c.what;
        ResetPassList();
        Duration(start, cut, p);
        PassSearch(p, listener);
        passes = PassList().Records();
        ASSERT_FALSE(passes.empty()) << c.what;
        EXPECT_NEAR(passes.back().time, cut, 1e-9) << c.what;
        if (slow) {
            EXPECT_EQ(passes.size(), 1u) << "one culmination per window";
        }
        // A window that opens just after the culmination: the pass is taken at the start
        // (plane crossing: foot point before the start; scan: already descending).
        const JD1900 opening = culmination + (slow ? 20.0 : 1.0) / 1440.0;
        ASSERT_GT(ObserveSelected(0, opening, PlaceOf(Place())).altitudeDeg, p.minAltitudeDeg)
            << c.what;
        ResetPassList();
        Duration(opening, opening + (slow ? 0.1 : 10.0 / 1440.0), p);
        PassSearch(p, listener);
        passes = PassList().Records();
        ASSERT_FALSE(passes.empty()) << c.what;
        EXPECT_NEAR(passes.front().time, opening, 1e-9) << c.what;
    }
}

TEST_F(PassSearchTest, SlowSatelliteHasAtMostOneCulminationPerNight) {
    LoadTextAndSelectEverySatellite(Set("SLOW SAT", WithElements(issLine2_, 0.001, 1.45)));
    PassSearchParameters p = Loose(4);
    Search(p);
    const std::vector<PassRecord> passes = PassList().Records();
    ASSERT_FALSE(passes.empty());
    for (std::size_t j = 1; j < passes.size(); ++j)
        EXPECT_GT(passes[j].time - passes[j - 1].time, 0.5);
    EXPECT_LE(passes.size(), 4u);
}

// The plane-crossing method against a plain altitude sweep of the same orbits: every
// culmination above 12 degrees in a day is listed once, within a minute, in the
// south, at the equator and in the far north, for prograde and retrograde orbits.
TEST_F(PassSearchTest, PlaneCrossingsListEveryCulminationOnce) {
    struct Orbit {
        const char* inclination;
        double meanMotion;
    };
    const Orbit orbits[] = {{" 28.5000", 14.2},
                            {" 51.6320", 15.49},
                            {" 65.0000", 15.2},
                            {" 82.0000", 13.7},
                            {" 98.0000", 14.8}};
    std::string text;
    for (const Orbit& o : orbits) {
        std::string line2 = WithElements(issLine2_, 0.001, o.meanMotion);
        line2.replace(8, 8, o.inclination);
        text += Set(std::string("ORBIT") + o.inclination, line2);
    }
    LoadTextAndSelectEverySatellite(text);
    struct Site {
        const char* name;
        double lat, lon;
    };
    const Site places[] = {
        {"Santiago", -33.45, -70.67}, {"Quito", -0.18, -78.47}, {"Tromsø", 69.65, 18.96}};
    for (const Site& place : places) {
        SCOPED_TRACE(place.name);
        Place().setLatitude(place.lat);
        Place().longitudeDeg = place.lon;
        PassSearchParameters p = Loose();
        p.minAltitudeDeg = 11.0;
        const JD1900 start = Shown().currentJD;
        Duration(start, start + 1.0, p);
        Search(p);
        const std::vector<PassRecord> passes = PassList().Records();
        int culminations = 0;
        for (int k = 0; k < 5; ++k) {
            constexpr double kStep = 20.0 / 86400.0;
            double before = -90.0, at = -90.0;
            for (int i = 0; i <= 4320; ++i) {
                const double next =
                    ObserveSelected(k, start + i * kStep, PlaceOf(Place())).altitudeDeg;
                const JD1900 t = start + (i - 1) * kStep;
                if (at > before && at >= next && at >= 12.0 && t > start + 0.002 &&
                    t < start + 0.998) {
                    ++culminations;
                    const auto listed =
                        std::count_if(passes.begin(), passes.end(), [&](const PassRecord& q) {
                            return q.satelliteNumber == k && std::fabs(q.time - t) < 80.0 / 86400.0;
                        });
                    EXPECT_EQ(listed, 1)
                        << "satellite " << k << " at " << t << ", " << at << " deg";
                }
                before = at;
                at = next;
            }
        }
        EXPECT_GT(culminations, 10);
    }
}

// Sets that cannot be searched are named once (not once per night) with their file
// line, and the others are searched; none of them may stall the search.
TEST_F(PassSearchTest, UnreadableAndImpossibleSetsAreSkippedAndNamedOnce) {
    std::string unreadable = issLine2_, still = issLine2_, fast = issLine2_, huge = issLine2_;
    unreadable.replace(52, 11, "  xx.yyyyyy");
    still.replace(52, 11, " 0.00000000");
    fast.replace(52, 11, "99.99999999");  // inside the Earth
    huge.replace(52, 11, "      1e300");
    std::string decaying = issLine1_;
    decaying.replace(33, 10, "-.99999999");  // SGP: n reaches 0 in the first night
    decaying.replace(44, 8, "-99999+1");
    decaying.replace(53, 8, " 99999-0");  // SGP4: the drag brings it down
    const std::string text = Set("ISS", issLine2_) + Set("UNREADABLE", issLine2_) +
                             Set("STILL", still) + Set("FAST", fast) + Set("HUGE", issLine2_) +
                             "DECAYING\r\n" + decaying + "\r\n" + issLine2_ + "\r\n";
    LoadTextAndSelectEverySatellite(text);
    ASSERT_EQ(Satellites().selectedCount, 6);
    // Lines that a load never takes, put in after it.
    SatelliteTable& table = Satellites();
    for (const auto& [row, line2] : {std::pair{2, unreadable}, std::pair{5, huge}}) {
        table.allSets[3 * (row - 1) + 2] = line2;
        table.selectedSets[3 * (row - 1) + 2] = line2;
        table.orbits[static_cast<std::size_t>(row)] =
            PrepareOrbit(table.Row(row).line1, line2, table.orbitModel);
    }
    struct SkipListener : RecordingListener {
        std::vector<std::string> summaries;
        void satellitesSkipped(const std::string& t) override { summaries.push_back(t); }
    } listener;
    PassSearchParameters p = Loose(2);
    const PassSearchResult result = PassSearch(p, listener);
    EXPECT_EQ(result.outcome, PassSearchOutcome::Finished);
    ASSERT_FALSE(PassList().passes.empty());
    for (const PassRecord& pass : PassList().Records()) EXPECT_EQ(pass.satelliteNumber, 0);
    const char* names[] = {"UNREADABLE", "STILL", "FAST", "HUGE", "DECAYING"};
    ASSERT_EQ(result.skipped.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(result.skipped[i].name, names[i]);
        EXPECT_FALSE(result.skipped[i].reason.empty());
        EXPECT_EQ(result.skipped[i].fileLine, static_cast<int>(3 * i + 4));  // its name line
    }
    EXPECT_EQ(result.skipped[0].reason, "Elemente nicht lesbar");
    ASSERT_EQ(listener.summaries.size(), 1u);
    EXPECT_EQ(listener.summaries[0], SkippedSatellitesText(result.skipped));
    EXPECT_NE(listener.summaries[0].find("5 Satelliten wurden nicht berechnet:\n"),
              std::string::npos);
}

// An orbit that fails at every instant (inside the Earth) is observed as failed and
// yields no pass, however the search reaches it.
TEST_F(PassSearchTest, FailingOrbitYieldsNoPass) {
    std::string inside = issLine2_;
    inside.replace(52, 11, "17.50000000");
    LoadTextAndSelectEverySatellite(Set("ISS", issLine2_) + Set("INSIDE", inside));
    const SatObservation seen = ObserveSelected(1, Shown().currentJD + 0.3, PlaceOf(Place()));
    EXPECT_TRUE(seen.failed());
    EXPECT_FALSE(ObserveSelected(0, Shown().currentJD + 0.3, PlaceOf(Place())).failed());
    PassSearchParameters p = Loose();
    p.minAltitudeDeg = -90.0;
    p.nights = 2;
    Search(p);
    ASSERT_FALSE(PassList().passes.empty());
    for (const PassRecord& pass : PassList().Records()) EXPECT_EQ(pass.satelliteNumber, 0);
}

// The right-button abort is honoured inside one satellite's search, not only after it.
TEST_F(PassSearchTest, AbortStopsASatelliteInTheMiddleOfItsSearch) {
    LoadFixture("iss.tle");
    PassSearchParameters p = Loose();
    const JD1900 start = Shown().currentJD;
    Duration(start, start + 20.0, p);
    RecordingListener full;
    PassSearch(p, full);
    const std::size_t all = PassList().passes.size();
    ASSERT_GT(all, 20u);

    RecordingListener listener;
    listener.onEvents = [](int) { RequestPassSearchAbort(); };
    const PassSearchResult result = PassSearch(p, listener);
    EXPECT_EQ(result.outcome, PassSearchOutcome::Aborted);
    EXPECT_EQ(listener.eventsProcessed, 1);
    EXPECT_LT(PassList().passes.size(), all / 2);
}

// The engine keeps to the dialog's limits whatever it is handed.
TEST_F(PassSearchTest, SearchNeverRunsBeyondItsLimits) {
    LoadFixture("iss.tle");
    PassSearchParameters p = Loose(std::numeric_limits<int>::max());
    p.minAltitudeDeg = 80.0;
    RecordingListener listener;
    const PassSearchResult nights = PassSearch(p, listener);
    EXPECT_EQ(nights.nightsSearched + static_cast<int>(nights.nightsWithoutDarkness.size()),
              kMaxSearchNights);

    const JD1900 start = Shown().currentJD;
    p.minAltitudeDeg = 60.0;
    Duration(start, start + 3650.0, p);
    PassSearch(p, listener);
    ASSERT_FALSE(PassList().passes.empty());
    for (const PassRecord& pass : PassList().Records())
        EXPECT_LE(pass.time, start + kMaxSearchMinutes / 1440.0 + 1e-9);
}

// Before 1900 and after 2173 the time field changes width or sign: the list stays in
// time order, its columns in place and its keys readable.
TEST_F(PassSearchTest, ListReadableAndSortedInEveryCentury) {
    std::string still = issLine1_;
    still.replace(33, 10, " .00000000");  // no drag over the centuries
    still.replace(44, 8, " 00000-0");
    still.replace(53, 8, " 00000-0");
    for (const JD1900 start : {-5.3, 99999.6, -693500.2, 2900000.4}) {
        SCOPED_TRACE(start);
        ResetSatelliteTable();
        LoadTextAndSelectEverySatellite("ISS\r\n" + still + "\r\n" + issLine2_ + "\r\n" +
                                        "ISS 2\r\n" + still + "\r\n" + issLine2_ + "\r\n");
        PassSearchParameters p = Loose();
        Duration(start, start + 1.5, p);
        Search(p);
        const PassListState& list = PassList();
        ASSERT_GE(list.passes.size(), 4u);
        for (std::size_t j = 0; j < list.passes.size(); ++j) {
            if (j > 0) {
                EXPECT_LE(list.passes[j - 1].time, list.passes[j].time);
            }
            const std::string line = list.Line(j);
            FormatDateTime1900(list.passes[j].time);
            EXPECT_EQ(CharSlice(line, 25, 8), TimeText) << line;
            EXPECT_EQ(CharSlice(line, 40, 1), "°") << line;
            EXPECT_EQ(CharCount(line), 73u) << line;
        }
    }
}

// Daytime positions of the ISS above the horizon are sunlit.
TEST_F(PassSearchTest, SatelliteOnTheDaySideIsNeverInTheShadow) {
    LoadFixture("iss.tle");
    Place().setLatitude(50.0);
    int daytime = 0;
    for (int minute = 0; minute < 2 * 1440; ++minute) {
        const SatObservation seen =
            ObserveSelected(0, Shown().currentJD + minute / 1440.0, PlaceOf(Place()));
        if (seen.altitudeDeg < 0.0 || seen.sunAltitudeDeg < 10.0) continue;
        ++daytime;
        EXPECT_GE(seen.shadowDepthKm, 0.0) << minute;
    }
    EXPECT_GT(daytime, 10);
}

// The direction of motion is that of the two positions 10 s apart: the angle from the
// way up (towards the zenith) to the motion, counted towards increasing azimuth; it
// goes smoothly through 90 or 270 degrees at culmination.
TEST_F(PassSearchTest, DirectionOfMotionFollowsTwoIndependentPositions) {
    LoadFixture("iss.tle");
    PassSearchParameters p = Loose(2);
    Search(p);
    const std::vector<PassRecord> passes = PassList().Records();
    ASSERT_GE(passes.size(), 3u);
    auto unit = [](double northAzimuthDeg, double altitudeDeg) {
        const double A = northAzimuthDeg * kDegToRad, h = altitudeDeg * kDegToRad;
        return std::array<double, 3>{std::cos(h) * std::cos(A), std::cos(h) * std::sin(A),
                                     std::sin(h)};
    };
    int checked = 0;
    for (const PassRecord& pass : passes) {
        for (int s = -120; s <= 120; s += 15) {
            const JD1900 t = pass.time + s / 86400.0;
            const SatObservation a = ObserveSelected(0, t, PlaceOf(Place()));
            const SatObservation b = ObserveSelected(0, t + 10.0 / 86400.0, PlaceOf(Place()));
            if (a.altitudeDeg < 5.0 || a.altitudeDeg > 85.0) continue;
            const double A = (a.azimuthDeg + 180.0) * kDegToRad, h = a.altitudeDeg * kDegToRad;
            const auto p1 = unit(a.azimuthDeg + 180.0, a.altitudeDeg);
            const auto p2 = unit(b.azimuthDeg + 180.0, b.altitudeDeg);
            const double up[3] = {-std::sin(h) * std::cos(A), -std::sin(h) * std::sin(A),
                                  std::cos(h)};
            const double side[3] = {-std::sin(A), std::cos(A), 0.0};
            double du = 0.0, ds = 0.0;
            for (int i = 0; i < 3; ++i) {
                du += (p2[i] - p1[i]) * up[i];
                ds += (p2[i] - p1[i]) * side[i];
            }
            const double expected = std::atan2(ds, du) * kRadToDeg;
            const double got = MotionDirection(Satellites().SelectedOrbit(0), PlaceOf(Place()),
                                               a.altitudeDeg, a.azimuthDeg, t);
            EXPECT_NEAR(std::remainder(got - expected, 360.0), 0.0, 0.5) << s;
            ++checked;
        }
    }
    EXPECT_GT(checked, 20);
}

}  // namespace
