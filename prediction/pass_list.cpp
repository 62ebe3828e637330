#include "prediction/pass_list.h"

#include <algorithm>

#include "prediction/satellite_window_search.h"
#include "prediction/visible_part.h"
#include "satellite/core_blocks.h"

namespace {

PassListState& ListStorage() {
    static PassListState list;
    return list;
}

const PassSatellite* SatelliteOf(const PassSatellites* satellites, int k) {
    if (satellites == nullptr || k < 0 || static_cast<std::size_t>(k) >= satellites->size())
        return nullptr;
    return &(*satellites)[static_cast<std::size_t>(k)];
}

// The values a record and an entry share: those of the listed instant.
template <class From, class To>
void CopyListedValues(const From& from, To& to) {
    to.time = from.time;
    to.altitudeDeg = from.altitudeDeg;
    to.azimuthDeg = from.azimuthDeg;
    to.rangeKm = from.rangeKm;
    to.directionDeg = from.directionDeg;
    to.magnitude = from.magnitude;
    to.sunAltitudeDeg = from.sunAltitudeDeg;
    to.satelliteNumber = from.satelliteNumber;
    to.shadowBoundary = from.shadowBoundary;
    to.magnitudeKnown = from.magnitudeKnown;
}

}  // namespace

PassEntry EntryOf(const PassRecord& pass) {
    PassEntry e;
    CopyListedValues(pass, e);
    return e;
}

PassRecord RecordWithoutEvents(const PassEntry& e, const PassSatellites* satellites) {
    PassRecord pass;
    CopyListedValues(e, pass);
    if (const PassSatellite* satellite = SatelliteOf(satellites, e.satelliteNumber)) {
        pass.name = satellite->nameLine;
        pass.catalogNumber = satellite->orbit.elements.catalogNumber;
    }
    return pass;
}

PassRecord PassListState::Record(std::size_t i) const {
    const PassEntry& e = passes[i];
    PassRecord pass = RecordWithoutEvents(e, satellites.get());
    if (i < givenEvents.size()) {
        pass.events = givenEvents[i];
        return pass;
    }
    const PassSatellite* satellite = SatelliteOf(satellites.get(), e.satelliteNumber);
    if (satellite == nullptr || !satellite->orbit.readable) return pass;
    pass.events = FindPassEvents(satellite->orbit, satellite->look, PlaceOf(observer),
                                 PassVisibilityLimits(parameters, e.sunAltitudeDeg), e.time);
    return pass;
}

std::vector<PassRecord> PassListState::Records() const {
    std::vector<PassRecord> records;
    records.reserve(passes.size());
    for (std::size_t i = 0; i < passes.size(); ++i) records.push_back(Record(i));
    return records;
}

std::string PassListState::Line(std::size_t i) const {
    const PassEntry& e = passes[i];
    const DateTimeTexts texts = DateTimeTextsOf(e.time, observer.zoneOffsetAt(e.time));
    return DisplayLine(RecordWithoutEvents(e, satellites.get()), texts.date, texts.time);
}

void PassListState::WriteLines(const std::function<void(const std::string&)>& write,
                               std::size_t blockLines) const {
    blockLines = std::max<std::size_t>(blockLines, 1);
    std::vector<std::string> block;
    for (std::size_t from = 0; from < passes.size(); from += blockLines) {
        const std::size_t to = std::min(passes.size(), from + blockLines);
        block.assign(to - from, std::string());
        ForBlocksOnEveryCore(from, to, std::max<std::size_t>(blockLines / 8, 1),
                             [&](std::size_t a, std::size_t b) {
                                 for (std::size_t i = a; i < b; ++i) block[i - from] = Line(i);
                             });
        for (const std::string& line : block) write(line);
    }
}

std::vector<std::string> PassListState::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(passes.size());
    for (std::size_t i = 0; i < passes.size(); ++i) lines.push_back(Line(i));
    return lines;
}

PassListState PassListState::FromRecords(const std::vector<PassRecord>& records) {
    PassListState list;
    list.observer = Place();
    auto satellites = std::make_shared<PassSatellites>();
    for (const PassRecord& pass : records) {
        const auto k = static_cast<std::size_t>(std::max(pass.satelliteNumber, 0));
        if (k >= satellites->size()) satellites->resize(k + 1);
        PassSatellite& s = (*satellites)[k];
        if (s.nameLine.empty()) {
            s.nameLine = pass.name;
            s.orbit.elements.catalogNumber = pass.catalogNumber;
        }
        list.passes.push_back(EntryOf(pass));
        list.givenEvents.push_back(pass.events);
    }
    list.satellites = std::move(satellites);
    return list;
}

PassListState& PassList() { return ListStorage(); }
void ResetPassList() { ListStorage() = PassListState{}; }
std::vector<JD1900> PassInstants(const PassListState& list) {
    std::vector<JD1900> instants;
    instants.reserve(list.passes.size());
    for (const PassEntry& pass : list.passes) instants.push_back(pass.time);
    return instants;
}
