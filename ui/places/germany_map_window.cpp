#include "core/timescale.h"
#include "ui/places/germany_map_window.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "catalog/map_files.h"
#include "catalog/place_numbers.h"
#include "chart/canvas_fit.h"
#include "ui/common/canvas_view.h"
#include "ui/common/dialogs.h"
#include "ui/places/map_pointer_labels.h"
#include "ui/places/place_messages.h"
#include "ui/places/redraw_active_view.h"

using namespace location;

namespace {

constexpr int kDesignWidth = 435;
constexpr int kDesignHeight = 300;
constexpr int kLabelLeft = 10;
constexpr int kLabelTop = 10;
constexpr int kLabelWidth = 300;

}  // namespace

GermanyMapWindow::GermanyMapWindow(QWidget* parent)
    : QWidget(parent),
      geometry_(kDesignWidth, kDesignHeight),
      canvas_(kDesignWidth, kDesignHeight) {
    setWindowTitle(QStringLiteral("Polaride Deutschlandkarte"));
    resize(kDesignWidth, kDesignHeight);
    setWindowState(Qt::WindowMaximized);

    menu_ = new QMenuBar(this);
    magnify_ = menu_->addAction(QStringLiteral("vergrößern"));
    reduce_ = menu_->addAction(QStringLiteral("verkleinern"));
    connect(magnify_, &QAction::triggered, this, &GermanyMapWindow::StartFrameMode);
    connect(reduce_, &QAction::triggered, this, &GermanyMapWindow::ReduceMap);

    // The picture of the map, scaled to fill the area. Only the map is black: the menu
    // bar keeps the usual colours, or its entries would be black on black.
    area_ = new CanvasView(canvas_, this);
    area_->setMouseTracking(true);
    SetBlackBackground(area_);
    area_->installEventFilter(this);
    area_->setCursor(Qt::CrossCursor);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    layout->addWidget(area_);

    MakePointerLabels(area_, longitudeLabel_, latitudeLabel_);
    int top = kLabelTop;
    for (QLabel* label : {longitudeLabel_, latitudeLabel_}) {
        label->setGeometry(kLabelLeft, top, kLabelWidth, label->sizeHint().height());
        top += IntPart(1.2 * label->height());
    }
    UpdateMenu();
}

GermanyMapWindow::~GermanyMapWindow() = default;

QPoint GermanyMapWindow::ToMap(QPointF areaPosition) const {
    return FitInto(QSize(geometry_.width(), geometry_.height()), QSizeF(area_->size()))
        .ToLogical(areaPosition);
}

bool GermanyMapWindow::FitToArea() {
    return FitCanvas(canvas_, QSize(geometry_.width(), geometry_.height()), area_->size(),
                     area_->devicePixelRatioF());
}

void GermanyMapWindow::UpdateMenu() {
    magnify_->setVisible(geometry_.zoom() < 25);
    reduce_->setVisible(geometry_.zoom() > 1);
}

bool GermanyMapWindow::DrawMap() {
    FitToArea();
    frameDrawn_ = false;
    canvas_.Clear(Qt::black);
    UpdateMenu();
    area_->setCursor(Qt::CrossCursor);
    bool complete = true;
    try {
        // Borders.
        canvas_.SetPen(Qt::yellow);
        for (const BorderStroke& stroke : ReadBorders("Grenzen")) {
            const MapPixel start =
                geometry_.ToPixel(stroke.front().longitudeDeg, stroke.front().latitudeDeg);
            canvas_.MoveTo(IntPart(start.x), IntPart(start.y));
            for (std::size_t i = 1; i < stroke.size(); ++i) {
                const MapPixel p = geometry_.ToPixel(stroke[i].longitudeDeg, stroke[i].latitudeDeg);
                canvas_.LineTo(IntPart(p.x), IntPart(p.y));
            }
        }
        // Towns of the current magnification.
        canvas_.SetPen(Qt::white);
        canvas_.SetBrush(Qt::white);
        canvas_.SetTextBackground(TextBackground::Transparent);
        canvas_.SetFont(CanvasFont::Points(QStringLiteral("Times New Roman"), 8, true, Qt::white));
        for (const Town& town : ReadTowns("Staedte", TownMarkerForZoom(geometry_.zoom()))) {
            if (IsTownMarker(town.name)) continue;
            const MapPixel p = geometry_.ToPixel(town.longitudeDeg, town.latitudeDeg);
            const int x = IntPart(p.x);
            const int y = IntPart(p.y);
            canvas_.Circle(x, y, 2);
            const QString name = QString::fromLatin1(town.name);
            canvas_.TextOut(x - canvas_.TextWidth(name) / 2, y - 1 - canvas_.TextHeight(name),
                            name);
        }
    } catch (const MapFileError& error) {
        ShowFileError(error.what(), this);
        complete = false;
    }
    if (overlay) overlay(canvas_);
    // The frame of the coordinate labels, in pixels of the area like the labels.
    const QTransform mapping = canvas_.Mapping();
    canvas_.SetMapping(
        QTransform::fromScale(area_->devicePixelRatioF(), area_->devicePixelRatioF()));
    canvas_.SetPen(Qt::blue);
    canvas_.SetBrush(Qt::black);
    const QRect labels = longitudeLabel_->geometry().united(latitudeLabel_->geometry());
    canvas_.Rectangle(labels.left() - 5, labels.top() - 5, labels.right() + 1 + 5,
                      labels.bottom() + 1 + 5);
    canvas_.SetMapping(mapping);
    canvas_.End();
    area_->update();
    return complete;
}

void GermanyMapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FitToArea();
    DrawMap();
}

void GermanyMapWindow::XorFrame(QPoint centre) {
    const int halfWidth = IntPart(geometry_.frameHalfWidth());
    const int halfHeight = IntPart(geometry_.frameHalfHeight());
    canvas_.SetPen(Qt::white, 1, PenMode::Xor);
    canvas_.SetBrush(Qt::black, BrushStyle::Clear);
    canvas_.Rectangle(centre.x() - halfWidth, centre.y() - halfHeight, centre.x() + halfWidth,
                      centre.y() + halfHeight);
    canvas_.End();
    area_->update();
}

void GermanyMapWindow::PointerAt(int x, int y) {
    pointer_ = QPoint(x, y);
    const MapPoint place = geometry_.ToDegrees(x, y);
    ShowPointerPlace(longitudeLabel_, latitudeLabel_, place.longitudeDeg, place.latitudeDeg);
    if (frameMode_) {
        if (frameDrawn_) XorFrame(framePos_);
        framePos_ = pointer_;
        XorFrame(framePos_);
        frameDrawn_ = true;
    }
}

void GermanyMapWindow::StartFrameMode() {
    if (geometry_.zoom() >= 25) return;
    frameMode_ = true;
    if (frameDrawn_) XorFrame(framePos_);
    framePos_ = pointer_;
    XorFrame(framePos_);
    frameDrawn_ = true;
}

void GermanyMapWindow::ReduceMap() {
    geometry_.Reduce();
    frameMode_ = false;
    DrawMap();
}

void GermanyMapWindow::ClickAt(int x, int y) {
    pointer_ = QPoint(x, y);
    if (!frameMode_) {
        PickPlace(x, y);
        return;
    }
    geometry_.MagnifyAt(x, y);
    frameMode_ = false;
    area_->setCursor(Qt::ArrowCursor);
    DrawMap();
}

void GermanyMapWindow::PickPlace(int x, int y) {
    MapPoint place = geometry_.ToDegrees(x, y);
    QString proposed;
    try {
        if (const auto town = SnapToTown(ReadTowns("Staedte", "-51"), place.longitudeDeg,
                                         place.latitudeDeg, geometry_.zoom())) {
            proposed = QString::fromLatin1(town->name);
            place = {town->longitudeDeg, town->latitudeDeg};
        }
    } catch (const MapFileError& error) {
        ShowFileError(error.what(), this);
        return;
    }
    const InputAnswer answer = AppDialogs().Input(
        QStringLiteral("Ort ändern"), QStringLiteral("Bitte Ortsnamen eingeben:"), proposed, this);
    if (!answer.ok) return;
    TakeOverPlace(answer.text.toStdString(), place.longitudeDeg, place.latitudeDeg, std::nullopt,
                  ZoneRuleNearListedPlace(place.longitudeDeg, place.latitudeDeg), this);
}

bool GermanyMapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint p = ToMap(static_cast<QMouseEvent*>(event)->position());
            PointerAt(p.x(), p.y());
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                const QPoint p = ToMap(mouse->position());
                ClickAt(p.x(), p.y());
            }
            return true;
        }
        // The map keeps its geometry and is scaled to the new size.
        if (event->type() == QEvent::Resize && FitToArea() && isVisible()) DrawMap();
    }
    return QWidget::eventFilter(watched, event);
}
