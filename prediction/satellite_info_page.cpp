#include "prediction/satellite_info_page.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/constants.h"
#include "core/latin1_text.h"
#include "prediction/satellite_info_format.h"
#include "satellite/column_number.h"

namespace {

constexpr double kMeanHeightRadiusKm = 6378.15;  // the mean height uses this radius
constexpr double kSunRateDegDay = 0.9856;

std::string Column(const std::string& line, int first, int last) {
    return std::string(ColumnText(line, first, last));
}

std::string Trimmed(std::string_view text) {
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    const auto end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

double DegPerDay(double radPerMin) { return radPerMin * (180.0 / kPi) * 1440.0; }

// Semi-major axis in Earth radii for a mean motion in revolutions per day.
double AxisER(double meanMotionRevDay) {
    return std::pow(kGravityKe / (meanMotionRevDay * kTwoPi / 1440.0), 2.0 / 3.0);
}

// The five digits of the revolution number count up to 99999 and start again at 0.
constexpr double kRevolutionCounterWrap = 100000.0;

// The launch year of the international designator (line 1 columns 10-11, below 57:
// 2000 + yy, else 1900 + yy); nullopt when the columns are not two digits.
std::optional<int> LaunchYear(const std::string& line1) {
    const std::string yy = Column(line1, 10, 11);
    if (yy.size() != 2 || !std::isdigit(static_cast<unsigned char>(yy[0])) ||
        !std::isdigit(static_cast<unsigned char>(yy[1])))
        return std::nullopt;
    const int year = (yy[0] - '0') * 10 + (yy[1] - '0');
    return year < 57 ? 2000 + year : 1900 + year;
}

// What the revolution number says about the time since the launch. A date counted back
// from it would be wrong once the counter has started again, so the page names the
// launch year and says when the counter cannot hold the revolutions since then: more
// than 100000 are possible since the launch year began, and fewer than half of those
// made at the present mean motion since it ended are counted (the mean motion of a
// decaying orbit was lower before, never by half).
std::string RevolutionsSince(std::optional<double> revolutions, double meanMotion, JD1900 epoch,
                             std::optional<int> launchYear) {
    if (!launchYear) return "Startjahr unbekannt";
    const std::string year = std::to_string(*launchYear);
    if (!revolutions) return "Start " + year;
    const double mostSinceLaunch = (epoch - JulianDay1900(*launchYear, 1, 1)) * meanMotion;
    const double leastSinceLaunch =
        std::max(0.0, (epoch - JulianDay1900(*launchYear + 1, 1, 1)) * meanMotion);
    if (mostSinceLaunch >= kRevolutionCounterWrap && *revolutions < leastSinceLaunch / 2.0)
        return "Zähler übergelaufen, seit Start " + year + " über 100000";
    return "seit Start " + year;
}

}  // namespace

std::optional<EpochFields> EpochOf(const std::string& line1, std::string* badText) {
    const auto fail = [&](std::string text) -> std::optional<EpochFields> {
        if (badText) *badText = std::move(text);
        return std::nullopt;
    };
    const auto year = ColumnNumber(line1, 19, 20);
    if (!year || *year != std::floor(*year)) return fail(Column(line1, 19, 20));
    const auto day = ColumnNumber(line1, 21, 23);
    if (!day || *day != std::floor(*day)) return fail(Column(line1, 21, 23));
    const std::string fractionText = "0" + Column(line1, 24, 32);
    const auto fraction = ParseNumber(fractionText);
    if (!fraction) return fail(fractionText);

    EpochFields epoch;
    const int yy = static_cast<int>(*year);
    epoch.year = yy < 57 ? 2000 + yy : 1900 + yy;
    epoch.dayOfYear = static_cast<int>(*day);
    epoch.fraction = *fraction;
    epoch.epoch = JulianDay1900(epoch.year, 1, epoch.dayOfYear) + epoch.fraction;
    return epoch;
}

std::string EpochText(const EpochFields& epoch) {
    const std::string date = DateText, time = TimeText;
    // The date of the epoch day in UTC, as the time after it is UTC too.
    FormatDateTime1900(JulianDay1900(epoch.year, 1, epoch.dayOfYear), 0.0);
    std::string text = DateText;
    DateText = date;
    TimeText = time;

    const double hours = epoch.fraction * 24.0;
    const int hour = IntPart(hours);
    const double minutesExact = (hours - hour) * 60.0;
    const int minute = IntPart(minutesExact);
    const double seconds = std::floor((minutesExact - minute) * 60.0 * 10.0 + 0.5) / 10.0;
    text += ' ';
    text += (hour < 10 ? " " : "") + std::to_string(hour);
    text += ':';
    text += (minute < 10 ? "0" : "") + std::to_string(minute);
    text += ':';
    text += (seconds < 10.0 ? "0" : "") + ShortestText(seconds);
    text += " UTC";
    return text;
}

std::string NdotText(const std::string& line1) {
    return Column(line1, 34, 34) + "0" + Column(line1, 35, 43);
}

InfoPage SatelliteInfoPage(const ElementSet& set, double standardMagnitude, bool magnitudeKnown,
                           const EpochOrbit& orbit, std::optional<JD1900> chartInstant) {
    InfoPage page;
    const std::string& line1 = set.line1;
    const std::string& line2 = set.line2;

    const auto epoch = EpochOf(line1, &page.badText);
    if (!epoch) return page;
    const auto meanMotion = ColumnNumber(line2, 53, 63);
    if (!meanMotion) {
        page.badText = Column(line2, 53, 63);
        return page;
    }
    const std::string ndotText = NdotText(line1);
    const auto ndot = ParseNumber(ndotText);
    if (!ndot) {
        page.badText = ndotText;
        return page;
    }
    const double n = *meanMotion;

    auto& out = page.lines;
    out.push_back(" " + Latin1ToUtf8(set.nameLine));
    out.push_back(" " + Latin1ToUtf8(line1));
    out.push_back(" " + Latin1ToUtf8(line2));
    out.emplace_back();

    std::string epochLine = " Epoche der Elemente: " + EpochText(*epoch);
    if (chartInstant) {
        const double age = *chartInstant - epoch->epoch;
        epochLine += "  (" + FixedText(std::fabs(age), 15, 1) +
                     (age >= 0.0 ? " Tage alt)" : " Tage vor der Epoche)");
    }
    out.push_back(epochLine);

    const std::string revolutionText = Column(line2, 64, 68);
    out.push_back(
        " " + Trimmed(revolutionText) + " Umläufe (" +
        RevolutionsSince(ParseNumber(revolutionText), n, epoch->epoch, LaunchYear(line1)) + ")");
    out.emplace_back();

    const double a = orbit.semiMajorAxisER;
    const double e = orbit.eccentricity;
    const double perigeeKm = RoundedTenth(((1.0 - e) * a - 1.0) * kEarthRadiusKm);
    const double apogeeKm = RoundedTenth(((1.0 + e) * a - 1.0) * kEarthRadiusKm);
    const double meanKm = RoundedTenth((a - 1.0) * kMeanHeightRadiusKm);

    out.push_back(" Bahnneigung       " + Column(line2, 9, 16) + " Grad      " +
                  "Exzentrizität 0." + Column(line2, 27, 33));
    out.push_back(" R.A.A.N           " + Column(line2, 18, 25) + " Grad      " + "Perigäum   " +
                  AlignmentBlanks(perigeeKm) + FixedText(perigeeKm, 8, 1) + " km  mag " +
                  HeightMagnitudeText(standardMagnitude, magnitudeKnown, perigeeKm));
    out.push_back(" Perigäumslänge    " + Column(line2, 35, 42) + " Grad      " + "Apogäum    " +
                  AlignmentBlanks(apogeeKm) + FixedText(apogeeKm, 8, 1) + " km  mag " +
                  HeightMagnitudeText(standardMagnitude, magnitudeKnown, apogeeKm));
    out.push_back(" Mittlere Anomalie " + Column(line2, 44, 51) + " Grad      " + "Mittelwert " +
                  AlignmentBlanks(meanKm) + FixedText(meanKm, 8, 1) + " km");
    out.emplace_back();

    const double nodeRate = DegPerDay(orbit.nodeRateRadMin);
    const double perigeeRate = DegPerDay(orbit.perigeeRateRadMin);
    const double nodePeriod = std::fabs(360.0 / (kSunRateDegDay - nodeRate));
    const double perigeePeriod = std::fabs(360.0 / perigeeRate);
    out.push_back(" Knotendrehung     " + AlignmentBlanks(nodePeriod) +
                  FixedText(nodePeriod, 8, 1) + " Tage " + SignAndAlignment(nodeRate, 2) +
                  FixedText(nodeRate, 8, 6) + " °/Tag");
    out.push_back(" Perigäumsdrehung  " + AlignmentBlanks(perigeePeriod) +
                  FixedText(perigeePeriod, 8, 1) + " Tage " + SignAndAlignment(perigeeRate, 2) +
                  FixedText(perigeeRate, 8, 6) + " °/Tag");
    out.emplace_back();

    out.push_back(" anomalistische Umlaufzeit  " + FixedText(1440.0 / n, 8, 4) + " Minuten");
    out.push_back(" drakonitische Umlaufzeit   " +
                  FixedText(1440.0 / ((n * 360.0 + perigeeRate) / 360.0), 8, 4) + " Minuten");
    out.emplace_back();

    out.push_back(" ndot/2                  " + ndotText);
    const double periodChange = 1440.0 / (n + 2.0 * *ndot) - 1440.0 / n;
    out.push_back(" Änderung der Umlaufzeit " + std::string(periodChange > 0.0 ? " " : "") +
                  FixedText(periodChange, 8, 6) + " Minuten/Tag");
    const double sinkRate = (AxisER(n) - AxisER(n + 2.0 * *ndot)) * kEarthRadiusM;
    out.push_back(" Sinkgeschwindigkeit " + SignAndAlignment(sinkRate, 4) +
                  FixedText(sinkRate, 8, 1) + " Meter/Tag");
    out.emplace_back();
    out.push_back(" Bahnmodell              " + std::string(OrbitModelName(orbit.model)));
    page.ok = true;
    return page;
}

std::string InfoCaption(int index, int count) {
    return "Satinfo   " + std::to_string(index + 1) + "/" + std::to_string(count);
}
