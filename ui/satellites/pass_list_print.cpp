#include "ui/satellites/pass_list_print.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

int PassListPageCount(int lineCount) {
    return lineCount <= 0 ? 1 : (lineCount + kPassLinesPerPage - 1) / kPassLinesPerPage;
}

void PrintPassList(QPrinter& printer, const QStringList& headLines, const QStringList& lines) {
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    // Device pixels per 0.1 mm.
    const double unit = printer.resolution() / 254.0;
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(std::max(1, static_cast<int>(46 * unit)));
    painter.setFont(font);
    const int ascent = QFontMetrics(font, &printer).ascent();
    // Text at (x, y): y counts upward from the top of the page, so it is negative.
    auto textAt = [&](int x, int y, const QString& text) {
        painter.drawText(QPointF(x * unit, -y * unit + ascent), text);
    };
    const int pages = PassListPageCount(static_cast<int>(lines.size()));
    for (int page = 0; page < pages; ++page) {
        if (page > 0) printer.newPage();
        for (int h = 0; h < headLines.size() && h < 4; ++h) textAt(10, -100 - 50 * h, headLines[h]);
        for (int i = 1; i <= kPassLinesPerPage; ++i) {
            const qsizetype j = static_cast<qsizetype>(page) * kPassLinesPerPage + i - 1;
            if (j >= lines.size()) break;
            textAt(10, -245 - 45 * i, lines[j]);
        }
    }
    painter.end();
}
