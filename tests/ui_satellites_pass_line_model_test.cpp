#include <gtest/gtest.h>

#include <QString>

#include "core/timescale.h"
#include "prediction/pass_list.h"
#include "support/observer_place.h"
#include "support/observer_records.h"
#include "ui/satellites/pass_line_model.h"

namespace {

// The rows are the lines of the pass list, made when asked for (names of the element
// file read as Latin-1), then the given lines; the list's lines are not kept as text.
TEST(PassLineModel, PassLinesThenGivenLines) {
    ResetObserverRecords();
    testsupport::PlaceObserverInBerlin(40, 2);
    PassRecord pass;
    pass.time = JulianDay1900(2026, 4, 27) + 20.0 / 24.0;
    pass.altitudeDeg = 45.0;
    pass.name = "K\xf6nig";
    PassRecord later = pass;
    later.time += 0.01;
    later.name = "ISS (ZARYA)";
    later.satelliteNumber = 1;
    const PassListState list = PassListState::FromRecords({pass, later});

    PassLineModel model;
    model.ShowPassList(&list);
    model.Append({QStringLiteral("Zeile 3")});
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_TRUE(model.Line(0).startsWith(QString::fromUtf8(" K\xc3\xb6nig ")));
    EXPECT_EQ(model.Line(1).toStdString(), list.Line(1));
    EXPECT_EQ(model.index(1, 0).data().toString(), model.Line(1));
    EXPECT_EQ(model.Lines(), QStringList({model.Line(0), model.Line(1), "Zeile 3"}));
    model.Clear();
    EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
