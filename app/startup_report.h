// How long the start takes, as the user waits for it: with POLARIDE_STARTUP_REPORT set,
// the program writes one line to standard error once the main window's first picture
// has been painted, counting from the moment the kernel created the process (so the
// dynamic loader and the toolkit's own start are included):
//
//   polaride startup: first paint 231 ms (main 48 ms, windows 170 ms)
//
// "main" is when main() began, "windows" when the main window stood ready to be shown.
// With POLARIDE_STARTUP_REPORT=quit the program also ends right after that line (without
// writing the settings file), so that a whole start can be timed from outside.
#pragma once

#include <optional>
#include <string>

class QWidget;

// Milliseconds since the kernel started this process (its start time in /proc/self/stat
// against the boot-time clock), or nothing where that is not available. The start time
// is kept in clock ticks (usually 10 ms), so the figure may be up to one tick high.
std::optional<double> MillisecondsSinceProcessStart();

// The report line for the three moments.
std::string StartupReportLine(double mainMs, double windowsMs, double firstPaintMs);

class StartupReport {
  public:
    // Notes the moment main() began; the report is off unless the variable is set.
    StartupReport();

    bool enabled() const { return mode_ != Mode::Off; }

    // Notes that the windows stand ready and watches `paintedWidget` for its first paint.
    void WatchFirstPaint(QWidget& paintedWidget);

  private:
    enum class Mode { Off, Report, ReportAndQuit };
    Mode mode_ = Mode::Off;
    double mainMs_ = 0;
    double windowsMs_ = 0;
};
