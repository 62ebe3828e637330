// The text of the satellite information page, line by line, from the element set,
// the standard magnitude and the orbit at the epoch.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/timescale.h"
#include "satellite/orbit_model.h"
#include "satellite/satellite_table.h"

// The orbit's values at the epoch that the page needs (the propagation to its
// epoch): semi-major axis (Earth radii), eccentricity, node and perigee
// rates (radians per minute).
struct EpochOrbit {
    double semiMajorAxisER = 0.0;
    double eccentricity = 0.0;
    double nodeRateRadMin = 0.0;
    double perigeeRateRadMin = 0.0;
    OrbitModel model = OrbitModel::Sgp4;  // named on the page's last line
};

// Epoch of line 1: year columns 19-20 (below 57: 2000 + yy, else 1900 + yy), day of
// the year columns 21-23, fraction "0" + columns 24-32. nullopt when a field does not
// convert; badText then receives its text.
struct EpochFields {
    int year = 0;
    int dayOfYear = 0;
    double fraction = 0.0;
    JD1900 epoch = 0.0;  // JulianDay1900(year, 1, day) + fraction
};
std::optional<EpochFields> EpochOf(const std::string& line1, std::string* badText = nullptr);

// "dd.mm.yyyy hh:mm:ss.s UTC" part of the epoch line: the UTC date, the hour with a
// leading blank below 10, minutes with a leading "0", seconds rounded to 0.1 in
// shortest form with a leading "0" below 10. DateText and TimeText are kept.
std::string EpochText(const EpochFields& epoch);

// The ndot/2 text of line 1: column 34, "0", columns 35-43.
std::string NdotText(const std::string& line1);

struct InfoPage {
    bool ok = false;
    std::string badText;             // a number that did not convert (when !ok)
    std::vector<std::string> lines;  // UTF-8, the empty lines included
};

// The whole page. The revolution line names the launch year of the international
// designator: "(seit Start 2019)", or "(Zähler übergelaufen, seit Start 1998 über
// 100000)" when the five-digit count has started again since the launch. With the
// chart's instant the epoch line also tells how old the
// elements are then ("(20.3 Tage alt)", or "(3.0 Tage vor der Epoche)"). DateText and
// TimeText are kept.
InfoPage SatelliteInfoPage(const ElementSet& set, double standardMagnitude, bool magnitudeKnown,
                           const EpochOrbit& orbit,
                           std::optional<JD1900> chartInstant = std::nullopt);

// The window caption: "Satinfo   " + (index + 1) + "/" + count.
std::string InfoCaption(int index, int count);
