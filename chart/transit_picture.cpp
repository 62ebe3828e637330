#include "chart/transit_picture.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "prediction/transit_list_text.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QString TransitHeadline(const TransitApproach& approach, const std::string& timeText) {
    const std::string body = approach.body == TransitBody::Sun ? "der Sonne" : "dem Mond";
    return Text(approach.name + " vor " + body + ", " + timeText);
}

QStringList TransitMapLegend(const TransitApproach& approach, const std::string& timeText) {
    return {TransitHeadline(approach, timeText),
            Text(CentreLineWithStripText(approach) + " vom eingestellten Ort (Kreuz)")};
}

double TransitPathHalfSpanSeconds(const TransitApproach& approach) {
    const double speed = std::max(approach.angularSpeedDegS, 1e-4);
    return std::clamp(3.0 * approach.bodyRadiusDeg / speed, 0.5, 120.0);
}

TransitDiscPicture TransitDiscPictureOf(const TransitApproach& approach,
                                        const SatelliteOrbit& orbit, const GeodeticPoint& place,
                                        const std::string& timeText) {
    const double half = TransitPathHalfSpanSeconds(approach);
    // Ticks at whole tenths of a second from the closest approach on each side.
    const double halfTicks = std::floor(half * 10.0) / 10.0;
    const JD1900 from = approach.instant - halfTicks / kSecondsPerDay;
    const JD1900 to = approach.instant + halfTicks / kSecondsPerDay;
    const BodyTrack bodies(from - 1.0 / 1440.0, to + 1.0 / 1440.0);
    const TransitGeometry geometry(orbit, place, bodies);

    TransitDiscPicture picture;
    picture.body = approach.body;
    picture.bodyRadiusDeg = approach.bodyRadiusDeg;
    picture.path = PathAcrossBody(geometry, approach.body, from, to, 0.1);
    picture.closest = static_cast<std::size_t>(std::lround(halfTicks * 10.0));
    // Long ticks whole seconds before and after the closest approach.
    picture.firstWholeSecond = picture.closest % 10;

    picture.lines << TransitHeadline(approach, timeText);
    picture.lines << Text("Abstand " + GermanNumber(approach.separationDeg, 3) + "°" +
                          (approach.isTransit
                               ? ", Transit " + GermanNumber(approach.durationS, 2) + " s"
                               : ", kein Transit") +
                          ", Entfernung " + GermanNumber(approach.rangeKm, 0) + " km");
    picture.lines << Text(CentreLineWithStripText(approach));
    picture.lines << QStringLiteral(
        "Zeitmarken alle 0,1 s, lange Marken im Abstand einer Sekunde von der größten Annäherung");
    return picture;
}

std::vector<CentreLinePoint> TransitCentreLineOf(const TransitApproach& approach,
                                                 const SatelliteOrbit& orbit,
                                                 const GeodeticPoint& place, double halfSpanSeconds,
                                                 double stepSeconds) {
    const JD1900 middle =
        approach.centreLine.found ? approach.centreLine.nearest.instant : approach.instant;
    const JD1900 from = middle - halfSpanSeconds / kSecondsPerDay;
    const JD1900 to = middle + halfSpanSeconds / kSecondsPerDay;
    const BodyTrack bodies(from - 1.0 / 1440.0, to + 1.0 / 1440.0);
    const TransitGeometry geometry(orbit, place, bodies);
    return CentreLineTrack(geometry, approach.body, from, to, stepSeconds);
}
