// The path of a shown pass: drawn on the zoom chart and on the main chart through the
// satellite's predicted positions, and gone from the main chart after a time step.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <filesystem>
#include <initializer_list>
#include <vector>

#include "chart/canvas.h"
#include "chart/chart_projection.h"
#include "chart/pass_path.h"
#include "chart/sky_chart.h"
#include "chart/zoom_chart.h"
#include "core/observing_place.h"
#include "prediction/pass_lines.h"
#include "prediction/pass_search.h"
#include "satellite/observation.h"
#include "satellite/satellites_at_instant.h"
#include "support/observer_place.h"
#include "support/satellite_selection.h"
#include "support/ui/pass_search_end.h"
#include "support/ui/program_windows_test.h"
#include "ui/common/windows.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/sky/main_window_interaction.h"
#include "ui/sky/zoom_window.h"

namespace {

namespace fs = std::filesystem;

class PassPathTest : public testsupport::ProgramWindowsTest {
  protected:
    void SetUp() override {
        ProgramWindowsTest::SetUp();
        StartWindows(dir.path());
        for (const char* file :
             {"STERNKAT", "SLINIEN", "SNAMEN", "NEBEL", "STERNNAM", "ASTEROID.TXT", "KOMET"})
            fs::copy_file(testsupport::DataPath(file), dir / file);
        testsupport::PlaceObserverInBerlin(40, 2);
        testsupport::SetObserverLocalTime(2026, 4, 27, 12);
        testsupport::LoadPassFixtureAndSelectEverySatellite("iss.tle", dir.path());
        AppWindows().passDialog->daysField()->setText("3");
        ASSERT_EQ(testsupport::SearchToEnd(AppWindows().passDialog), PassSearchOutcome::Finished);
        dialogs->Clear();
        double longest = 0.0;  // the longest visible part
        for (std::size_t i = 0; i < PassList().passes.size(); ++i) {
            const PassEvents e = PassList().Record(i).events;
            if (e.found && e.DurationSeconds() > longest) {
                longest = e.DurationSeconds();
                row = static_cast<int>(i);
            }
        }
        ASSERT_GE(row, 0);
        pass = PassList().Record(static_cast<std::size_t>(row));
        ASSERT_TRUE(AppWindows().passListWindow->ShowPass(row));
        ASSERT_FALSE(ShownPassPath().mainChart.empty());
    }

    // Main-chart positions of the satellite at instants `seconds` from the listed one
    // (its dot is drawn there), those within the visible part.
    std::vector<ChartPoint> Predicted(std::initializer_list<double> seconds) const {
        std::vector<ChartPoint> points;
        for (double s : seconds) {
            const JD1900 t = pass.time + s / 86400.0;
            if (t < pass.events.start.time || t > pass.events.end.time) continue;
            const SatObservation seen = ObserveSelected(pass.satelliteNumber, t, PlaceOf(Place()));
            points.push_back(
                ProjectToChart((90.0 - seen.altitudeDeg) * kDegToRad, seen.azimuthDeg * kDegToRad));
        }
        return points;
    }

    // The colours in a 5 x 5 box around each point, in order.
    template <typename Map>
    static std::vector<long> Around(const Canvas& canvas, const std::vector<ChartPoint>& points,
                                    Map map) {
        std::vector<long> colours;
        for (const ChartPoint& c : points) {
            const QPoint p = map(c.x, c.y);
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    colours.push_back(canvas.PixelRgb(p.x() + dx, p.y() + dy));
        }
        return colours;
    }
    // How many points have a box that differs between the two drawings.
    static int Differing(const std::vector<long>& a, const std::vector<long>& b) {
        int count = 0;
        for (std::size_t i = 0; i + 25 <= a.size(); i += 25)
            count += !std::equal(a.begin() + i, a.begin() + i + 25, b.begin() + i);
        return count;
    }

    int row = -1;
    PassRecord pass;
};

TEST_F(PassPathTest, ShownPassDrawsItsPathOnTheZoomChart) {
    ZoomWindow* zoom = AppWindows().zoomWindow;
    ASSERT_TRUE(zoom->isVisible());
    auto map = [](double x, double y) { return ZoomMap(x, y); };
    std::vector<ChartPoint> points;  // those inside the zoom window's canvas
    for (const ChartPoint& c : Predicted({-40, -25, -15, 15, 25, 40}))
        if (zoom->canvas().PixelRgb(map(c.x, c.y).x(), map(c.x, c.y).y()) >= 0) points.push_back(c);
    ASSERT_GE(points.size(), 3u);
    const std::vector<long> with = Around(zoom->canvas(), points, map);
    zoom->DrawChart(0);  // drawn again: the path stays while the pass is shown
    EXPECT_EQ(Around(zoom->canvas(), points, map), with);
    DropZoomChartPassPath();
    zoom->DrawChart(0);
    EXPECT_EQ(Differing(with, Around(zoom->canvas(), points, map)),
              static_cast<int>(points.size()));
}

TEST_F(PassPathTest, MainChartPathGoesWithTheNextTimeStep) {
    const std::vector<ChartPoint> points = Predicted({-120, -60, -30, 30, 60, 120});
    ASSERT_GE(points.size(), 3u);
    auto map = [](double x, double y) { return QPoint(IntPart(x), IntPart(y)); };
    Canvas shown(640, 442);
    ASSERT_TRUE(DrawSkyChart(shown));
    const std::vector<long> with = Around(shown, points, map);

    StepWithTrails(+1);
    StepWithTrails(-1);  // back at the pass's instant
    EXPECT_TRUE(ShownPassPath().mainChart.empty());
    Canvas stepped(640, 442);
    ASSERT_TRUE(DrawSkyChart(stepped));
    EXPECT_EQ(Differing(with, Around(stepped, points, map)), static_cast<int>(points.size()));
}

}  // namespace
