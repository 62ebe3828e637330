// The pass list of a search: one compact entry per pass, with the satellites and the
// observer it was found for. The lines, the whole records and the values of the
// visible part are made from an entry when a pass is shown, saved or printed; they
// are the same as those the search found.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/observing_place.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_list_file.h"
#include "prediction/pass_search_snapshot.h"

// One pass as the list keeps it. Its visible part is found again from the orbit when
// it is asked for (the same as a search would find it).
struct PassEntry {
    JD1900 time = 0.0;
    double altitudeDeg = 0.0, azimuthDeg = 0.0, rangeKm = 0.0, directionDeg = 0.0;
    double magnitude = 0.0, sunAltitudeDeg = 0.0;
    std::int32_t satelliteNumber = 0;  // position in the selection, from 0
    bool shadowBoundary = false;
    bool magnitudeKnown = false;
};
static_assert(sizeof(PassEntry) <= 150, "a pass entry stays small: lists hold millions");

// The entry of a whole record (its visible part is left out).
PassEntry EntryOf(const PassRecord& pass);
// The record of an entry without its visible part (name and catalogue number from the
// satellites, when given): enough for its lines.
PassRecord RecordWithoutEvents(const PassEntry& entry, const PassSatellites* satellites);

struct PassListState {
    std::vector<PassEntry> passes;  // in list order
    PassSearchSpan span;            // the nights (or the window) the search went through
    // The selection the passes belong to (satellite number = index), the observer they
    // were seen by (place and zone of the texts) and what the search looked for (the
    // limits of their visible parts).
    std::shared_ptr<const PassSatellites> satellites;
    ObservingPlace observer;
    PassSearchParameters parameters;
    // The visible parts of a list made from whole records (FromRecords) rather than by
    // a search, by list position; empty otherwise.
    std::vector<PassEvents> givenEvents;

    std::size_t size() const { return passes.size(); }
    bool empty() const { return passes.empty(); }
    // The whole record of pass i with its visible part, as the search made it.
    PassRecord Record(std::size_t i) const;
    std::vector<PassRecord> Records() const;
    // The display line of pass i (date and time in the zone of the observer).
    std::string Line(std::size_t i) const;
    std::vector<std::string> Lines() const;
    // Every line in order to `write`, made block by block on every core: a long list is
    // written without standing in memory as text.
    void WriteLines(const std::function<void(const std::string&)>& write,
                    std::size_t blockLines = 16384) const;

    // A list of the given records (tests, a list filled by hand); the satellites come
    // from the records' names and catalogue numbers.
    static PassListState FromRecords(const std::vector<PassRecord>& records);
};

// The pass list of the last search, in list order.
PassListState& PassList();
void ResetPassList();
// The instants of the listed passes, in list order.
std::vector<JD1900> PassInstants(const PassListState& list);
