#include "ui/places/world_map_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "catalog/place_numbers.h"
#include "chart/world_map_geometry.h"
#include "core/displayed_instant.h"
#include "core/observing_place.h"
#include "core/sun_moon.h"
#include "core/text_file.h"
#include "ui/common/canvas_view.h"
#include "ui/common/dialogs.h"
#include "ui/common/place_cross.h"
#include "ui/places/map_pointer_labels.h"
#include "ui/places/place_messages.h"
#include "ui/places/redraw_active_view.h"

using namespace location;

namespace {

const CanvasFont kPaintFont =
    CanvasFont::Points(QStringLiteral("Courier New"), 8, false, Qt::yellow);
const CanvasFont kNewPlaceFont =
    CanvasFont::Points(QStringLiteral("Courier New"), 8, true, Qt::white);

// Height of a text line in the paint font.
int PaintTextHeight() {
    Canvas probe(1, 1);
    probe.SetFont(kPaintFont);
    return probe.TextHeight(QStringLiteral("Ag"));
}

constexpr int kImageBottom = kWorldImageTop + kWorldImageHeight;

}  // namespace

WorldMapWindow::WorldMapWindow(QWidget* parent)
    : QWidget(parent), canvas_(kWorldImageWidth, kWorldImageHeight) {
    setWindowTitle(QStringLiteral("Polaride Weltkarte"));
    setFixedSize(648, 488);
    SetBlackBackground(this);
    setMouseTracking(true);

    MakePointerLabels(this, longitudeLabel_, latitudeLabel_);
    for (QLabel* label : {longitudeLabel_, latitudeLabel_})
        label->resize(320, label->sizeHint().height());
    const int textHeight = PaintTextHeight();
    const int pitch = IntPart(1.3 * textHeight);
    const int y0 = kImageBottom + textHeight;
    const int left = kWorldImageLeft + kWorldImageWidth / 2;
    longitudeLabel_->move(left, y0 + pitch);
    latitudeLabel_->move(left, y0 + pitch + IntPart(1.2 * longitudeLabel_->height()));

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

bool WorldMapWindow::DrawMap() {
    canvas_.Clear(Qt::black);
    const QImage bitmap(QStringLiteral("welt.bmp"));
    if (bitmap.isNull()) {
        ShowFileError(FailedFileMessage("welt.bmp"), this);
        return false;
    }
    canvas_.Draw(0, 0, bitmap);

    // The current place.
    const WorldPixel place = WorldPixelOfPlace(Place().longitudeDeg, Place().latitudeDeg);
    DrawPlaceCross(canvas_, place.x, place.y);

    // Daylight at the instant shown: its own Sun and sidereal time, not those a pass
    // search or a ground-track run computed last.
    const JD1900 instant = Shown().currentJD;
    const SunCoordinates sun = SunCoordinatesAt(instant + DeltaT(Shown().year) / 24.0);
    canvas_.SetPen(Qt::yellow, 1, PenMode::Xor);
    const int midnight = MidnightColumn(LocalSiderealTime(Place().longitudeDeg, instant),
                                        Place().longitudeDeg, sun.rightAscension);
    for (int row = 0; row < 300; ++row) {
        for (const ColumnRun& run : DaylightRuns(row, midnight, sun.declination)) {
            canvas_.MoveTo(run.from, row + 1);
            canvas_.LineTo(run.to, row + 1);
        }
    }
    if (overlay) overlay(canvas_);
    canvas_.End();
    update();
    return true;
}

void WorldMapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    DrawMap();
}

void WorldMapWindow::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        painter.drawImage(kWorldImageLeft, kWorldImageTop, canvas_.Image());
    }
    Canvas text(this);
    text.SetTextBackground(TextBackground::Transparent);
    text.SetFont(kPaintFont);
    const int textHeight = text.TextHeight(QStringLiteral("Ag"));
    const int pitch = IntPart(1.3 * textHeight);
    const int x0 = kWorldImageLeft + 5;
    const int y0 = kImageBottom + textHeight;
    text.TextOut(x0, y0,
                 QStringLiteral("eingestellter Ort: ") + QString::fromStdString(Place().placeName));
    text.TextOut(
        x0, y0 + pitch,
        QStringLiteral("geographische Länge: ") + EastWestLongitude(Place().longitudeDeg, true));
    text.TextOut(x0, y0 + 2 * pitch,
                 QStringLiteral("geographische Breite: ") + TwoDecimals(Place().latitudeDeg) +
                     QStringLiteral(" Grad"));
    text.TextOut(x0, y0 + 4 * pitch, QStringLiteral("Datum: ") + QString::fromStdString(DateText));
    text.TextOut(x0, y0 + 5 * pitch,
                 QStringLiteral("Uhrzeit: ") + QString::fromStdString(TimeText) +
                     QString::fromStdString(Place().zoneNameAt(Shown().currentJD)));
    text.SetFont(kNewPlaceFont);
    text.TextOut(kWorldImageLeft + kWorldImageWidth / 2, y0, QStringLiteral("neuer Ort:"));
    text.End();
}

bool WorldMapWindow::OnImage(int x, int y) const {
    return x >= kWorldImageLeft && x < kWorldImageLeft + kWorldImageWidth && y >= kWorldImageTop &&
           y < kWorldImageTop + kWorldImageHeight;
}

void WorldMapWindow::PointerAt(int x, int y) {
    if (!OnImage(x, y)) {
        setCursor(Qt::ArrowCursor);
        return;
    }
    setCursor(Qt::CrossCursor);
    const double longitude = WorldLongitudeOfColumn(x - kWorldImageLeft);
    const double latitude = WorldLatitudeOfRow(y - kWorldImageTop);
    ShowPointerPlace(longitudeLabel_, latitudeLabel_, longitude, latitude);
}

void WorldMapWindow::ClickAt(int x, int y) {
    if (!OnImage(x, y)) return;
    const double longitude = WorldLongitudeOfColumn(x - kWorldImageLeft);
    const double latitude = WorldLatitudeOfRow(y - kWorldImageTop);
    const InputAnswer answer = AppDialogs().Input(
        QStringLiteral("Ort ändern"), QStringLiteral("Bitte Ortsnamen eingeben:"), QString(), this);
    if (!answer.ok || answer.text.isEmpty()) return;
    TakeOverPlace(answer.text.toStdString(), longitude, latitude, std::nullopt,
                  ZoneRuleNearListedPlace(longitude, latitude), this);
}

void WorldMapWindow::mouseMoveEvent(QMouseEvent* event) {
    PointerAt(event->position().toPoint().x(), event->position().toPoint().y());
}

void WorldMapWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        ClickAt(event->position().toPoint().x(), event->position().toPoint().y());
    }
}
