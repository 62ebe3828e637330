// The pass prediction dialog inside the program's window set: settings lines 11-15,
// change handlers, the night and duration displays, the raised Sun limit, and a
// search started with "OK" that fills the pass list window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "app/program.h"
#include "catalog/settings_file.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "prediction/night_window.h"
#include "prediction/pass_dialog_display.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_search.h"
#include "satellite/loaded_elements.h"
#include "satellite/satellite_table.h"
#include "support/observer_place.h"
#include "support/satellite_selection.h"
#include "support/test_paths.h"
#include "support/ui/pass_list_lines.h"
#include "support/ui/pass_search_end.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/satellites/element_update_dialog.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/sky/main_window.h"
#include "ui/sky/main_window_interaction.h"

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;

// The shipped settings file with lines 11-15 replaced.
std::string SettingsWithPassLines(const std::vector<std::string>& passLines) {
    std::istringstream in(testsupport::ShippedSettingsText());
    std::string out, line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (n >= 11 && n <= 15 && static_cast<std::size_t>(n - 11) < passLines.size())
            line = passLines[static_cast<std::size_t>(n - 11)];
        out += line + "\r\n";
    }
    return out;
}

class PassDialogTest : public testsupport::ProgramWindowsTest {
  protected:
    // The windows, with the settings file's pass lines as given (none: as shipped).
    void Start(const std::vector<std::string>& passLines = {}, const std::string& folder = "run") {
        work = dir / folder;
        fs::create_directories(work);
        StartWindows(work, SettingsWithPassLines(passLines));
        dialog = AppWindows().passDialog;
        passListWindow = AppWindows().passListWindow;
    }
    // Berlin, summer time, at a local date and time.
    static void Place(double lon, double lat, double zone, int y, int m, int d, double hour) {
        testsupport::PlaceObserver("Berlin", lon, lat, 40, zone);
        ::Place().zoneName = " MESZ";
        testsupport::SetObserverLocalTime(y, m, d, hour);
    }
    void SelectFixture(const char* name) {
        testsupport::LoadPassFixtureAndSelectEverySatellite(name, work);
    }
    static std::string Shown(const QLineEdit* date, const QLineEdit* time) {
        return (date->text() + " " + time->text()).toStdString();
    }
    static std::string Formatted(JD1900 t) {
        FormatDateTime1900(t);
        const std::string text = DateText + " " + TimeText;
        FormatDateTime1900(::Shown().currentJD);
        return text;
    }

    fs::path work;
    PassDialog* dialog = nullptr;
    PassListWindow* passListWindow = nullptr;
};

TEST_F(PassDialogTest, ControlsAsShippedSettingsGiveThem) {
    Start();
    EXPECT_EQ(dialog->windowTitle(), "Durchgänge berechnen");
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->daysField()->text(), "1");
    EXPECT_EQ(dialog->minAltitudeField()->text(), "10");
    EXPECT_EQ(dialog->maxSunField()->text(), "-5");
    EXPECT_EQ(dialog->magnitudeField()->text(), "6");
    EXPECT_EQ(dialog->daysLabel()->text(), "Anzahl Tage");
    EXPECT_TRUE(dialog->shadowBox()->isChecked());
    EXPECT_TRUE(dialog->firstHalfBox()->isChecked());
    EXPECT_TRUE(dialog->secondHalfBox()->isChecked());
    EXPECT_FALSE(dialog->durationBox()->isChecked());
    EXPECT_FALSE(dialog->brightestBox()->isChecked());
    EXPECT_FALSE(dialog->fromDateField()->isEnabled());
    EXPECT_FALSE(dialog->toDateField()->isEnabled());
    EXPECT_FALSE(dialog->toTimeField()->isEnabled());
    EXPECT_TRUE(dialog->okButton()->isDefault());
    EXPECT_EQ(dialog->fromZoneLabel()->text().toStdString(), ::Place().zoneName);
    EXPECT_TRUE(dialogs->Calls().empty());  // nothing computed or shown at creation
}

TEST_F(PassDialogTest, SettingsLinesElevenToFifteenSetTheFields) {
    struct Case {
        std::vector<std::string> lines;
        bool shadow, first, second, duration, brightest;
        const char* daysLabel;
    };
    const Case cases[] = {
        {{"5", "15", "-8", "4.5", "10100"}, true, false, true, false, false, "Anzahl Tage"},
        // Without the second half the first one is on whatever digit 2 says.
        {{"3", "10", "-5", "6", "00000"}, false, true, false, false, false, "Anzahl Tage"},
        {{"2", "10", "-5", "6", "01001"}, false, true, false, false, true, "Anzahl Tage"},
        // The duration switch rewrites the field; line 11 comes back afterwards.
        {{"7", "20", "-12", "3", "11110"}, true, true, true, true, false, "Dauer (Min)"},
        {{"4", "10", "-5", "6", "1x1"}, true, false, true, false, false, "Anzahl Tage"},
    };
    int run = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines[4]);
        ResetSettings();
        Start(c.lines, "run" + std::to_string(++run));
        EXPECT_EQ(dialog->daysField()->text().toStdString(), c.lines[0]);
        EXPECT_EQ(dialog->minAltitudeField()->text().toStdString(), c.lines[1]);
        EXPECT_EQ(dialog->maxSunField()->text().toStdString(), c.lines[2]);
        EXPECT_EQ(dialog->magnitudeField()->text().toStdString(), c.lines[3]);
        EXPECT_EQ(dialog->shadowBox()->isChecked(), c.shadow);
        EXPECT_EQ(dialog->firstHalfBox()->isChecked(), c.first);
        EXPECT_EQ(dialog->secondHalfBox()->isChecked(), c.second);
        EXPECT_EQ(dialog->durationBox()->isChecked(), c.duration);
        EXPECT_EQ(dialog->brightestBox()->isChecked(), c.brightest);
        EXPECT_EQ(dialog->daysLabel()->text().toStdString(), c.daysLabel);
        EXPECT_EQ(dialog->maxSunField()->isEnabled(), !c.duration);
        EXPECT_EQ(dialog->fromDateField()->isEnabled(), c.duration);
    }
}

TEST_F(PassDialogTest, FieldsAreWrittenBackAsLinesElevenToFifteen) {
    Start();
    dialog->daysField()->setText("4");
    dialog->minAltitudeField()->setText("25");
    dialog->maxSunField()->setText("-9.5");
    dialog->magnitudeField()->setText("3");
    dialog->shadowBox()->setChecked(false);
    dialog->firstHalfBox()->click();  // off: the second stays on
    dialog->brightestBox()->setChecked(true);
    std::string error;
    ASSERT_TRUE(WriteSettingsFile("saved.cfg", ::Place(), ViewOptions(), ::Shown().currentJD,
                                  Settings(), &error))
        << error;
    std::istringstream in(testsupport::ReadTextFile(work / "saved.cfg"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        lines.push_back(line);
    }
    ASSERT_GE(lines.size(), 15u);
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 10, lines.begin() + 15),
                ElementsAre("4", "25", "-9.5", "3", "00101"));
}

TEST_F(PassDialogTest, HalfBoxesNeverBothOff) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 20);
    dialog->firstHalfBox()->click();
    EXPECT_FALSE(dialog->firstHalfBox()->isChecked());
    EXPECT_TRUE(dialog->secondHalfBox()->isChecked());
    dialog->secondHalfBox()->click();  // would clear both: the first comes back
    EXPECT_TRUE(dialog->firstHalfBox()->isChecked());
    EXPECT_FALSE(dialog->secondHalfBox()->isChecked());
    dialog->firstHalfBox()->click();
    EXPECT_TRUE(dialog->secondHalfBox()->isChecked());
    EXPECT_FALSE(dialog->firstHalfBox()->isChecked());
}

TEST_F(PassDialogTest, NightDisplayShowsTheNightOfTheChartDate) {
    Start();
    struct Case {
        double hour;  // chart time
        int evening;  // day of the evening of the first night
        bool first, second;
    };
    const Case cases[] = {{20, 27, true, true},
                          {9.5, 26, true, true},  // before noon: evening before
                          {15, 27, true, false},
                          {15, 27, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hour);
        Place(13.4, 52.5, 2, 2026, 4, 27, c.hour);
        dialog->firstHalfBox()->setChecked(c.first);
        dialog->secondHalfBox()->setChecked(c.second);
        dialog->daysField()->setText("2");
        dialog->NightDisplay();
        const double dT = DeltaT(2026) / 24.0;
        const NightWindowResult first =
            ComputeNightWindow(2026, 4, c.evening, 20, -5, c.first, c.second, ::Place());
        const NightWindowResult last =
            ComputeNightWindow(2026, 4, c.evening + 1, 20, -5, c.first, c.second, ::Place());
        EXPECT_EQ(Shown(dialog->fromDateField(), dialog->fromTimeField()), Formatted(first.start));
        EXPECT_EQ(Shown(dialog->toDateField(), dialog->toTimeField()), Formatted(last.end));
        const NightSpan span = ComputeNightSpan(2026, 4, 27, static_cast<int>(c.hour), 2, -5,
                                                c.first, c.second, ::Place());
        if (c.second && !c.first) {
            EXPECT_NEAR(std::fabs(SunHourAngle(span.start, dT, ::Place())), kPi,
                        1e-3);  // local midnight
        } else {
            EXPECT_NEAR(SunAltitudeDeg(span.start, dT, ::Place()), -5.0,
                        0.05);  // evening at the limit
        }
        if (c.first && !c.second) {
            EXPECT_NEAR(std::fabs(SunHourAngle(span.end, dT, ::Place())), kPi, 1e-3);
        } else {
            EXPECT_NEAR(SunAltitudeDeg(span.end, dT, ::Place()), -5.0, 0.05);
        }
        EXPECT_NEAR(span.end - span.start, c.first && c.second ? 1.35 : 1.17, 0.1);
        // The shared texts are the chart's instant again.
        EXPECT_EQ(DateText + " " + TimeText, Formatted(::Shown().currentJD));
    }
    EXPECT_TRUE(dialogs->Calls().empty());
}

// 27.04.2026 10:30 UT is 12:30 MESZ: by Berlin's rule the night of that evening, with a
// fixed +1 (11:30) still the night of the evening before.
TEST_F(PassDialogTest, TheDefaultNightFollowsTheLocalDateOfTheZoneRule) {
    Start();
    Place(13.4, 52.5, 1, 2026, 4, 27, 11.5);
    ::Place().zoneName = " MEZ";
    dialog->NightDisplay();
    EXPECT_EQ(dialog->fromDateField()->text(), "26.04.2026");
    EXPECT_EQ(dialog->fromZoneLabel()->text(), " MEZ");
    ::Place().zoneRule = "Europe/Berlin";
    dialog->NightDisplay();
    EXPECT_EQ(dialog->fromDateField()->text(), "27.04.2026");
    EXPECT_EQ(dialog->fromZoneLabel()->text(), " MESZ");
    EXPECT_EQ(dialog->toZoneLabel()->text(), " MESZ");
}

TEST_F(PassDialogTest, ChangeHandlersRecomputeTheNightDisplay) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 20);
    dialog->NightDisplay();
    const QString oneNight = dialog->toDateField()->text();
    dialog->daysField()->setText("3");  // "Anzahl Tage" changed
    FormatDateTime1900(::Shown().currentJD + 3);
    EXPECT_EQ(dialog->toDateField()->text().toStdString(), DateText);
    EXPECT_NE(dialog->toDateField()->text(), oneNight);
    const QString darkStart = dialog->fromTimeField()->text();
    dialog->maxSunField()->setText("-12");  // later evening
    EXPECT_GT(dialog->fromTimeField()->text(), darkStart);
    dialog->daysField()->setText("x");  // not a number: the display keeps its texts
    EXPECT_EQ(dialog->fromTimeField()->text().isEmpty(), false);
    EXPECT_TRUE(dialogs->Calls().empty());
}

TEST_F(PassDialogTest, DurationModeShowsOneHourAfterFrom) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 20);
    dialog->NightDisplay();
    dialog->durationBox()->setChecked(true);
    EXPECT_EQ(dialog->daysLabel()->text(), "Dauer (Min)");
    EXPECT_EQ(dialog->daysField()->text(), "60");
    EXPECT_TRUE(dialog->fromDateField()->isEnabled());
    EXPECT_TRUE(dialog->fromTimeField()->isEnabled());
    EXPECT_FALSE(dialog->maxSunField()->isEnabled());
    EXPECT_FALSE(dialog->firstHalfBox()->isEnabled());
    EXPECT_FALSE(dialog->secondHalfBox()->isEnabled());

    dialog->fromDateField()->setText("1.5.26");
    dialog->fromTimeField()->setText("22:15");
    EXPECT_EQ(dialog->fromDateField()->text(), "01.05.2026");  // rewritten in the standard form
    EXPECT_EQ(dialog->fromTimeField()->text(), "22:15:00");
    EXPECT_EQ(dialog->toDateField()->text(), "01.05.2026");
    EXPECT_EQ(dialog->toTimeField()->text(), "23:15:00");
    const JD1900 start = JulianDay1900(2026, 5, 1) + (22.25 - 2) / 24.0;
    EXPECT_NEAR(PassWindow().windowStart, start, 1e-9);
    EXPECT_NEAR(PassWindow().windowEnd, start + 60 / 1440.0, 1e-9);
    dialog->daysField()->setText("150");
    EXPECT_EQ(dialog->toDateField()->text(), "02.05.2026");
    EXPECT_EQ(dialog->toTimeField()->text(), "00:45:00");
    dialog->fromTimeField()->setText("25:00");  // unreadable: the fields keep their texts
    EXPECT_EQ(dialog->toTimeField()->text(), "00:45:00");

    dialog->durationBox()->setChecked(false);
    EXPECT_EQ(dialog->daysLabel()->text(), "Anzahl Tage");
    EXPECT_EQ(dialog->daysField()->text(), "1");
    EXPECT_FALSE(dialog->fromDateField()->isEnabled());
    EXPECT_TRUE(dialog->maxSunField()->isEnabled());
    EXPECT_EQ(dialog->fromDateField()->text(), "27.04.2026");  // the night display again
    EXPECT_EQ(dialog->toDateField()->text(), "28.04.2026");
}

// By Berlin's rule: a "von" time the spring change skips stays as typed and the search
// refuses it; the repeated autumn hour is taken in MESZ with a notice.
TEST_F(PassDialogTest, DurationStartAcrossTheChangesOfSummerTime) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 20);
    ::Place().zoneRule = "Europe/Berlin";
    SelectFixture("iss.tle");
    dialog->durationBox()->setChecked(true);
    dialog->fromDateField()->setText("29.03.2026");
    dialog->fromTimeField()->setText("02:30:00");
    EXPECT_EQ(dialog->fromTimeField()->text(), "02:30:00");
    dialogs->Clear();
    EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Failed);
    ASSERT_EQ(dialogs->Messages().size(), 1);
    EXPECT_TRUE(dialogs->Messages()[0].startsWith(QStringLiteral("Zeitumstellung|")));

    dialog->fromDateField()->setText("25.10.2026");
    EXPECT_EQ(dialog->fromZoneLabel()->text(), " MESZ");
    EXPECT_EQ(dialog->toZoneLabel()->text(), " MEZ");  // an hour on: 02:30 again, in MEZ
    EXPECT_NEAR(PassWindow().windowStart, JulianDay1900(2026, 10, 25) + 0.5 / 24.0, 1e-9);
}

TEST_F(PassDialogTest, SunLimitRaisedAtSixtyFourNorthInMidsummer) {
    Start();
    Place(20.0, 64.0, 2, 2026, 6, 21, 20);
    dialog->show();  // showing computes the night display
    const std::vector<testsupport::DialogCall> messages =
        dialogs->CallsOf(testsupport::DialogKind::Message);
    ASSERT_FALSE(messages.empty());
    for (const testsupport::DialogCall& m : messages)
        EXPECT_EQ(m.caption, "max Sonnenhöhe zu klein");
    EXPECT_EQ(messages.back().text, "neue maximale Sonnenhöhe " + dialog->maxSunField()->text());
    double limit = 0;
    ASSERT_TRUE(numtext::ParseReal(dialog->maxSunField()->text().toStdString(), limit));
    EXPECT_NEAR(limit, -2.56, 0.02);
    EXPECT_NEAR(limit * 100, std::round(limit * 100), 1e-6);  // two decimals
    // The new limit is the Sun's lowest altitude: the window closes about local midnight.
    const double dT = DeltaT(2026) / 24.0;
    const NightSpan span = ComputeNightSpan(2026, 6, 21, 20, 1, -5, true, true, ::Place());
    EXPECT_EQ(span.limitDeg, limit);
    const JD1900 midnight =
        LowerTransitAfter(JulianDay1900(2026, 6, 21) + 10 / 24.0, dT, ::Place());
    EXPECT_NEAR(span.start, midnight, 0.05);
    EXPECT_NEAR(span.end, midnight, 0.05);
    EXPECT_NEAR(SunAltitudeDeg(midnight, dT, ::Place()), limit, 0.05);
    EXPECT_EQ(Shown(dialog->fromDateField(), dialog->fromTimeField()), Formatted(span.start));
    EXPECT_EQ(Shown(dialog->toDateField(), dialog->toTimeField()), Formatted(span.end));
    dialog->hide();
}

// The midnight Sun: the limit is raised only to the horizon, and the search names the
// night without darkness and lists no pass.
TEST_F(PassDialogTest, MidnightSunRaisesTheLimitToTheHorizonAndTheSearchNamesTheNight) {
    Start();
    Place(20.0, 70.0, 2, 2026, 6, 21, 20);
    SelectFixture("visual10.tle");
    dialog->show();
    EXPECT_EQ(dialog->maxSunField()->text(), "0");
    EXPECT_EQ(dialogs->Messages().back(), "max Sonnenhöhe zu klein|neue maximale Sonnenhöhe 0");
    dialogs->Clear();
    EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Finished);
    EXPECT_TRUE(PassList().passes.empty());
    EXPECT_THAT(
        dialogs->Messages(),
        ElementsAre(QString::fromUtf8("kein dunkler Himmel|Kein dunkler Himmel in der Nacht "
                                      "vom 21.06.2026: die Sonne sinkt nicht unter 0°."),
                    QString::fromUtf8(kNoPassesCaption) + "|" + kNoPassesText));
}

// The raised limit lies above the Sun's lowest altitude: the search that follows has
// a short window about local midnight and lists the passes in it.
TEST_F(PassDialogTest, RaisedSunLimitLeavesAWindowTheSearchFindsPassesIn) {
    for (const double latitude : {64.0, 66.0}) {
        SCOPED_TRACE(latitude);
        Start({}, "lat" + std::to_string(latitude));
        Place(18.96, latitude, 2, 2026, 6, 21, 20);
        fs::copy_file(testsupport::DataPath("visual-2026-04.tle"), work / "visual.tle");
        ASSERT_TRUE(LoadElementFile("visual.tle").opened);
        testsupport::SelectEverySatellite();
        dialog->show();
        ASSERT_FALSE(dialogs->Messages().isEmpty());
        EXPECT_EQ(dialogs->Messages().back(), "max Sonnenhöhe zu klein|neue maximale Sonnenhöhe " +
                                                  dialog->maxSunField()->text());
        double limit = 0;
        ASSERT_TRUE(numtext::ParseReal(dialog->maxSunField()->text().toStdString(), limit));
        const double dT = DeltaT(2026) / 24.0;
        const JD1900 midnight =
            LowerTransitAfter(JulianDay1900(2026, 6, 21) + 10 / 24.0, dT, ::Place());
        EXPECT_GT(limit, SunAltitudeDeg(midnight, dT, ::Place()));
        EXPECT_LT(limit, SunAltitudeDeg(midnight, dT, ::Place()) + 0.02);

        dialogs->Clear();
        EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Finished);
        const PassWindowState& night = PassWindow();
        EXPECT_LT(night.windowStart, midnight);
        EXPECT_GT(night.windowEnd, midnight);
        EXPECT_LT(night.windowEnd - night.windowStart, 0.05);
        const PassListState& list = PassList();
        EXPECT_FALSE(list.passes.empty()) << dialogs->Messages().join("\n").toStdString();
        for (const PassRecord& pass : list.Records()) {
            EXPECT_GE(pass.time, night.windowStart - 1e-6);
            EXPECT_LE(pass.time, night.windowEnd + 1e-6);
            EXPECT_GE(pass.altitudeDeg, 10.0);
        }
        dialog->hide();
    }
}

TEST_F(PassDialogTest, PolarNightWindowRunsFromNoonToNoon) {
    Start();
    Place(20.0, 75.0, 1, 2026, 12, 21, 20);
    dialog->daysField()->setText("2");
    dialog->NightDisplay();
    EXPECT_TRUE(dialogs->Calls().empty());
    const double dT = DeltaT(2026) / 24.0;
    const SunTransit first =
        SunTransitNear(JulianDay1900(2026, 12, 21) + 11 / 24.0, dT, -5, ::Place());
    const SunTransit last =
        SunTransitNear(JulianDay1900(2026, 12, 23) + 11 / 24.0, dT, -5, ::Place());
    EXPECT_EQ(Shown(dialog->fromDateField(), dialog->fromTimeField()), Formatted(first.transit));
    EXPECT_EQ(Shown(dialog->toDateField(), dialog->toTimeField()), Formatted(last.transit));
}

TEST_F(PassDialogTest, OkRunsTheSearchIntoThePassList) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 12);
    SelectFixture("iss.tle");
    dialog->daysField()->setText("3");
    dialog->show();
    const std::string dateBefore = DateText, timeBefore = TimeText;
    dialog->okButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(passListWindow->isVisible());
    EXPECT_EQ(testsupport::WaitForSearchEnd(dialog), PassSearchOutcome::Finished);
    const PassListState& list = PassList();
    ASSERT_GE(list.Lines().size(), 3u);
    ASSERT_EQ(testsupport::PassLineCount(*passListWindow), static_cast<int>(list.size()));
    for (int row = 0; row < testsupport::PassLineCount(*passListWindow); ++row)
        EXPECT_EQ(testsupport::PassLine(*passListWindow, row).toStdString(),
                  list.Line(static_cast<std::size_t>(row)));
    EXPECT_EQ(passListWindow->headingBar()->text().toStdString(), kDisplayHeading);
    EXPECT_EQ(passListWindow->windowTitle().toStdString(),
              " Polaride - Sichtbarkeitsbedingungen für Berlin (" +
                  std::to_string(list.Lines().size()) + " Durchgänge, SGP4/SDP4)");
    EXPECT_TRUE(AppWindows().mainWindow->showPassesAction->isEnabled());
    for (const PassRecord& pass : list.Records()) {
        EXPECT_GE(pass.altitudeDeg, 10.0);
        EXPECT_LE(pass.magnitude, 6.0);
        EXPECT_GT(pass.time, ::Shown().currentJD);
        EXPECT_LT(pass.time, ::Shown().currentJD + 3.0);
    }
    EXPECT_EQ(DateText, dateBefore);
    EXPECT_EQ(TimeText, timeBefore);
    EXPECT_TRUE(dialogs->Messages().isEmpty());
}

TEST_F(PassDialogTest, FieldsReadByTheSearchAreChecked) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 12);
    SelectFixture("iss.tle");
    struct Case {
        QLineEdit* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {dialog->minAltitudeField(), "zehn", "Polaride|'zehn' ist kein gültiger Gleitkommawert"},
        {dialog->maxSunField(), "-5,5", "Polaride|'-5,5' ist kein gültiger Gleitkommawert"},
        {dialog->magnitudeField(), "", "Polaride|'' ist kein gültiger Gleitkommawert"},
        {dialog->daysField(), "1.5", "Polaride|'1.5' ist kein gültiger Integerwert"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const QString before = c.field->text();
        c.field->setText(QString::fromUtf8(c.text));
        dialogs->Clear();
        EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Failed);
        EXPECT_THAT(dialogs->Messages(), ElementsAre(QString::fromUtf8(c.message)));
        EXPECT_FALSE(passListWindow->isVisible());
        c.field->setText(before);
    }
}

// Numbers outside the search's bounds never start a search (one that would never end,
// or one with a meaningless limit).
TEST_F(PassDialogTest, ValuesOutsideTheSearchBoundsAreRefused) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 12);
    SelectFixture("iss.tle");
    struct Case {
        bool duration;
        QLineEdit* field;
        const char* text;
        const char* named;  // the message names the field
    };
    const Case cases[] = {
        {false, dialog->daysField(), "2147483647", "Anzahl Tage"},
        {false, dialog->daysField(), "0", "Anzahl Tage"},
        {false, dialog->daysField(), "367", "Anzahl Tage"},
        {true, dialog->daysField(), "44641", "Dauer"},
        {true, dialog->daysField(), "-60", "Dauer"},
        {false, dialog->minAltitudeField(), "200", "minimale Satellitenhöhe"},
        {false, dialog->maxSunField(), "91", "maximale Sonnenhöhe"},
        {false, dialog->magnitudeField(), "1e300", "Grenzhelligkeit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        dialog->durationBox()->setChecked(c.duration);
        if (c.duration) {
            dialog->fromDateField()->setText("27.04.2026");
            dialog->fromTimeField()->setText("22:00");
        }
        const QString before = c.field->text();
        c.field->setText(QString::fromUtf8(c.text));
        dialogs->Clear();
        EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Failed);
        ASSERT_EQ(dialogs->Messages().size(), 1);
        EXPECT_TRUE(dialogs->Messages()[0].startsWith(QString::fromUtf8("Ungültige Eingabe|")));
        EXPECT_TRUE(dialogs->Messages()[0].contains(QString::fromUtf8(c.named)))
            << dialogs->Messages()[0].toStdString();
        EXPECT_FALSE(passListWindow->isVisible());
        EXPECT_FALSE(PassSearchActive());
        c.field->setText(before);
        dialog->durationBox()->setChecked(false);
    }
}

TEST_F(PassDialogTest, NoPassesHideTheListAndDisableShowPass) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 12);
    SelectFixture("iss.tle");
    AppWindows().mainWindow->showPassesAction->setEnabled(true);
    Tracking().trackedSatellite = 0;
    dialog->minAltitudeField()->setText("89.9");
    dialogs->Clear();
    EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Finished);
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre(QString::fromUtf8(
                    "keine Durchgänge|Für die ausgewählten Satelliten gibt es keine Durchgänge")));
    EXPECT_FALSE(passListWindow->isVisible());
    EXPECT_FALSE(AppWindows().mainWindow->showPassesAction->isEnabled());
    EXPECT_EQ(Tracking().trackedSatellite, -1);
}

TEST_F(PassDialogTest, SecondSearchWhileOneRunsIsRefused) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 12);
    SelectFixture("iss.tle");
    std::vector<PassSearchTask::Start> inner;
    // The user reopens the dialog and presses "OK" while the first search runs.
    QTimer::singleShot(0, dialog, [&] {
        dialog->show();
        inner.push_back(dialog->RunSearch());
    });
    EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Finished);
    ASSERT_THAT(inner, ElementsAre(PassSearchTask::Start::Refused));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_GE(testsupport::PassLineCount(*passListWindow), 1);
    EXPECT_FALSE(PassSearchActive());
}

TEST(PassDialogDisplay, RaisedLimitIsTheNextHundredthAboveTheLowestAltitudeAtMostTheHorizon) {
    struct Case {
        double declination, latitude, expected;
    };
    const Case cases[] = {{23.445, 66.0, -0.55}, {23.436, 66.5, -0.06}, {-23.437, -66.0, -0.56},
                          {10.0, 75.0, -4.99},   {20.0, 66.0, -3.99},   {-12.345, 68.0, -34.34},
                          {23.44, 66.56, 0.0},   {23.445, 70.0, 0.0},   {-23.437, -70.0, 0.0},
                          {-23.3, -77.85, 0.0}};
    for (const Case& c : cases)
        EXPECT_NEAR(RaisedSunLimitDeg(c.declination, c.latitude), c.expected, 1e-9)
            << c.declination << " " << c.latitude;
}

}  // namespace

namespace {

TEST_F(PassDialogTest, DurationModeSearchesTheWindowFromVon) {
    Start();
    Place(13.4, 52.5, 2, 2026, 4, 27, 12);
    SelectFixture("iss.tle");
    dialog->durationBox()->setChecked(true);
    dialog->fromDateField()->setText("27.04.2026");
    dialog->fromTimeField()->setText("12:00:00");
    dialog->daysField()->setText("2880");  // two days, daylight included
    const JD1900 start = JulianDay1900(2026, 4, 27) + 10 / 24.0;
    EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Finished);
    EXPECT_NEAR(PassWindow().windowStart, start, 1e-9);
    EXPECT_NEAR(PassWindow().windowEnd, start + 2.0, 1e-9);
    const PassListState& list = PassList();
    ASSERT_FALSE(list.passes.empty());
    bool daylight = false;
    for (const PassRecord& pass : list.Records()) {
        EXPECT_GE(pass.time, start);
        EXPECT_LE(pass.time, start + 2.0);
        daylight = daylight || pass.sunAltitudeDeg > 0.0;
    }
    EXPECT_EQ(testsupport::PassLineCount(*passListWindow), static_cast<int>(list.size()));
    // An unreadable "von" time ends the search before it starts.
    dialog->fromTimeField()->setText("12.00");
    dialogs->Clear();
    EXPECT_EQ(testsupport::SearchToEnd(dialog), PassSearchOutcome::Failed);
    EXPECT_THAT(dialogs->Messages(),
                ElementsAre(QString::fromUtf8("Polaride|'12.00' ist keine gültige Zeit")));
    passListWindow->ClearPasses();
    EXPECT_EQ(testsupport::PassLineCount(*passListWindow), 0);
    EXPECT_TRUE(daylight);  // the Sun is not tested in duration mode
}

}  // namespace

namespace {

TEST_F(PassDialogTest, ElementsOlderThanFourteenDaysAreNamedWithTheUpdateButton) {
    Start();
    SelectFixture("iss.tle");  // epoch 27.04.2026
    struct Case {
        int month, day;
        bool warned;
    } cases[] = {{4, 28, false}, {5, 20, true}, {4, 28, false}, {4, 5, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        Place(13.4, 52.5, 2, 2026, c.month, c.day, 20);
        dialog->NightDisplay();
        EXPECT_EQ(dialog->elementAgeLabel()->isVisibleTo(dialog), c.warned);
        EXPECT_EQ(dialog->updateElementsButton()->isVisibleTo(dialog), c.warned);
    }
    Place(13.4, 52.5, 2, 2026, 5, 20, 20);
    dialog->NightDisplay();
    EXPECT_THAT(dialog->elementAgeLabel()->text().toStdString(),
                HasSubstr("Die Elemente von 1 ausgewählten Satelliten sind älter als 14 Tage"));
    Place(13.4, 52.5, 2, 2026, 4, 5, 20);  // three weeks before the epoch
    dialog->NightDisplay();
    EXPECT_EQ(dialog->elementAgeLabel()->text().toStdString(),
              "Die Elemente von 1 ausgewählten Satelliten liegen bis zu 21 Tage in der Zukunft.");
    dialog->updateElementsButton()->click();
    EXPECT_TRUE(AppWindows().elementUpdateDialog->isVisible());
}

}  // namespace
