#include "chart/constellation_path.h"

#include <cstdlib>

#include "catalog/constellations.h"
#include "chart/canvas.h"
#include "chart/plot_tables.h"

void DrawConstellationPath(Canvas& canvas, const ConstellationLineList& list,
                           const std::function<bool(const StarPlotEntry&)>& onChart,
                           const std::function<QPoint(double, double)>& map) {
    const StarPlotTableData& stars = StarPlotTable();
    bool previousPresent = false;
    for (int entry : list.entries) {
        const int number = std::abs(entry);
        if (number < 1 || number > kStarPlotCount) {
            previousPresent = false;
            continue;
        }
        const StarPlotEntry& s = stars[static_cast<size_t>(number - 1)];
        const bool present = onChart(s);
        const QPoint p = map(s.x, s.y);
        if (entry > 0 && present && previousPresent)
            canvas.LineTo(p.x(), p.y());
        else
            canvas.MoveTo(p.x(), p.y());
        previousPresent = present;
    }
}
