#include "ui/satellites/ground_track_window.h"

#include <QApplication>
#include <QCursor>
#include <QDate>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>
#include <optional>

#include "core/date_text.h"
#include "core/displayed_instant.h"
#include "core/number_text.h"
#include "core/observing_place.h"
#include "core/text_file.h"
#include "prediction/selection_state.h"
#include "satellite/column_number.h"
#include "satellite/satellite_table.h"
#include "ui/common/canvas_view.h"
#include "ui/common/dialog_rows.h"
#include "ui/common/dialogs.h"
#include "ui/common/local_time_notice.h"
#include "ui/common/place_cross.h"

namespace {

constexpr int kMapWidth = 622;
constexpr int kMapHeight = 301;
const QColor kTrackGrey(128, 128, 128);
// Widest texts of the information labels (a name line of the selection) and of the
// "Animation" label ("Abbruch mit rechter Maustaste"), in characters.
constexpr int kInformationCharacters = 26;
constexpr int kAnimationCharacters = 29;

QString Utf8(const std::string& text) { return QString::fromStdString(text); }
QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Date "d.m.yyyy" and time "h:m[:s]" as typed; nullopt when they do not convert.
std::optional<QDate> ReadDate(const QString& text) {
    const std::optional<datetext::Date> date = datetext::ParseDate(text.toStdString());
    if (!date) return std::nullopt;
    return QDate(date->year, date->month, date->day);
}

std::optional<QTime> ReadTime(const QString& text) {
    const std::optional<datetext::Time> time = datetext::ParseTime(text.toStdString());
    if (!time) return std::nullopt;
    return QTime(time->hour, time->minute, time->second);
}

void ShowError(const QString& text, QWidget* parent) {
    AppDialogs().Message(QStringLiteral("Polaride"), text, parent);
}

}  // namespace

GroundTrackWindow::GroundTrackWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("GroundTrackWindow");
    setWindowTitle(QStringLiteral("Polaride ground tracks"));
    setFont(QFont(QStringLiteral("Courier New")));

    // The map control: shows the canvas unscaled.
    mapView_ = new CanvasView(map_, this);
    mapView_->setFixedSize(kMapWidth, kMapHeight);
    mapView_->setObjectName("map");
    const auto label = [this](const QString& text, const char* name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setTextFormat(Qt::PlainText);  // satellite names from the element file
        l->installEventFilter(this);
        return l;
    };
    nameLabel_ = label(QString(), "nameLabel");
    heightLabel_ = label(QString(), "heightLabel");
    shadowLabel_ = label(QString(), "shadowLabel");
    longitudeLabel_ = label(QString(), "longitudeLabel");
    latitudeLabel_ = label(QString(), "latitudeLabel");
    fromLabel_ = label(QString(), "fromLabel");
    toLabel_ = label(QString(), "toLabel");
    stepLabel_ = label(QString(), "stepLabel");
    singleStepLabel_ = label(QStringLiteral("Einzelschritt"), "singleStepLabel");
    animationTitle_ = label(QStringLiteral("Animation"), "animationTitle");
    animationLabel_ = label(QString(), "animationLabel");
    daySideLabel_ = label(QStringLiteral("Tagseite"), "daySideLabel");
    distanceLabel_ = label(QString(), "distanceLabel");
    for (QLabel* l : {fromLabel_, stepLabel_, daySideLabel_}) l->setCursor(Qt::PointingHandCursor);

    plusButton_ =
        NamedButton(QStringLiteral("+"), "plusButton", this, &GroundTrackWindow::StepForward);
    minusButton_ =
        NamedButton(QStringLiteral("-"), "minusButton", this, &GroundTrackWindow::StepBack);
    startButton_ = NamedButton(QStringLiteral("Start"), "startButton", this,
                               &GroundTrackWindow::StartAnimation);

    list_ = new QListWidget(this);
    list_->setObjectName("selectionList");
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setStyleSheet(QStringLiteral("QListWidget { background: aqua; }"));
    list_->viewport()->installEventFilter(this);
    mapView_->installEventFilter(this);

    // Room for the longest texts from the start, so that the window keeps its size and
    // the buttons their places when the texts appear.
    const QFontMetrics metrics(font());
    const auto reserve = [&metrics](QLabel* l, int characters) {
        l->setMinimumWidth(metrics.horizontalAdvance(QString(characters, QLatin1Char('0'))));
        l->setSizePolicy(QSizePolicy::Ignored, l->sizePolicy().verticalPolicy());
    };
    for (QLabel* l :
         {nameLabel_, heightLabel_, shadowLabel_, longitudeLabel_, latitudeLabel_, distanceLabel_})
        reserve(l, kInformationCharacters);
    reserve(animationLabel_, kAnimationCharacters);

    auto* info = new QVBoxLayout;
    for (QWidget* w :
         {static_cast<QWidget*>(nameLabel_), static_cast<QWidget*>(heightLabel_),
          static_cast<QWidget*>(shadowLabel_), static_cast<QWidget*>(longitudeLabel_),
          static_cast<QWidget*>(latitudeLabel_), static_cast<QWidget*>(distanceLabel_)})
        info->addWidget(w);
    info->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(mapView_);
    top->addLayout(info, 1);

    auto* controls = new QGridLayout;
    controls->addWidget(fromLabel_, 0, 0, 1, 3);
    controls->addWidget(toLabel_, 1, 0, 1, 3);
    controls->addWidget(stepLabel_, 2, 0, 1, 3);
    controls->addWidget(singleStepLabel_, 0, 3);
    controls->addWidget(plusButton_, 0, 4);
    controls->addWidget(minusButton_, 0, 5);
    controls->addWidget(animationTitle_, 1, 3);
    controls->addWidget(startButton_, 1, 4);
    controls->addWidget(animationLabel_, 1, 5, 1, 2);
    controls->addWidget(daySideLabel_, 2, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(controls);
    layout->addWidget(list_, 1);

    map_.Clear(Qt::black);
    ClearInformation();
    animationLabel_->clear();
    distanceLabel_->clear();
    chosen_ = -1;
    stepSeconds_ = 6;
    daySide_ = 1;
}

void GroundTrackWindow::ClearInformation() {
    for (QLabel* l : {nameLabel_, heightLabel_, shadowLabel_, longitudeLabel_, latitudeLabel_})
        l->clear();
}

void GroundTrackWindow::ClearInformationLabels() {
    ClearInformation();
    distanceLabel_->clear();
    SetInstants(Shown().currentJD);
}

void GroundTrackWindow::SetInstants(JD1900 t) { from_ = to_ = t; }

void GroundTrackWindow::UpdateInstantLabels() {
    const DateTimeTexts from = DateTimeTextsOf(from_, Place().zoneOffsetAt(from_));
    fromLabel_->setText(Utf8("von " + from.date + " " + from.time + Place().zoneNameAt(from_)));
    const DateTimeTexts to = DateTimeTextsOf(to_, Place().zoneOffsetAt(to_));
    toLabel_->setText(Utf8("bis " + to.date + " " + to.time + Place().zoneNameAt(to_)));
    stepLabel_->setText(QStringLiteral("Schrittweite %1 s").arg(stepSeconds_));
}

void GroundTrackWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ShowAll();
}

void GroundTrackWindow::ShowAll() {
    UpdateInstantLabels();
    if (Satellites().selectedCount == 2) distanceLabel_->setText(QStringLiteral("Entfernung"));

    map_.Clear(Qt::black);
    const QImage bitmap(QStringLiteral("welt.bmp"));
    if (bitmap.isNull())
        ShowError(Utf8(FailedFileMessage("welt.bmp")), this);
    else
        map_.Draw(0, 0, bitmap);

    const MapPixel cross = ObserverMapPixel(Place().longitudeDeg, Place().latitudeDeg);
    DrawPlaceCross(map_, cross.x, cross.y);

    // A day side switched off stays off when the window is shown again.
    if (daySide_ == 1) DrawDaySide(map_, to_, Place().longitudeDeg, kMapWidth);
    daySideInstant_ = to_;

    list_->clear();
    for (const std::string& line : Selection().rightList) list_->addItem(Latin1(line));

    pixelsKnown_ = false;
    UpdateSatellites(false);
    pixelsKnown_ = true;
    chosen_ = -1;
    map_.SetPen(QColor(0, 128, 0));
    map_.End();
    mapView_->update();
}

void GroundTrackWindow::UpdateSatellites(bool drawTracks) {
    const SatelliteTable& table = Satellites();
    const int count = table.selectedCount;
    if (static_cast<int>(pixels_.size()) < count)
        pixels_.resize(static_cast<size_t>(count), MapPixel{-1, -1});
    const double theta = LocalSiderealTime(Place().longitudeDeg, to_);
    GroundPoint first;
    bool firstKnown = false;
    for (int k = 0; k < count; ++k) {
        GroundPoint p;
        if (!SubSatellitePoint(table.SelectedOrbit(k), to_, theta, Place().longitudeDeg, p))
            continue;
        const MapPixel pixel = SatelliteMapPixel(p.longitudeDeg, p.latitudeDeg);
        MapPixel& last = pixels_[static_cast<size_t>(k)];
        if (!drawTracks || !pixelsKnown_ || last.x < 0) {
            map_.SetPixel(pixel.x, pixel.y, Qt::white);
        } else if (TrackSegmentDrawn(last, pixel)) {
            // Each segment is drawn from its smaller end, so that stepping back draws
            // exactly the same pixels and the inverted exclusive-or removes them.
            const bool forward = last.x < pixel.x || (last.x == pixel.x && last.y <= pixel.y);
            const MapPixel a = forward ? last : pixel, b = forward ? pixel : last;
            map_.MoveTo(a.x, a.y);
            map_.LineTo(b.x, b.y);
        }
        last = pixel;
        if (count == 2) {
            if (k == 0) {
                first = p;
                firstKnown = true;
            } else if (firstKnown) {
                distanceLabel_->setText(Utf8(DistanceLabelText(first.positionER, p.positionER)));
            }
        }
        if (k == chosen_) ShowInformation();
    }
}

void GroundTrackWindow::StepAll() {
    UpdateInstantLabels();
    map_.SetPen(kTrackGrey, 1, PenMode::NotXor);
    UpdateSatellites(true);
    map_.End();
    mapView_->update();
}

void GroundTrackWindow::StepForward() {
    if (animating_) return;
    to_ += stepSeconds_ / 86400.0;
    StepAll();
}

void GroundTrackWindow::StepBack() {
    if (animating_) return;
    to_ -= stepSeconds_ / 86400.0;
    StepAll();
}

std::optional<std::string> GroundTrackWindow::AskValue(const QString& caption,
                                                       const QString& prompt) {
    const InputAnswer answer = AppDialogs().Input(caption, prompt, QString(), this);
    if (!answer.ok) return std::nullopt;
    return answer.text.toStdString();
}

void GroundTrackWindow::StartAnimation() {
    if (animating_) return;
    const std::optional<std::string> text =
        AskValue(QStringLiteral("Dauer in Minuten"), QStringLiteral("Bitte Dauer eingeben"));
    if (!text) return;
    const auto minutes = ParseNumber(*text);
    if (!minutes) return;
    Animate(*minutes);
}

int GroundTrackWindow::Animate(double minutes) {
    // A step of no time (or backwards) would never reach the end of the duration.
    if (animating_ || stepSeconds_ <= 0) return 0;
    QPointer<GroundTrackWindow> self(this);
    animating_ = true;
    abort_ = false;
    animationLabel_->setText(QStringLiteral("Abbruch mit rechter Maustaste"));
    int steps = 0;
    do {
        to_ += stepSeconds_ / 86400.0;
        StepAll();
        ++steps;
        toLabel_->repaint();
        for (QLabel* l : {nameLabel_, heightLabel_, shadowLabel_, longitudeLabel_, latitudeLabel_,
                          distanceLabel_})
            l->repaint();
        mapView_->repaint();
        QCoreApplication::processEvents();
        if (!self) return steps;
        if (abort_) {
            abort_ = false;
            break;
        }
    } while (to_ - from_ < minutes / 1440.0);
    // The hint is over when the animation is, whether it ran to its end or not.
    animationLabel_->clear();
    animating_ = false;
    return steps;
}

void GroundTrackWindow::EditFrom() {
    if (animating_) return;
    const DateTimeTexts from = DateTimeTextsOf(from_, Place().zoneOffsetAt(from_));
    const InputAnswer dateAnswer =
        AppDialogs().Input(QStringLiteral("Datum ändern"),
                           QStringLiteral("Bitte neues Datum eingeben:"), Utf8(from.date), this);
    const InputAnswer timeAnswer =
        AppDialogs().Input(QStringLiteral("Uhrzeit ändern"),
                           QStringLiteral("Bitte neue Uhrzeit eingeben:"), Utf8(from.time), this);
    const auto date = ReadDate(dateAnswer.text);
    if (!date) {
        ShowError(QString::fromStdString(datetext::BadDateMessage(dateAnswer.text.toStdString())),
                  this);
        return;
    }
    const auto time = ReadTime(timeAnswer.text);
    if (!time) {
        ShowError(QStringLiteral("'%1' ist keine gültige Uhrzeit").arg(timeAnswer.text), this);
        return;
    }
    const LocalTimeResolution local = Place().instantFromLocal(
        date->year(), date->month(), date->day(), time->hour(), time->minute(), time->second());
    if (!AcceptLocalTime(local, this)) return;
    DateText = date->toString(QStringLiteral("dd.MM.yyyy")).toStdString();
    TimeText = time->toString(QStringLiteral("hh:mm:ss")).toStdString();
    Shown().year = date->year();
    SetInstants(local.instant.instant);
    hide();
    show();
}

void GroundTrackWindow::EditStep() {
    if (animating_) return;
    const std::optional<std::string> text = AskValue(QStringLiteral("Schrittweite in Sekunden"),
                                                     QStringLiteral("Bitte Schrittweite eingeben"));
    if (!text) return;
    int step = 0;
    if (!numtext::ParseInteger(numtext::Trim(*text), step)) return;
    stepSeconds_ = step;
    stepLabel_->setText(QStringLiteral("Schrittweite %1 s").arg(stepSeconds_));
}

void GroundTrackWindow::ToggleDaySide() {
    const double longitude = Place().longitudeDeg;
    if (daySide_ == 1) {
        DrawDaySide(map_, daySideInstant_, longitude, kMapWidth);
    } else {
        DrawDaySide(map_, to_, longitude, kMapWidth);
        daySideInstant_ = to_;
    }
    daySide_ = 1 - daySide_;
    map_.End();
    mapView_->update();
}

void GroundTrackWindow::ShowInformation() {
    const SatelliteTable& table = Satellites();
    if (chosen_ < 0 || chosen_ >= table.selectedCount) return;
    TrackInformation info;
    if (!ComputeTrackInformation(table.SelectedOrbit(chosen_), to_,
                                 LocalSiderealTime(Place().longitudeDeg, to_), Place().longitudeDeg,
                                 info))
        return;
    const TextLines& lines = Selection().rightList;
    nameLabel_->setText(chosen_ < static_cast<int>(lines.size())
                            ? Latin1(lines[static_cast<size_t>(chosen_)])
                            : Latin1(table.Selected(chosen_).nameLine));
    heightLabel_->setText(Utf8(HeightLabelText(info)));
    shadowLabel_->setText(Utf8(ShadowLabelText(info)));
    longitudeLabel_->setText(Utf8(LongitudeLabelText(info)));
    latitudeLabel_->setText(Utf8(LatitudeLabelText(info)));
}

void GroundTrackWindow::ClickMap(int x, int y) {
    const int count = std::min(Satellites().selectedCount, static_cast<int>(pixels_.size()));
    for (int k = 0; k < count; ++k) {
        const MapPixel p = pixels_[static_cast<size_t>(k)];
        if (p.x >= 0 && std::abs(p.x - x) <= 4 && std::abs(p.y - y) <= 4) {
            chosen_ = k;
            ShowInformation();
            return;
        }
    }
    ClearInformation();
    chosen_ = -1;
}

void GroundTrackWindow::ChooseFromList(int line) {
    if (line < 0 || line >= Satellites().selectedCount) return;
    chosen_ = line;
    if (line < static_cast<int>(pixels_.size())) {
        const MapPixel p = pixels_[static_cast<size_t>(line)];
        if (p.x >= 0) QCursor::setPos(mapView_->mapToGlobal(QPoint(p.x, p.y)));
    }
    ShowInformation();
}

bool GroundTrackWindow::RightButtonAbort(QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) return false;
    abort_ = true;
    return true;
}

void GroundTrackWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) abort_ = true;
    QWidget::mousePressEvent(event);
}

bool GroundTrackWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if ((watched == mapView_ || watched == animationTitle_ || watched == animationLabel_) &&
        RightButtonAbort(event))
        return true;
    if (mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
    if (watched == mapView_) {
        const QPoint p = mouse->position().toPoint();
        ClickMap(p.x(), p.y());
        return true;
    }
    if (watched == fromLabel_) {
        EditFrom();
        return true;
    }
    if (watched == stepLabel_) {
        EditStep();
        return true;
    }
    if (watched == daySideLabel_) {
        ToggleDaySide();
        return true;
    }
    if (watched == list_->viewport()) {
        if (const QListWidgetItem* item = list_->itemAt(mouse->position().toPoint()))
            ChooseFromList(list_->row(item));
    }
    return QWidget::eventFilter(watched, event);
}
