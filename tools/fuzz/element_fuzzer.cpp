// libFuzzer target: arbitrary bytes as an element file, then every loaded set (up to
// a bound) propagated and observed, the first two input lines propagated directly,
// the loaded sets run through the pass search over a short window with every option
// on, and the same bytes given to the OMM converter and to the check of a downloaded
// answer (which must take only what the loader takes whole). Nothing may crash, hang or touch
// memory it does not own; the search's work per set is bounded (libFuzzer's -timeout catches a set
// that stalls it).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "prediction/night_window.h"
#include "prediction/pass_search.h"
#include "satellite/element_records.h"
#include "satellite/magnitude_table.h"
#include "satellite/observation.h"
#include "satellite/omm_csv.h"
#include "satellite/propagation.h"
#include "satellite/satellite_table.h"
#include "satellite/satellites_at_instant.h"

namespace {

constexpr int kMaxObserved = 20;

void SelectFirstRows(int count) {
    SatelliteTable& t = Satellites();
    t.selectedSets.clear();
    t.selectedRows.clear();
    for (int row = 1; row <= count; ++row) {
        const ElementSet set = t.Row(row);
        t.selectedSets.insert(t.selectedSets.end(), {set.nameLine, set.line1, set.line2});
        t.selectedRows.push_back(std::to_string(row));
        t.flareCapable[static_cast<std::size_t>(row)] = static_cast<std::uint8_t>(row % 2);
    }
    t.selectedCount = count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool once = [] {
        ResetMagnitudeTable();
        SatelliteMagnitudeTable& m = MagnitudeTable();
        for (int i = 0; i < 5; ++i)
            m.entries[static_cast<std::size_t>(m.count++)] = {i * 10000.0, i * 1.0};
        Place().longitudeDeg = 13.4;
        Place().setLatitude(52.5);
        Shown().currentJD = 46100.5;
        Shown().year = 2026;
        return true;
    }();
    (void)once;
    const std::string text(reinterpret_cast<const char*>(data), size);

    // The first two lines on their own.
    {
        const std::size_t first = text.find('\n');
        const std::string line1 = text.substr(0, first);
        const std::string line2 =
            first == std::string::npos
                ? std::string()
                : text.substr(first + 1, text.find('\n', first + 1) - first - 1);
        for (const OrbitModel model : {OrbitModel::Sgp4, OrbitModel::Sgp}) {
            const SatelliteOrbit orbit = PrepareOrbit(line1, line2, model);
            Propagate(orbit, orbit.elements.epoch);
            Propagate(orbit, orbit.elements.epoch + 3.7);
            Propagate(orbit, 46100.5);
        }
    }

    // The OMM converter on the bytes as they are and behind a header line, and the
    // answer check: an answer it takes loads as that many sets without a note.
    ConvertOmmCsv(text);
    const OmmConversion omm = ConvertOmmCsv(
        "OBJECT_NAME,NORAD_CAT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
        "ARG_OF_PERICENTER,MEAN_ANOMALY,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\n" +
        text);
    if (omm.records > 0 && !CheckElementAnswer(omm.elementText).Taken()) std::abort();
    const ElementAnswerCheck answer = CheckElementAnswer(text);

    std::istringstream in(text);
    const LoadResult load = LoadElementStream(in);
    if (answer.Taken() && (load.satelliteCount != answer.sets || !load.noticeText.empty()))
        std::abort();
    const int count = load.satelliteCount < kMaxObserved ? load.satelliteCount : kMaxObserved;
    SelectFirstRows(count);
    Shown().currentJD = 46100.5;
    ObserveSelectedSatellites(Shown().currentJD, PlaceOf(Place()));
    for (int k = 0; k < count; ++k) {
        ObserveSelected(k, 46100.5 + k * 0.01, PlaceOf(Place()));
        PositionLine(k, Shown().currentJD, PlaceOf(Place()));
        if (k % 2 == 0)
            SelectedSatelliteDetails(k, Shown().currentJD, PlaceOf(Place()));
        else
            RowSatelliteDetails(k + 1, Shown().currentJD, PlaceOf(Place()));
    }

    // The pass search over three hours (both methods, brightness and shadow searches),
    // and one night.
    if (count > 0) {
        PassSearchParameters p;
        p.durationMode = true;
        p.minAltitudeDeg = 0.0;
        p.limitingMagnitude = 99.0;
        p.shadow = true;
        p.brightest = size % 2 == 0;
        PassWindow().windowStart = 46100.5;
        PassWindow().windowEnd = 46100.5 + 3.0 / 24.0;
        PassSearchListener quiet;
        PassSearch(p, quiet);
        p.durationMode = false;
        p.nights = 1;
        PassSearch(p, quiet);
    }
    return 0;
}
