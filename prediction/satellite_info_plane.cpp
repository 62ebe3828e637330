#include "prediction/satellite_info_plane.h"

#include <cmath>

#include "core/constants.h"
#include "core/observing_place.h"
#include "satellite/anomaly.h"

namespace {

constexpr double kEarthTurnDegMin = 0.250684477;  // the Earth's rotation, degrees per minute

// Into (-180, 180].
double HalfTurn(double degrees) {
    double value = std::fmod(degrees, 360.0);
    if (value <= -180.0) value += 360.0;
    if (value > 180.0) value -= 360.0;
    return value;
}

// value mod 360 through the fraction of value/360: a negative value stays negative.
double SignedMod360(double value) { return FracPart(value / 360.0) * 360.0; }

}  // namespace

OrbitPlanePassage ComputeOrbitPlanePassage(const OrbitPlaneInput& in) {
    OrbitPlanePassage passage;
    const double phi = in.latitudeDeg * kDegToRad;
    const double u = std::atan(kEarthAxisRatio * std::tan(phi));
    const double rhoC = std::cos(u) + in.heightM * std::cos(phi) / kEarthRadiusM;
    const double rhoS = kEarthAxisRatio * std::sin(u) + in.heightM * std::sin(phi) / kEarthRadiusM;
    const double s = (rhoS / rhoC) / std::tan(in.inclinationDeg * kDegToRad);
    // An observer on the equator under an equatorial orbit gives 0/0: no single
    // crossing either, so it counts as no passage.
    if (!(std::fabs(s) < 1.0)) {
        passage.north = rhoS > 0.0;
        return passage;
    }
    passage.passes = true;
    const double beta = std::asin(s) * kRadToDeg;
    const double r = HalfTurn(in.longitudeDeg - beta);
    const double q = HalfTurn(in.longitudeDeg + beta + 180.0);

    double deltaM = MeanAnomalyOfTrue(in.argumentOfLatitude - in.perigeeRad, in.eccentricity) -
                    MeanAnomalyOfTrue(-in.perigeeRad, in.eccentricity);
    if (deltaM < -kPi) deltaM += kTwoPi;
    passage.lastNode = in.instant - deltaM / (kTwoPi * in.meanMotionRevDay);

    const double greenwichHours =
        LocalSiderealTime(in.longitudeDeg, passage.lastNode) - in.longitudeDeg / 15.0;
    const double nodeLongitude = in.nodeRad * kRadToDeg - 15.0 * greenwichHours;
    const double relativeTurn = kEarthTurnDegMin - in.nodeRateRadMin * kRadToDeg;
    const double ascendingMin = SignedMod360(360.0 - r + nodeLongitude) / relativeTurn;
    const double descendingMin = SignedMod360(360.0 - q + nodeLongitude) / relativeTurn;
    passage.ascending = passage.lastNode + ascendingMin / 1440.0;
    passage.descending = passage.lastNode + descendingMin / 1440.0;
    return passage;
}

std::string OrbitPlaneMessage(const OrbitPlanePassage& passage, const ObservingPlace& place) {
    if (!passage.passes)
        return std::string("Kein Durchgang durch die Bahnebene\n\nBeobachtungsort zu weit ") +
               (passage.north ? "nördlich" : "südlich") + "\ndes Äquators";
    const std::string date = DateText, time = TimeText;
    std::string text = place.placeName + " passiert die Bahnebene\n\nbeim aufsteigenden Knoten\n";
    FormatDateTime1900(passage.ascending, place.zoneOffsetAt(passage.ascending));
    text += "am " + DateText + " um " + TimeText + place.zoneNameAt(passage.ascending) +
            "\n\nbeim absteigenden Knoten\n";
    FormatDateTime1900(passage.descending, place.zoneOffsetAt(passage.descending));
    text += "am " + DateText + " um" + TimeText + place.zoneNameAt(passage.descending) + "\n";
    DateText = date;
    TimeText = time;
    return text;
}
