// The drawing surface of every chart-like view: a canvas with the classic
// pen / brush / font model (move-to and line-to, rectangles, ellipses, text on a
// transparent or opaque background, single pixels, pen modes copy, exclusive-or and
// inverted exclusive-or, flood fill up to a border colour).
//
// A Canvas either owns an image (windows, offscreen drawing, tests, the chart
// image of polaride-cli) or draws on any other QPaintDevice (a printer page).
// Pixel reads and flood fill need an image; on other devices Pixel() returns an
// invalid colour and FloodFill() does nothing.
//
// Coordinates are logical units. By default one unit is one device pixel, x to the
// right, y downwards. SetMapping() installs another mapping, for example tenths of
// a millimetre with y upwards on a printer (see LoMetricMapping()); the mapping
// moves the points and scales lengths (radii, pen widths, pixel font heights) but
// never mirrors text: text always reads upright with its top-left corner at the
// given point, like on the screen. On an owned image a scaling mapping draws a chart
// of a fixed logical size larger (see chart/canvas_fit.h): point sizes grow with it,
// a single pixel covers its whole box of image pixels, and flood fill keeps to the
// mapped limit box.
//
// Lines follow the classic rule: LineTo draws from the current position up to, but
// not including, the end point, so joined strokes in exclusive-or mode do not
// cancel their shared points. Rectangle(x1, y1, x2, y2) and Ellipse(...) cover the
// box from (x1, y1) to (x2 - 1, y2 - 1).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTransform>
#include <memory>
#include <vector>

#include "core/non_copyable.h"

class QPainter;
class QPaintDevice;

enum class PenMode {
    Copy,    // the pen colour replaces the pixel
    Xor,     // pixel XOR pen colour: drawing twice restores the pixel
    NotXor,  // NOT (pixel XOR pen colour): drawing twice restores the pixel
};

enum class BrushStyle {
    Solid,  // shapes are filled with the brush colour
    Clear,  // shapes are outlines only
};

enum class TextBackground {
    Opaque,       // the text cell is filled with the brush colour first
    Transparent,  // only the glyphs are drawn
};

enum class FloodFillMode {
    Border,   // fill every connected pixel that is not the given colour
    Surface,  // fill every connected pixel that is the given colour
};

struct CanvasPen {
    QColor color = Qt::black;
    int width = 1;  // logical units; 0 and 1 both give the thinnest line
    PenMode mode = PenMode::Copy;
};

struct CanvasBrush {
    QColor color = Qt::white;
    BrushStyle style = BrushStyle::Solid;
};

struct CanvasFont {
    QString name = QStringLiteral("MS Sans Serif");
    // Size in typographic points (1/72 inch at the device resolution; on an image
    // 96 pixels per inch) when sizeInPoints, else the em height in logical units.
    double size = 8.0;
    bool sizeInPoints = true;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;

    static CanvasFont Points(const QString& name, double points, bool bold = false,
                             QColor color = Qt::black);
    static CanvasFont Pixels(const QString& name, double pixels, bool bold = false,
                             QColor color = Qt::black);
};

class Canvas : NonCopyable {
  public:
    // An owned image of the given size (format RGB32), filled with `background`.
    Canvas(int width, int height, QColor background = Qt::black);
    // Draws on another device (a printer page, a widget); the device must outlive
    // the canvas. Painting starts at the first drawing operation and ends with
    // End() or the destructor.
    explicit Canvas(QPaintDevice* device);
    ~Canvas();

    // --- the surface ---------------------------------------------------------
    bool HasImage() const { return ownsImage_; }
    int Width() const;  // device pixels
    int Height() const;
    // The drawing area in logical units: the size fixed by SetLogicalSize(), else the
    // device size mapped back (at the identity mapping Width() x Height()).
    QSize LogicalSize() const;
    void SetLogicalSize(QSize size) { logicalSize_ = size; }
    // The owned image with every drawing so far (ends the current painting pass,
    // which restarts by itself at the next drawing operation). Empty for devices.
    const QImage& Image() const;
    // Replaces the owned image by a new one of the given size, filled with
    // `background`. Ignored for devices.
    void Resize(int width, int height, QColor background = Qt::black);
    // Fills the whole surface with a colour (pen mode copy).
    void Clear(QColor color);
    // Finishes painting on a device (flushes a printer page); drawing again later
    // starts a new painting pass.
    void End() const;
    // The painter of the current pass, for drawing that the canvas does not cover.
    // Valid until the next call of Image(), End(), SetPixel() or FloodFill().
    QPainter& Painter();

    // --- coordinate mapping --------------------------------------------------
    void SetMapping(const QTransform& logicalToDevice);
    const QTransform& Mapping() const { return mapping_; }
    // Logical units of 0.1 mm, origin at the top-left of the page, y upwards (the
    // page lies at negative y), for a device of the given resolution.
    static QTransform LoMetricMapping(double dotsPerInchX, double dotsPerInchY);
    QPoint ToDevice(int x, int y) const;

    // --- drawing state -------------------------------------------------------
    CanvasPen& Pen() { return pen_; }
    const CanvasPen& Pen() const { return pen_; }
    CanvasBrush& Brush() { return brush_; }
    const CanvasBrush& Brush() const { return brush_; }
    CanvasFont& Font() { return font_; }
    const CanvasFont& Font() const { return font_; }
    void SetPen(QColor color, int width = 1, PenMode mode = PenMode::Copy);
    void SetBrush(QColor color, BrushStyle style = BrushStyle::Solid);
    void SetFont(const CanvasFont& font) { font_ = font; }
    TextBackground Background() const { return textBackground_; }
    void SetTextBackground(TextBackground mode) { textBackground_ = mode; }
    QPoint PenPos() const { return penPos_; }

    // --- pixels --------------------------------------------------------------
    // Sets one pixel whatever the pen mode. Outside the image nothing happens. On a
    // scaled image the logical pixel covers its box of image pixels, so neighbouring
    // pixels join without gaps.
    void SetPixel(int x, int y, QColor color);
    // The colour of a pixel (alpha 255); an invalid QColor outside the image or on
    // a device without an image. On a scaled image: the image pixel at the top-left
    // corner of the logical pixel's box (where lines through the pixel pass).
    QColor Pixel(int x, int y) const;
    // The same as 0xRRGGBB, or -1 where Pixel() is invalid (quick probes).
    long PixelRgb(int x, int y) const;

    // --- lines and shapes ----------------------------------------------------
    void MoveTo(int x, int y);
    // A line in the pen from the pen position to (x, y), end point excluded; the
    // pen position becomes (x, y).
    void LineTo(int x, int y);
    // Joined lines through the points (end point of the last one excluded).
    void Polyline(const std::vector<QPoint>& points);
    // Box from (x1, y1) to (x2 - 1, y2 - 1): outlined with the pen, filled with
    // the brush unless the brush style is Clear.
    void Rectangle(int x1, int y1, int x2, int y2);
    // Fills the box (x1, y1) .. (x2 - 1, y2 - 1) with the brush colour, no outline.
    void FillRect(int x1, int y1, int x2, int y2);
    // Ellipse inscribed in the box (x1, y1) .. (x2 - 1, y2 - 1), outline with the
    // pen, filled with the brush unless the brush style is Clear.
    void Ellipse(int x1, int y1, int x2, int y2);
    // Circle of radius r about (x, y): Ellipse(x - r, y - r, x + r, y + r).
    void Circle(int x, int y, int r);

    // Fills with the brush colour, starting at (x, y): mode Border fills every
    // 4-connected pixel that differs from `color`; mode Surface every connected
    // pixel equal to `color`. Needs an image; returns false when nothing could be
    // done (no image, start outside, start pixel excluded).
    bool FloodFill(int x, int y, QColor color, FloodFillMode mode = FloodFillMode::Border);
    // The same, never leaving the box `limit` (logical units, mapped like every
    // other box): a border with a gap cannot flood the whole picture.
    bool FloodFill(int x, int y, QColor color, FloodFillMode mode, const QRect& limit);

    // --- text ----------------------------------------------------------------
    // Text with its top-left corner at (x, y), in the font, on the brush colour
    // when the background is Opaque. The pen position is not changed.
    void TextOut(int x, int y, const QString& text);
    // Size of the text cell in logical units.
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    QSize TextExtent(const QString& text) const;

    // --- images --------------------------------------------------------------
    // Draws an image with its top-left corner at (x, y), unscaled (device pixels).
    void Draw(int x, int y, const QImage& image);
    // Draws an image scaled into the box (x1, y1) .. (x2 - 1, y2 - 1).
    void StretchDraw(int x1, int y1, int x2, int y2, const QImage& image);

  private:
    QPainter& ActivePainter() const;
    void ApplyPen(QPainter& p, bool withBrush) const;
    QFont QtFont() const;
    double LengthScale() const;
    bool SmoothText() const;
    bool FloodFillImage(QPoint start, QColor color, FloodFillMode mode, const QRect& limit);
    QRect DeviceBox(int x1, int y1, int x2, int y2) const;
    void DrawSegment(QPoint from, QPoint to);

    bool ownsImage_ = false;
    mutable QImage image_;
    QPaintDevice* device_ = nullptr;
    mutable std::unique_ptr<QPainter> painter_;
    QTransform mapping_;
    bool identityMapping_ = true;
    QSize logicalSize_;

    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
    TextBackground textBackground_ = TextBackground::Opaque;
    QPoint penPos_{0, 0};
};

// Substitutes the classic font names ("Courier New", "Arial", "Times New Roman",
// "MS Sans Serif") by installed metric twins. Called by every Canvas; harmless to
// call again.
void InstallCanvasFontSubstitutes();
