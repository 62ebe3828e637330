#include "app/startup_report.h"

#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

// Field 22 of /proc/self/stat: the start time in clock ticks after boot. The command
// name (field 2) stands in parentheses and may itself hold blanks and parentheses, so
// the fields are counted from the last ")".
std::optional<unsigned long long> ProcessStartTicks() {
    std::ifstream in("/proc/self/stat");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

std::string StartupReportLine(const StartupMoments& m) {
    char line[160];
    std::snprintf(line, sizeof line,
                  "polaride startup: first paint %.0f ms (main %.0f ms, main window %.0f ms, "
                  "all windows %.0f ms)",
                  m.firstPaintMs, m.mainMs, m.mainWindowMs, m.allWindowsMs);
    return line;
}

StartupReport::StartupReport() {
    const char* value = std::getenv("POLARIDE_STARTUP_REPORT");
    if (!value || !*value || std::strcmp(value, "0") == 0) return;
    mode_ = std::strcmp(value, "quit") == 0 ? Mode::ReportAndQuit : Mode::Report;
    Note(moments_.mainMs);
}

void StartupReport::Note(double& moment) const {
    if (enabled()) moment = MillisecondsSinceProcessStart().value_or(0.0);
}

void StartupReport::MainWindowReady() { Note(moments_.mainWindowMs); }

void StartupReport::FirstPainted() { Note(moments_.firstPaintMs); }

void StartupReport::AllWindowsReady() {
    if (!enabled()) return;
    Note(moments_.allWindowsMs);
    std::fprintf(stderr, "%s\n", StartupReportLine(moments_).c_str());
    std::fflush(stderr);
    if (mode_ == Mode::ReportAndQuit) QCoreApplication::exit(0);
}
