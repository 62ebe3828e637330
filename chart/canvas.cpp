#include "chart/canvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

// Screen resolution assumed for point sizes on an image: the design resolution of
// the windows (96 pixels per inch).
constexpr double kImageDotsPerInch = 96.0;

QPainter::CompositionMode CompositionFor(PenMode mode) {
    switch (mode) {
        case PenMode::Xor:
            return QPainter::RasterOp_SourceXorDestination;
        case PenMode::NotXor:
            return QPainter::RasterOp_NotSourceXorDestination;
        case PenMode::Copy:
            break;
    }
    return QPainter::CompositionMode_SourceOver;
}

inline QRgb Combine(QRgb destination, QRgb source, PenMode mode) {
    switch (mode) {
        case PenMode::Xor:
            return 0xff000000u | ((destination ^ source) & 0x00ffffffu);
        case PenMode::NotXor:
            return 0xff000000u | (~(destination ^ source) & 0x00ffffffu);
        case PenMode::Copy:
            break;
    }
    return 0xff000000u | (source & 0x00ffffffu);
}

}  // namespace

void InstallCanvasFontSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] {
        QFont::insertSubstitutions(
            QStringLiteral("Courier New"),
            {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"),
                                                             QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(
            QStringLiteral("Times New Roman"),
            {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    });
}

CanvasFont CanvasFont::Points(const QString& name, double points, bool bold, QColor color) {
    CanvasFont f;
    f.name = name;
    f.size = points;
    f.sizeInPoints = true;
    f.bold = bold;
    f.color = color;
    return f;
}

CanvasFont CanvasFont::Pixels(const QString& name, double pixels, bool bold, QColor color) {
    CanvasFont f = Points(name, pixels, bold, color);
    f.sizeInPoints = false;
    return f;
}

Canvas::Canvas(int width, int height, QColor background)
    : ownsImage_(true), image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    InstallCanvasFontSubstitutes();
    image_.fill(background.rgb());
}

Canvas::Canvas(QPaintDevice* device) : ownsImage_(false), device_(device) {
    InstallCanvasFontSubstitutes();
}

Canvas::~Canvas() { End(); }

int Canvas::Width() const { return ownsImage_ ? image_.width() : (device_ ? device_->width() : 0); }
int Canvas::Height() const {
    return ownsImage_ ? image_.height() : (device_ ? device_->height() : 0);
}

QSize Canvas::LogicalSize() const {
    if (logicalSize_.isValid()) return logicalSize_;
    if (identityMapping_) return {Width(), Height()};
    const QRectF area = mapping_.inverted().mapRect(QRectF(0, 0, Width(), Height()));
    return {static_cast<int>(std::lround(area.width())),
            static_cast<int>(std::lround(area.height()))};
}

const QImage& Canvas::Image() const {
    End();
    return image_;
}

void Canvas::Resize(int width, int height, QColor background) {
    if (!ownsImage_) return;
    End();
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image_.fill(background.rgb());
}

void Canvas::Clear(QColor color) {
    if (ownsImage_) {
        End();
        image_.fill(color.rgb());
        return;
    }
    QPainter& p = ActivePainter();
    p.save();
    p.resetTransform();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(0, 0, Width(), Height()), color);
    p.restore();
}

void Canvas::End() const {
    if (painter_) {
        if (painter_->isActive()) painter_->end();
        painter_.reset();
    }
}

QPainter& Canvas::Painter() { return ActivePainter(); }

QPainter& Canvas::ActivePainter() const {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (ownsImage_)
            painter_->begin(&image_);
        else if (device_)
            painter_->begin(device_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *painter_;
}

// --- mapping -------------------------------------------------------------------

void Canvas::SetMapping(const QTransform& logicalToDevice) {
    mapping_ = logicalToDevice;
    identityMapping_ = mapping_.isIdentity();
}

QTransform Canvas::LoMetricMapping(double dotsPerInchX, double dotsPerInchY) {
    // 254 tenths of a millimetre per inch; y upwards.
    return QTransform::fromScale(dotsPerInchX / 254.0, -dotsPerInchY / 254.0);
}

QPoint Canvas::ToDevice(int x, int y) const {
    if (identityMapping_) return {x, y};
    QPointF p = mapping_.map(QPointF(x, y));
    return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}

bool Canvas::SmoothText() const { return ownsImage_ && LengthScale() > 1.0; }

double Canvas::LengthScale() const {
    if (identityMapping_) return 1.0;
    return std::sqrt(std::abs(mapping_.determinant()));
}

QRect Canvas::DeviceBox(int x1, int y1, int x2, int y2) const {
    // The box covers x1 .. x2 - 1 and y1 .. y2 - 1 (logical); mapped corners may
    // swap when the mapping mirrors an axis.
    QPoint a = ToDevice(x1, y1);
    QPoint b = ToDevice(x2, y2);
    int left = std::min(a.x(), b.x()), right = std::max(a.x(), b.x());
    int top = std::min(a.y(), b.y()), bottom = std::max(a.y(), b.y());
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// --- state ---------------------------------------------------------------------

void Canvas::SetPen(QColor color, int width, PenMode mode) {
    pen_.color = color;
    pen_.width = width;
    pen_.mode = mode;
}

void Canvas::SetBrush(QColor color, BrushStyle style) {
    brush_.color = color;
    brush_.style = style;
}

void Canvas::ApplyPen(QPainter& p, bool withBrush) const {
    int w = pen_.width <= 1 ? 0 : static_cast<int>(std::lround(pen_.width * LengthScale()));
    QPen pen(pen_.color, w);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    if (withBrush && brush_.style == BrushStyle::Solid)
        p.setBrush(brush_.color);
    else
        p.setBrush(Qt::NoBrush);
    p.setCompositionMode(CompositionFor(pen_.mode));
}

// --- pixels --------------------------------------------------------------------

void Canvas::SetPixel(int x, int y, QColor color) {
    if (ownsImage_ && identityMapping_) {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
        // The painter writes into the same buffer, so the pixel may be set
        // directly while a painting pass is open.
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = 0xff000000u | color.rgb();
        return;
    }
    QPainter& p = ActivePainter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (ownsImage_) {
        p.fillRect(DeviceBox(x, y, x + 1, y + 1), color);
        return;
    }
    QPoint d = ToDevice(x, y);
    int size = std::max(1, static_cast<int>(std::lround(LengthScale())));
    p.fillRect(QRect(d.x(), d.y(), size, size), color);
}

QColor Canvas::Pixel(int x, int y) const {
    long rgb = PixelRgb(x, y);
    if (rgb < 0) return QColor();
    return QColor(static_cast<QRgb>(rgb) | 0xff000000u);
}

long Canvas::PixelRgb(int x, int y) const {
    if (!ownsImage_) return -1;
    const QPoint d = ToDevice(x, y);
    if (d.x() < 0 || d.y() < 0 || d.x() >= image_.width() || d.y() >= image_.height()) return -1;
    const QRgb* line = reinterpret_cast<const QRgb*>(image_.constScanLine(d.y()));
    return static_cast<long>(line[d.x()] & 0x00ffffffu);
}

// --- lines ---------------------------------------------------------------------

void Canvas::MoveTo(int x, int y) { penPos_ = {x, y}; }

void Canvas::LineTo(int x, int y) {
    DrawSegment(penPos_, {x, y});
    penPos_ = {x, y};
}

void Canvas::DrawSegment(QPoint from, QPoint to) {
    if (from == to) return;
    if (ownsImage_ && pen_.width <= 1) {
        // Bresenham from `from` up to, not including, `to` in image pixels (also on a
        // scaled image): every pixel once, so exclusive-or strokes are exactly
        // reversible and joints do not cancel.
        const QRgb colour = pen_.color.rgb();
        const int w = image_.width(), h = image_.height();
        const QPoint end = ToDevice(to.x(), to.y());
        const QPoint start = ToDevice(from.x(), from.y());
        int x0 = start.x(), y0 = start.y();
        const int dx = std::abs(end.x() - x0), dy = -std::abs(end.y() - y0);
        const int sx = x0 < end.x() ? 1 : -1, sy = y0 < end.y() ? 1 : -1;
        int err = dx + dy;
        // Long lines far outside the image are clipped by the bounds test only;
        // the chart never draws such lines.
        while (x0 != end.x() || y0 != end.y()) {
            if (x0 >= 0 && y0 >= 0 && x0 < w && y0 < h) {
                QRgb* px = reinterpret_cast<QRgb*>(image_.scanLine(y0)) + x0;
                *px = Combine(*px, colour, pen_.mode);
            }
            int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
        return;
    }
    QPainter& p = ActivePainter();
    ApplyPen(p, false);
    p.drawLine(ToDevice(from.x(), from.y()), ToDevice(to.x(), to.y()));
}

void Canvas::Polyline(const std::vector<QPoint>& points) {
    if (points.empty()) return;
    MoveTo(points.front().x(), points.front().y());
    for (size_t i = 1; i < points.size(); ++i) LineTo(points[i].x(), points[i].y());
}

// --- shapes --------------------------------------------------------------------

void Canvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    if (ownsImage_ && identityMapping_ && pen_.width <= 1) {
        if (brush_.style == BrushStyle::Solid && x2 - x1 > 2 && y2 - y1 > 2) {
            const QRgb colour = brush_.color.rgb();
            for (int y = std::max(y1 + 1, 0); y < std::min(y2 - 1, image_.height()); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
                for (int x = std::max(x1 + 1, 0); x < std::min(x2 - 1, image_.width()); ++x)
                    line[x] = Combine(line[x], colour, pen_.mode);
            }
        }
        QPoint saved = penPos_;
        if (x2 - x1 == 1 || y2 - y1 == 1) {
            // A one-pixel-thin box is a single line including its end.
            MoveTo(x1, y1);
            LineTo(x2 - 1 + (x2 - x1 == 1 ? 0 : 1), y2 - 1 + (y2 - y1 == 1 ? 0 : 1));
        } else {
            MoveTo(x1, y1);
            LineTo(x2 - 1, y1);
            LineTo(x2 - 1, y2 - 1);
            LineTo(x1, y2 - 1);
            LineTo(x1, y1);
        }
        penPos_ = saved;
        return;
    }
    QPainter& p = ActivePainter();
    ApplyPen(p, true);
    p.drawRect(DeviceBox(x1, y1, x2, y2));
}

void Canvas::FillRect(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    QPainter& p = ActivePainter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillRect(DeviceBox(x1, y1, x2, y2), brush_.color);
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1) return;
    QPainter& p = ActivePainter();
    ApplyPen(p, true);
    QRect box = DeviceBox(x1, y1, x2, y2);
    // An aliased outline of the rectangle (l, t, w, h) covers l .. l + w; the box
    // covers left .. right inclusive.
    p.drawEllipse(QRect(box.left(), box.top(), box.width() - 1, box.height() - 1));
}

void Canvas::Circle(int x, int y, int r) { Ellipse(x - r, y - r, x + r, y + r); }

bool Canvas::FloodFill(int x, int y, QColor color, FloodFillMode mode) {
    return FloodFillImage(ToDevice(x, y), color, mode,
                          QRect(0, 0, image_.width(), image_.height()));
}

bool Canvas::FloodFill(int x, int y, QColor color, FloodFillMode mode, const QRect& limit) {
    const QRect box = limit.normalized();
    const QRect deviceLimit =
        identityMapping_ ? box
                         : DeviceBox(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
    return FloodFillImage(ToDevice(x, y), color, mode, deviceLimit);
}

bool Canvas::FloodFillImage(QPoint start, QColor color, FloodFillMode mode, const QRect& limit) {
    if (!ownsImage_) return false;
    End();
    const QRect area = limit.intersected(QRect(0, 0, image_.width(), image_.height()));
    if (!area.contains(start)) return false;
    const int x0 = area.left(), y0 = area.top();
    const int w = area.width(), h = area.height();
    const QRgb key = color.rgb() & 0x00ffffffu;
    const QRgb fill = 0xff000000u | brush_.color.rgb();
    QRgb* bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    // Local coordinates inside `area`.
    auto at = [&](int px, int py) -> QRgb& { return bits[(py + y0) * stride + (px + x0)]; };
    auto inside = [&](int px, int py) {
        QRgb c = at(px, py) & 0x00ffffffu;
        return mode == FloodFillMode::Border ? c != key : c == key;
    };
    const QPoint s0(start.x() - x0, start.y() - y0);
    if (!inside(s0.x(), s0.y())) return false;

    // Scanline fill with a visited map: the fill colour may itself count as
    // "inside" (border mode with fill != border), so visiting must not depend on
    // the colour alone.
    std::vector<unsigned char> seen(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    auto visited = [&](int px, int py) -> unsigned char& {
        return seen[static_cast<size_t>(py) * w + px];
    };
    std::vector<QPoint> stack{s0};
    while (!stack.empty()) {
        QPoint p = stack.back();
        stack.pop_back();
        const int sy = p.y();
        int left = p.x();
        if (visited(left, sy) || !inside(left, sy)) continue;
        while (left > 0 && !visited(left - 1, sy) && inside(left - 1, sy)) --left;
        int right = p.x();
        while (right + 1 < w && !visited(right + 1, sy) && inside(right + 1, sy)) ++right;
        for (int px = left; px <= right; ++px) {
            visited(px, sy) = 1;
            at(px, sy) = fill;
        }
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= h) continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                bool open = !visited(px, ny) && inside(px, ny);
                if (open && !inRun) stack.push_back({px, ny});
                inRun = open;
            }
        }
    }
    return true;
}

// --- text ----------------------------------------------------------------------

QFont Canvas::QtFont() const {
    QFont f(font_.name);
    double devicePixels;
    if (font_.sizeInPoints && (ownsImage_ || !device_)) {
        devicePixels = font_.size * kImageDotsPerInch / 72.0 * LengthScale();
    } else if (font_.sizeInPoints) {
        devicePixels = font_.size * device_->logicalDpiY() / 72.0;
    } else {
        devicePixels = font_.size * LengthScale();
    }
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(devicePixels))));
    f.setBold(font_.bold);
    f.setItalic(font_.italic);
    f.setUnderline(font_.underline);
    // Crisp, unsmoothed glyphs like the classic screen fonts; also keeps text
    // pixels to the font and background colours only. A scaled image gets smooth
    // glyphs at its full resolution.
    f.setStyleStrategy(SmoothText() ? QFont::PreferAntialias : QFont::NoAntialias);
    return f;
}

QSize Canvas::TextExtent(const QString& text) const {
    QFontMetrics metrics(QtFont());
    double scale = LengthScale();
    int w = metrics.horizontalAdvance(text);
    int h = metrics.height();
    // On a scaled image the logical cell covers the whole drawn cell, so that clearing
    // it removes every pixel of the text.
    if (ownsImage_ && !identityMapping_)
        return {static_cast<int>(std::ceil(w / scale)), static_cast<int>(std::ceil(h / scale))};
    return {static_cast<int>(std::lround(w / scale)), static_cast<int>(std::lround(h / scale))};
}

int Canvas::TextWidth(const QString& text) const { return TextExtent(text).width(); }
int Canvas::TextHeight(const QString& text) const { return TextExtent(text).height(); }

void Canvas::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    QPainter& p = ActivePainter();
    QFont f = QtFont();
    QFontMetrics metrics(f);
    QPoint d = ToDevice(x, y);
    QRect cell(d.x(), d.y(), metrics.horizontalAdvance(text), metrics.height());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (textBackground_ == TextBackground::Opaque) p.fillRect(cell, brush_.color);
    p.setRenderHint(QPainter::TextAntialiasing, SmoothText());
    p.setFont(f);
    p.setPen(font_.color);
    p.drawText(QPoint(d.x(), d.y() + metrics.ascent()), text);
}

// --- images --------------------------------------------------------------------

void Canvas::Draw(int x, int y, const QImage& image) {
    QPainter& p = ActivePainter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(ToDevice(x, y), image);
}

void Canvas::StretchDraw(int x1, int y1, int x2, int y2, const QImage& image) {
    QPainter& p = ActivePainter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QRect box = DeviceBox(x1, y1, x2, y2);
    p.drawImage(box, image);
}
