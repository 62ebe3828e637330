// Program start: creates every window in the fixed order and runs the event loop.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/non_copyable.h"

class QApplication;
class StartupReport;
class QWidget;

// Every window of the program, created in the fixed order: MainWindow, ZoomWindow, NamedStarWindow,
// WorldMapWindow, GermanyMapWindow, PlaceEntryDialog, GoToEquatorialDialog, GoToHorizontalDialog,
// SatelliteSelectionWindow, SatelliteInfoWindow, PassDialog, PassListWindow, PlaceListWindow,
// ObserverDialog, GroundTrackWindow, OrbitClassWindow. All are hidden; AppWindows() points at them
// while the object lives. They are destroyed in reverse order, the main window last.
// Before the first window, the temporary files that killed writes left in the working
// folder are removed.
class ProgramWindows : NonCopyable {
  public:
    ProgramWindows();
    ~ProgramWindows();

    // The windows in creation order.
    const std::vector<QWidget*>& creationOrder() const { return order_; }

  private:
    std::vector<QWidget*> order_;
    std::vector<std::function<void()>> unregister_;  // clears each registry slot
};

// Creates the windows, shows the main window maximised and runs the event loop; first
// shows a problem handed over by the launcher, or refuses a second program on the same
// working folder (app/start_checks.h), and ends with status 1 then. A given `startup`
// report watches for the main window's first paint.
int RunPolaride(QApplication& application, StartupReport* startup = nullptr);
