// Chart printing: the page geometry rules, and whole printouts to PDF read back with
// pdftotext (header texts, landscape page) and the circles that were printed.
#include "chart/chart_print.h"

#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "chart/body_plot.h"
#include "chart/canvas.h"
#include "chart/chart_view.h"
#include "chart/satellite_plot.h"
#include "chart/zoom_chart.h"
#include "chart/zoom_moon.h"
#include "chart_fixture.h"
#include "core/display_options.h"
#include "core/displayed_instant.h"
#include "core/sun_moon.h"
#include "prediction/selection_model.h"
#include "satellite/satellites_at_instant.h"
#include "ui/sky/chart_printing.h"
#include "ui/sky/zoom_window.h"

namespace {

using charttest::ChartTest;

TEST(PrintRules, RadiiOfStarsPlanetsAndSatellites) {
    struct Case {
        double m;
        int star;
        int satellite;
        int zoom2;
        int zoom4;
        int zoom8;
    };
    const Case cases[] = {
        {1.5, 6, 6, 7, 10, 14}, {-1.4, 8, 8, 11, 15, 19}, {6.3, 1, 2, 1, 3, 4},
        {0.0, 7, 7, 9, 13, 17}, {4.99, 3, 3, 3, 5, 7},    {-4.4, 11, 11, 14, 19, 25},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintedStarRadius(c.m), c.star) << c.m;
        EXPECT_EQ(PrintedSatelliteRadius(c.m), c.satellite) << c.m;
        EXPECT_EQ(PrintedZoomStarRadius(c.m, 2), c.zoom2) << c.m;
        EXPECT_EQ(PrintedZoomStarRadius(c.m, 4), c.zoom4) << c.m;
        EXPECT_EQ(PrintedZoomStarRadius(c.m, 8), c.zoom8) << c.m;
    }
}

TEST(PrintRules, TrailStepsSinceTheOrigin) {
    const double t = 40000.0;
    EXPECT_EQ(TrailStepCount(t, t, 6), 0);
    EXPECT_EQ(TrailStepCount(t + 60.0 / 86400.0, t, 6), 10);
    EXPECT_EQ(TrailStepCount(t + 59.0 / 86400.0, t, 6), 10);  // rounded
    EXPECT_EQ(TrailStepCount(t + 2.0 / 86400.0, t, 6), 0);
    EXPECT_EQ(TrailStepCount(t + 60.0 / 86400.0, t, 0), 0) << "no division by a zero step";
}

// The printed Moon is inked where the screen's Moon is lit (paper y runs upwards, so
// the paper pixel of screen pixel (x, y) is (x, 2 cy - y)), for both crescents and
// both gibbous phases, upright and turned.
TEST(PrintRules, MoonIsInkedOnTheSideTheScreenLights) {
    struct Case {
        double fraction;
        bool waxing;
        double limbAngle;
    };
    const Case cases[] = {{0.86, true, 0.0}, {0.86, false, 0.0}, {0.3, true, 0.0},
                          {0.3, false, 0.0}, {0.86, true, 0.7},  {0.7, false, 2.0}};
    constexpr int c = 100, f = 60;
    for (const Case& k : cases) {
        ResetMoonState();
        Moon().illuminatedFraction = k.fraction;
        Moon().phaseValue = k.waxing ? k.fraction : 2.0 - k.fraction;
        Moon().phaseAngleDeg = std::acos(2.0 * k.fraction - 1.0) / kDegToRad;
        MoonPlot().limbAngle = k.limbAngle;
        Canvas screen(2 * c, 2 * c, Qt::black);
        DrawMoonDiscAt(screen, c, c, f, 0);
        Canvas paper(2 * c, 2 * c, Qt::white);
        InkMoonPhase(paper, QPoint(c, c), f, k.limbAngle);
        // Turned, the inked curves leave single pixels between them.
        const auto inked = [&paper](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (paper.PixelRgb(x + dx, y + dy) == 0) return true;
            return false;
        };
        int disc = 0, differing = 0;
        for (int y = c - f + 2; y <= c + f - 2; ++y)
            for (int x = c - f + 2; x <= c + f - 2; ++x) {
                const long shown = screen.PixelRgb(x, y);
                if (std::hypot(x - c, y - c) > f - 2 || (shown != 0xffff00 && shown != 0)) continue;
                ++disc;
                if ((shown == 0xffff00) != inked(x, 2 * c - y)) ++differing;
            }
        EXPECT_LT(differing, disc / 25)
            << k.fraction << (k.waxing ? " waxing" : " waning") << " turned by " << k.limbAngle;
    }
    ResetMoonState();
    ResetBodyPlots();
}

QString PdfText(const std::filesystem::path& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Width and height of the first page in points (pdfinfo).
QSizeF PdfPageSize(const std::filesystem::path& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf.string())});
    if (!p.waitForFinished(60000)) return {};
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpression re(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)"));
    const QRegularExpressionMatch m = re.match(out);
    if (!m.hasMatch()) return {};
    return QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
}

bool HavePoppler() {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-v")});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit;
}

class PrintTest : public ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        ViewOptions().showPlanetNames = true;
        ViewOptions().showConstellationLines = true;
        ASSERT_TRUE(DrawSkyChart(*canvas));
        dialogs->Clear();
    }
    // Keeps a copy of a printout when POLARIDE_KEEP_PRINTOUT names a file.
    static void Keep(const std::filesystem::path& pdf) {
        if (const char* keep = std::getenv("POLARIDE_KEEP_PRINTOUT"))
            std::filesystem::copy_file(pdf, keep,
                                       std::filesystem::copy_options::overwrite_existing);
    }
    testsupport::TempDir temp;
};

TEST_F(PrintTest, SkyChartPageIsLandscapeWithItsHeaderTexts) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftotext is not installed";
    const auto pdf = temp / "sky.pdf";
    dialogs->AnswerPrint(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(PrintSkyChart());
    ASSERT_TRUE(std::filesystem::exists(pdf));
    Keep(pdf);
    const QSizeF size = PdfPageSize(pdf);
    EXPECT_GT(size.width(), size.height()) << "landscape";
    const QString text = PdfText(pdf);
    FormatDateTime1900(Shown().currentJD);
    // pdftotext may widen the blanks of a line: compare with any run of blanks.
    auto has = [&](const QString& expected) {
        QString pattern = QRegularExpression::escape(expected);
        pattern.replace(QStringLiteral("\\ "), QStringLiteral(" "));
        pattern.replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral("\\s+"));
        return text.contains(QRegularExpression(pattern));
    };
    const QString expectedTexts[] = {
        QStringLiteral("Der Sternhimmel in Berlin"),
        QStringLiteral("am ") + QString::fromStdString(DateText),
        QStringLiteral("um ") + QString::fromStdString(TimeText),
        QStringLiteral("Sonnenhöhe: ") + QString::number(Sun().altitudeDeg, 'f', 2) +
            QStringLiteral("°"),
        QStringLiteral("Mondhöhe:   ") + QString::number(Moon().altitudeDeg, 'f', 2) +
            QStringLiteral("°"),
        QStringLiteral("bel.Teil:   ") +
            QString::number(Moon().illuminatedFraction * 100.0, 'f', 0) + QStringLiteral("%"),
        ChartTexts().riseSet[3].text,  // "SA  dd.mm.yyyy  hh:mm"
        ChartTexts().riseSet[9].text};
    for (const QString& expected : expectedTexts)
        EXPECT_TRUE(has(expected)) << expected.toStdString();
    for (int i = 0; i < kBodyCount; ++i) {
        const BodyPlotEntry& b = BodyPlotTable()[static_cast<size_t>(i)];
        const auto name = kBodyNames[static_cast<size_t>(i)];
        if (b.x * b.y > 0.0) {
            EXPECT_TRUE(has(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
        }
    }
    EXPECT_TRUE(text.contains(QStringLiteral("zunehmend")) ||
                text.contains(QStringLiteral("abnehmend")));
    // Every plotted star printed with 7 - trunc(m).
    int stars = 0;
    for (const StarPlotEntry& e : StarPlotTable())
        if (e.x * e.y != 0.0) ++stars;
    int printedStars = 0;
    for (const PrintedCircle& c : LastPrintedCircles()) {
        if (c.layer == 's') ++printedStars;
        EXPECT_NE(c.layer, 't') << "no steps, no trail";
    }
    EXPECT_EQ(printedStars, stars);
}

TEST_F(PrintTest, ACancelledDialogPrintsNothing) {
    const auto pdf = temp / "none.pdf";
    dialogs->CancelNext(testsupport::DialogKind::Print);
    EXPECT_FALSE(PrintSkyChart());
    EXPECT_FALSE(PrintZoomChart());
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintTest, ZoomPageHeaderAndZoomRadii) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftotext is not installed";
    ChartView().zoomFactor = 4;
    ChartZoomOffsets().zoomOffsetX = 324;
    ChartZoomOffsets().zoomOffsetY = 220;
    const auto pdf = temp / "zoom.pdf";
    dialogs->AnswerPrint(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(PrintZoomChart());
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Zoom 4 : Berlin"))) << text.left(300).toStdString();
    EXPECT_TRUE(
        text.contains(QStringLiteral(" : So ") + QString::number(Sun().altitudeDeg, 'f', 2)));
    for (const PrintedCircle& c : LastPrintedCircles())
        if (c.layer == 's') {
            EXPECT_GE(c.radius, PrintedZoomStarRadius(5.0, 4));
        }
}

class PrintSatellites : public PrintTest {
  protected:
    void SetUp() override {
        PrintTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(SelectAprilSatellites());
        SetInstant(JulianDay1900(2026, 4, 20) + 19.5 / 24.0);
        ASSERT_TRUE(DrawSkyChart(*canvas));
        dialogs->Clear();
    }
    // Satellites on the chart at each of the `steps` earlier instants.
    static int ExpectedTrailPoints(int steps) {
        const JD1900 now = Shown().currentJD;
        int n = 0;
        for (int i = 1; i <= steps; ++i) {
            Shown().currentJD = now - i * Shown().timeStepSeconds / 86400.0;
            ComputeSatellites();
            const SatelliteTable& s = Satellites();
            for (int k = 1; k <= s.selectedCount; ++k)
                if (s.chartX[static_cast<size_t>(k)] * s.chartY[static_cast<size_t>(k)] != 0.0) ++n;
        }
        Shown().currentJD = now;
        ComputeSatellites();
        return n;
    }
    static int Count(char layer) {
        int n = 0;
        for (const PrintedCircle& c : LastPrintedCircles())
            if (c.layer == layer) ++n;
        return n;
    }
};

TEST_F(PrintSatellites, TenStepsGiveTenTrailCirclesPerSatelliteAndNoneWithoutSteps) {
    const auto pdf = temp / "none.pdf";
    dialogs->AnswerPrint(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(PrintSkyChart());
    EXPECT_EQ(Count('t'), 0);
    const int satellites = Count('S');
    EXPECT_GT(satellites, 0);
    for (const PrintedCircle& c : LastPrintedCircles())
        if (c.layer == 'S') {
            EXPECT_GE(c.radius, 2);
        }

    for (int i = 0; i < 10; ++i) StepWithTrails(+1);
    const int expected = ExpectedTrailPoints(10);
    EXPECT_GT(expected, 0);
    const JD1900 now = Shown().currentJD;
    const auto pdf2 = temp / "trails.pdf";
    dialogs->AnswerPrint(QString::fromStdString(pdf2.string()));
    ASSERT_TRUE(PrintSkyChart());
    EXPECT_EQ(Count('t'), expected);
    EXPECT_DOUBLE_EQ(Shown().currentJD, now) << "the instant is restored";
}

}  // namespace
