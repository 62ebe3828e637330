// The displayed instant from the computer clock: the clock's instant, shown in the zone of
// the settings file, whatever zone the computer itself is set to.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QTimeZone>

#include "support/observer_records.h"
#include "ui/common/clock.h"

namespace {

struct ClockCase {
    QDate date;
    QTime time;
    double zoneOffsetHours;
    // Expected UT: the same civil fields shifted back by the zone.
    QDate utDate;
    QTime utTime;
};

class ClockInZone : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockInZone, GivesUniversalTime) {
    const ClockCase& c = GetParam();
    ObserverRecords observer;
    observer.zoneOffsetHours = c.zoneOffsetHours;
    // The computer's zone agrees with the configured one.
    const QTimeZone computerZone(static_cast<int>(c.zoneOffsetHours * 3600.0));
    SetInstantFromClock(observer, observer, QDateTime(c.date, c.time, computerZone));

    EXPECT_EQ(observer.year, c.date.year());
    const CivilDateTime ut = CivilFromJD1900(observer.currentJD, 0.0);
    EXPECT_EQ(QDate(ut.year, ut.month, ut.day), c.utDate);
    EXPECT_EQ(QTime(ut.hour, ut.minute, ut.second), c.utTime);
    const double utHours = c.utTime.hour() + c.utTime.minute() / 60.0 + c.utTime.second() / 3600.0;
    EXPECT_NEAR(observer.currentJD,
                JulianDay1900(c.utDate.year(), c.utDate.month(), c.utDate.day()) + utHours / 24.0,
                1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClockInZone,
    testing::Values(
        // 23:30 in zone +1 is 22:30 UT of the same day.
        ClockCase{QDate(2026, 12, 8), QTime(23, 30, 0), 1.0, QDate(2026, 12, 8), QTime(22, 30, 0)},
        ClockCase{QDate(2026, 7, 1), QTime(0, 30, 0), 2.0, QDate(2026, 6, 30), QTime(22, 30, 0)},
        ClockCase{QDate(2000, 1, 1), QTime(12, 0, 0), 0.0, QDate(2000, 1, 1), QTime(12, 0, 0)},
        ClockCase{QDate(1999, 12, 31), QTime(19, 0, 0), -5.0, QDate(2000, 1, 1), QTime(0, 0, 0)},
        ClockCase{QDate(2024, 2, 29), QTime(5, 45, 30), 5.5, QDate(2024, 2, 29),
                  QTime(0, 15, 30)}));

// A computer on UTC, another abroad, the settings on MEZ: the chart opens at the
// clock's instant, shown in MEZ.
TEST(ClockInstant, ComputerZoneOtherThanTheConfiguredOneKeepsTheInstant) {
    const QDateTime utcNoon(QDate(2026, 7, 1), QTime(12, 0, 0), QTimeZone::utc());
    for (const int computerOffsetHours : {0, -5, 9}) {
        const QTimeZone zone(computerOffsetHours * 3600);
        ObserverRecords observer;
        observer.zoneOffsetHours = 1.0;
        SetInstantFromClock(observer, observer, utcNoon.toTimeZone(zone));
        EXPECT_NEAR(observer.currentJD, JulianDay1900(2026, 7, 1) + 0.5, 1e-9)
            << "computer at UTC" << computerOffsetHours;
    }
    // The year is that of the configured zone: 23:30 UT on 31 December is New Year in MEZ.
    ObserverRecords observer;
    observer.zoneOffsetHours = 1.0;
    SetInstantFromClock(observer, observer,
                        QDateTime(QDate(2026, 12, 31), QTime(23, 30, 0), QTimeZone::utc()));
    EXPECT_EQ(observer.year, 2027);
}

TEST(ClockInstant, J2000NoonIsTheReferenceDay) {
    EXPECT_DOUBLE_EQ(InstantFromCivil(2000, 1, 1, 12, 0, 0, 0.0).instant, 36525.0);
    EXPECT_DOUBLE_EQ(InstantFromCivil(2000, 1, 1, 13, 0, 0, 1.0).instant, 36525.0);
}

TEST(ClockInstant, FromDateAndTimeTextsByCharacterPositions) {
    const struct {
        const char* date;
        const char* time;
        bool ok;
    } cases[] = {
        {"08.12.2026", "23:30:00", true},  {"01.01.2000", "13:00:00", true},
        {"8.12.2026", "23:30:00", false},  {"08.12.2026", "23:30", false},
        {"0x.12.2026", "23:30:00", false}, {"", "", false},
    };
    for (const auto& c : cases) {
        CivilInstant result{-1.0, -1};
        EXPECT_EQ(InstantFromDateTimeTexts(c.date, c.time, 1.0, result), c.ok)
            << c.date << " " << c.time;
        if (!c.ok) {
            EXPECT_EQ(result.instant, -1.0) << "a failed read leaves the result";
            continue;
        }
        const QDate date = QDate::fromString(c.date, "dd.MM.yyyy");
        const QTime time = QTime::fromString(c.time, "hh:mm:ss");
        const CivilInstant expected = InstantFromCivil(
            date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), 1.0);
        EXPECT_DOUBLE_EQ(result.instant, expected.instant);
        EXPECT_EQ(result.year, date.year());
    }
}

}  // namespace
