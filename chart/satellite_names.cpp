#include "chart/satellite_names.h"

#include "chart/canvas.h"
#include "satellite/satellite_table.h"

namespace {

SatelliteNamesChoice gChoice = SatelliteNamesChoice::FollowSelection;

}  // namespace

SatelliteNamesChoice& SatelliteNamesSetting() { return gChoice; }

bool SatelliteNamesShown() {
    switch (gChoice) {
        case SatelliteNamesChoice::Shown:
            return true;
        case SatelliteNamesChoice::Hidden:
            return false;
        case SatelliteNamesChoice::FollowSelection:
            break;
    }
    return Satellites().selectedCount <= kSatelliteNamesSelectionLimit;
}

void SwitchSatelliteNames() {
    gChoice = SatelliteNamesShown() ? SatelliteNamesChoice::Hidden : SatelliteNamesChoice::Shown;
}

std::optional<QRect> PlaceLabel(QPoint dot, QSize size, int gap, const std::vector<QRect>& placed,
                                const std::function<bool(const QRect&)>& fits) {
    const int w = size.width(), h = size.height();
    const int right = dot.x() + gap, left = dot.x() - gap - w;
    const int middle = dot.y() - h / 2, above = middle - h, below = middle + h;
    const QPoint corners[] = {{right, middle}, {right, above}, {right, below},
                              {left, middle},  {left, above},  {left, below}};
    for (const QPoint& corner : corners) {
        const QRect rect(corner, size);
        if (!fits(rect)) continue;
        bool free = true;
        for (const QRect& other : placed) free = free && !rect.intersects(other);
        if (free) return rect;
    }
    return std::nullopt;
}

void WriteSatelliteNames(Canvas& canvas, const CanvasFont& font,
                         const std::function<QPoint(double x, double y)>& map,
                         const std::function<bool(const QRect&)>& fits, int gap) {
    const SatelliteTable& sats = Satellites();
    canvas.SetFont(font);
    canvas.SetTextBackground(TextBackground::Transparent);
    std::vector<QRect> placed;
    for (int k = 1; k <= sats.selectedCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (sats.chartX[i] <= 0.0) continue;
        const std::string name = WholeDisplayName(sats.Selected(k - 1));
        const QString text = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        const auto rect = PlaceLabel(map(sats.chartX[i], sats.chartY[i]), canvas.TextExtent(text),
                                     gap, placed, fits);
        if (!rect) continue;
        canvas.TextOut(rect->left(), rect->top(), text);
        placed.push_back(*rect);
    }
    canvas.SetTextBackground(TextBackground::Opaque);
}
