// How long the start takes, as the user waits for it: with POLARIDE_STARTUP_REPORT set,
// the program writes one line to standard error once the start is done, counting from
// the moment the kernel created the process (so the dynamic loader and the toolkit's
// own start are included):
//
//   polaride startup: first paint 231 ms (main 48 ms, main window 170 ms, all windows 290 ms)
//
// "main" is when main() began, "main window" when the main window stood ready to be
// shown, "first paint" when its first picture had been painted, "all windows" when the
// windows not shown at start had been created after it. With POLARIDE_STARTUP_REPORT=quit
// the program ends right after that line (without writing the settings file), so that
// a whole start can be timed from outside.
#pragma once

#include <optional>
#include <string>

// Milliseconds since the kernel started this process (its start time in /proc/self/stat
// against the boot-time clock), or nothing where that is not available. The start time
// is kept in clock ticks (usually 10 ms), so the figure may be up to one tick high.
std::optional<double> MillisecondsSinceProcessStart();

struct StartupMoments {
    double mainMs = 0;
    double mainWindowMs = 0;
    double firstPaintMs = 0;
    double allWindowsMs = 0;
};

// The report line.
std::string StartupReportLine(const StartupMoments& moments);

class StartupReport {
  public:
    // Notes the moment main() began; the report is off unless the variable is set.
    StartupReport();

    bool enabled() const { return mode_ != Mode::Off; }

    void MainWindowReady();
    void FirstPainted();
    // Writes the report; ends the program in the "quit" mode.
    void AllWindowsReady();

  private:
    enum class Mode { Off, Report, ReportAndQuit };
    void Note(double& moment) const;

    Mode mode_ = Mode::Off;
    StartupMoments moments_;
};
