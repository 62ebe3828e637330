// Large element texts for the load and selection timings and the tests of big files:
// real sets repeated with catalogue numbers 1..count in columns 3-7, checksums
// recomputed. Header only: the benchmarks use it without the test library.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "satellite/element_lines.h"
#include "satellite/satellite_table.h"

namespace testsupport {

namespace detail {

// The first 68 columns of an element line with catalogue number i, the mean anomaly
// (when column > 0) set to anomalyDeg, and its checksum.
inline std::string Numbered(const std::string& line, int i, int column, double anomalyDeg) {
    std::string text = line.substr(0, 68);
    char field[16];
    std::snprintf(field, sizeof field, "%05d", i);
    text.replace(2, 5, field);
    if (column > 0) {
        std::snprintf(field, sizeof field, "%8.4f", anomalyDeg);
        text.replace(static_cast<std::size_t>(column - 1), 8, field);
    }
    return text + std::to_string(ElementLineChecksum(text));
}

inline std::string WithoutTrailingBlanks(std::string name) {
    while (!name.empty() && (name.back() == ' ' || name.back() == '\r')) name.pop_back();
    return name;
}

}  // namespace detail

// One real set made many: the name line of set i is the base name (without trailing
// blanks) and " i"; the mean anomalies are spread over the circle.
inline std::string ManyElementSets(const ElementSet& base, int count) {
    const std::string name = detail::WithoutTrailingBlanks(base.nameLine);
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * (name.size() + 150));
    for (int i = 1; i <= count; ++i)
        text += name + " " + std::to_string(i) + "\n" + detail::Numbered(base.line1, i, 0, 0.0) +
                "\n" + detail::Numbered(base.line2, i, 44, (i * 7) % 3600 / 10.0) + "\n";
    return text;
}

// The sets of a catalogue taken in turn until count sets are written, set i with
// catalogue number i and its own name line and elements otherwise.
inline std::string RenumberedElementSets(const std::vector<ElementSet>& sets, int count) {
    std::string text;
    if (sets.empty()) return text;
    text.reserve(static_cast<std::size_t>(count) * 170);
    for (int i = 1; i <= count; ++i) {
        const ElementSet& set = sets[static_cast<std::size_t>(i - 1) % sets.size()];
        text += set.nameLine + "\n" + detail::Numbered(set.line1, i, 0, 0.0) + "\n" +
                detail::Numbered(set.line2, i, 0, 0.0) + "\n";
    }
    return text;
}

}  // namespace testsupport
