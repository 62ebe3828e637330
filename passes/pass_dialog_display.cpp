#include "passes/pass_dialog_display.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/observer_state.h"
#include "passes/search/night_window.h"

namespace {

// Splits text at `separator` into 2 or 3 unsigned integers of 1..maxDigits digits,
// blanks around the whole text allowed.
int SplitNumbers(std::string_view text, char separator, int (&parts)[3], int maxDigits) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int count = 0;
    std::size_t pos = 0;
    while (true) {
        if (count == 3) return 0;
        const std::size_t next = text.find(separator, pos);
        const std::string_view part =
            text.substr(pos, next == std::string_view::npos ? std::string_view::npos : next - pos);
        if (part.empty() || static_cast<int>(part.size()) > maxDigits) return 0;
        for (const char c : part)
            if (c < '0' || c > '9') return 0;
        std::from_chars(part.data(), part.data() + part.size(), parts[count]);
        ++count;
        if (next == std::string_view::npos) break;
        pos = next + 1;
    }
    return count;
}

bool LeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

struct Side {
    SunTransit sun;
    bool darkAllDay = false;  // the Sun stays below the limit
    bool noDarkness = false;  // the Sun never gets down to the limit
};

Side SideAt(JD1900 noon, double deltaTDays, double limitDeg) {
    Side side;
    side.sun = SunTransitNear(noon, deltaTDays, limitDeg);
    if (std::fabs(side.sun.cosH0) >= 1.0) {
        // Highest altitude of the Sun that day.
        const double highestDeg =
            90.0 - std::fabs(Observer().latitudeDeg - side.sun.declination * kRadToDeg);
        side.darkAllDay = limitDeg > highestDeg;
        side.noDarkness = !side.darkAllDay;
    }
    return side;
}

double HourAngleDays(const SunTransit& sun) {
    const double c = std::clamp(sun.cosH0, -1.0, 1.0);
    return std::acos(c) * kRadToDeg / 360.0;
}

}  // namespace

bool ParseDialogDate(std::string_view text, int& day, int& month, int& year) {
    int parts[3] = {0, 0, 0};
    if (SplitNumbers(text, '.', parts, 4) != 3) return false;
    day = parts[0];
    month = parts[1];
    year = parts[2];
    const std::size_t lastDot = text.rfind('.');
    std::string_view yearText = text.substr(lastDot + 1);
    while (!yearText.empty() && yearText.back() == ' ') yearText.remove_suffix(1);
    if (yearText.size() <= 2) year += year < 50 ? 2000 : 1900;
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int days = kDays[month - 1] + (month == 2 && LeapYear(year) ? 1 : 0);
    return day <= days;
}

bool ParseDialogTime(std::string_view text, int& hour, int& minute, int& second) {
    int parts[3] = {0, 0, 0};
    const int count = SplitNumbers(text, ':', parts, 2);
    if (count < 2) return false;
    hour = parts[0];
    minute = parts[1];
    second = count == 3 ? parts[2] : 0;
    return hour < 24 && minute < 60 && second < 60;
}

JD1900 DurationStart(int year, int month, int day, int hour, int minute, int second) {
    return JulianDay1900(year, month, day) +
           (hour + minute / 60.0 + second / 3600.0 - Observer().zoneOffsetHours) / 24.0;
}

NightSpan ComputeNightSpan(int year, int month, int day, int hour, int nights, double limitDeg,
                           bool firstHalf, bool secondHalf) {
    NightSpan span;
    if (hour < 12) --day;
    const double deltaTDays = DeltaT(year) / 24.0;
    const JD1900 noon =
        JulianDay1900(year, month, day) + (12.0 - Observer().zoneOffsetHours) / 24.0;
    const double latitudeDeg = Observer().latitudeDeg;

    auto raise = [&](Side& side, JD1900 at) {
        limitDeg = RaisedSunLimitDeg(side.sun.declination * kRadToDeg, latitudeDeg);
        span.raisedLimitsDeg.push_back(limitDeg);
        side = SideAt(at, deltaTDays, limitDeg);
    };

    // Evening of the first night. The raised limit lies above the Sun's lowest
    // altitude, so the Sun crosses it on both sides of the lower transit; the guard
    // below only keeps a degenerate day (the Sun on the horizon at a pole) finite.
    Side evening = SideAt(noon, deltaTDays, limitDeg);
    if (evening.noDarkness) raise(evening, noon);
    if (evening.darkAllDay)
        span.start = evening.sun.transit;
    else if (evening.noDarkness)
        span.start = evening.sun.transit + 0.5;
    else
        span.start =
            SecantStep(evening.sun.transit + HourAngleDays(evening.sun), limitDeg, deltaTDays);

    // Morning after the last night.
    const JD1900 lastNoon = noon + nights;
    Side morning = SideAt(lastNoon, deltaTDays, limitDeg);
    if (morning.darkAllDay) {
        span.end = morning.sun.transit;
        span.limitDeg = limitDeg;
        return span;
    }
    if (morning.noDarkness) raise(morning, lastNoon);
    if (morning.noDarkness)
        span.end = morning.sun.transit - 0.5;
    else
        span.end =
            SecantStep(morning.sun.transit - HourAngleDays(morning.sun), limitDeg, deltaTDays);

    if (firstHalf && !secondHalf) span.end = LowerTransitBefore(span.end, deltaTDays);
    if (secondHalf && !firstHalf) span.start = LowerTransitAfter(span.start, deltaTDays);
    span.limitDeg = limitDeg;
    return span;
}
