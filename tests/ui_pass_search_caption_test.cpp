#include <gtest/gtest.h>

#include "ui/satellites/pass_search_caption.h"

namespace {

TEST(PassSearchCaption, EveryStageInTheWindowsWords) {
    using Stage = PassSearchProgress::Stage;
    const struct {
        PassSearchProgress progress;
        const char* caption;
    } cases[] = {
        {{Stage::Started, 0, 0}, " Polaride - Sichtbarkeitsbedingungen für Berlin"},
        {{Stage::Computing, 66, 0},
         "Berechne Durchgänge 66%       (Abbruch mit rechter Maustaste)"},
        {{Stage::Sorting, 0, 0}, "Sortiere Durchgänge"},
        {{Stage::Ordering, 0, 0}, "Erstelle Liste von Durchgängen 0%"},
        {{Stage::Listing, 40, 0}, "Schreibe Liste von Durchgängen 40%"},
        {{Stage::Done, 0, 12},
         " Polaride - Sichtbarkeitsbedingungen für Berlin (12 Durchgänge, SGP4/SDP4)"},
        {{Stage::Done, 0, 1},
         " Polaride - Sichtbarkeitsbedingungen für Berlin (1 Durchgang, SGP4/SDP4)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PassSearchCaption(c.progress, "Berlin", "SGP4/SDP4"), c.caption);
}

}  // namespace
