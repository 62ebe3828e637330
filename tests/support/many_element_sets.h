// A large element text made from one real set: catalogue numbers 1..count in
// columns 3-7 and mean anomalies spread over the circle, checksums recomputed.
// Header only: the benchmarks use it without the test library.
#pragma once

#include <cstdio>
#include <string>

#include "satellite/element_lines.h"
#include "satellite/satellite_table.h"

namespace testsupport {

// The name line of set i is the base name (without trailing blanks) and " i".
inline std::string ManyElementSets(const ElementSet& base, int count) {
    std::string name = base.nameLine;
    while (!name.empty() && (name.back() == ' ' || name.back() == '\r')) name.pop_back();
    const auto numbered = [](std::string line, int i, int column) {
        char field[16];
        std::snprintf(field, sizeof field, "%05d", i);
        line.replace(2, 5, field);
        if (column > 0) {
            std::snprintf(field, sizeof field, "%8.4f", (i * 7) % 3600 / 10.0);
            line.replace(static_cast<std::size_t>(column - 1), 8, field);
        }
        return line + std::to_string(ElementLineChecksum(line));
    };
    const std::string line1 = base.line1.substr(0, 68), line2 = base.line2.substr(0, 68);
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * (name.size() + 150));
    for (int i = 1; i <= count; ++i)
        text += name + " " + std::to_string(i) + "\n" + numbered(line1, i, 0) + "\n" +
                numbered(line2, i, 44) + "\n";
    return text;
}

}  // namespace testsupport
