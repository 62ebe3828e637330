#include "app/startup_report.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

namespace {

// Field 22 of /proc/self/stat: the start time in clock ticks after boot. The command
// name (field 2) stands in parentheses and may itself hold blanks and parentheses, so
// the fields are counted from the last ")".
std::optional<unsigned long long> ProcessStartTicks() {
    std::ifstream in("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(text.substr(close + 1));
    std::string field;
    for (int n = 3; n < 22; ++n)
        if (!(fields >> field)) return std::nullopt;
    unsigned long long ticks = 0;
    if (!(fields >> ticks)) return std::nullopt;
    return ticks;
}

// Ends the watch after the first paint of the widget has been handled: the event that
// the filter sees comes before the widget paints, so the report waits for the next turn
// of the event loop, when the picture has gone to the window system.
class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget& widget, std::function<void()> painted)
        : QObject(&widget), painted_(std::move(painted)) {
        widget.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    painted_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> painted_;
};

}  // namespace

std::optional<double> MillisecondsSinceProcessStart() {
    const std::optional<unsigned long long> ticks = ProcessStartTicks();
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!ticks || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::nullopt;
    const double nowMs =
        static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    return nowMs - static_cast<double>(*ticks) * 1e3 / static_cast<double>(ticksPerSecond);
}

std::string StartupReportLine(double mainMs, double windowsMs, double firstPaintMs) {
    char line[128];
    std::snprintf(line, sizeof line,
                  "polaride startup: first paint %.0f ms (main %.0f ms, windows %.0f ms)",
                  firstPaintMs, mainMs, windowsMs);
    return line;
}

StartupReport::StartupReport() {
    const char* value = std::getenv("POLARIDE_STARTUP_REPORT");
    if (!value || !*value || std::strcmp(value, "0") == 0) return;
    mode_ = std::strcmp(value, "quit") == 0 ? Mode::ReportAndQuit : Mode::Report;
    mainMs_ = MillisecondsSinceProcessStart().value_or(0.0);
}

void StartupReport::WatchFirstPaint(QWidget& paintedWidget) {
    if (!enabled()) return;
    windowsMs_ = MillisecondsSinceProcessStart().value_or(0.0);
    new FirstPaintWatch(paintedWidget, [this] {
        const double paintedMs = MillisecondsSinceProcessStart().value_or(0.0);
        std::fprintf(stderr, "%s\n", StartupReportLine(mainMs_, windowsMs_, paintedMs).c_str());
        std::fflush(stderr);
        if (mode_ == Mode::ReportAndQuit) QCoreApplication::exit(0);
    });
}
