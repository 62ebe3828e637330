#include "ui/common/selection_printing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QString>

namespace {

// Share of a font's cell height (ascent + descent) that its em size takes for the
// usual fixed-width faces: the font height of the print mapping is the cell height.
constexpr double kEmPerCell = 0.87;

}  // namespace

bool PrintTextPages(QPrinter& printer, const std::vector<PrintedPage>& pages, int fontHeight01mm) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double dotsPer01mm = printer.resolution() / 254.0;
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(
        std::max(1, static_cast<int>(fontHeight01mm * dotsPer01mm * kEmPerCell + 0.5)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = QFontMetricsF(font, &printer).ascent();

    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) printer.newPage();
        for (const PrintedText& line : pages[page])
            painter.drawText(
                QPointF(line.x * dotsPer01mm, -line.y * dotsPer01mm + ascent),
                QString::fromLatin1(line.text.data(), static_cast<qsizetype>(line.text.size())));
    }
    return painter.end();
}
