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
// ObserverDialog, GroundTrackWindow, OrbitClassWindow, ElementUpdateDialog. All are hidden;
// AppWindows() points at them while the object lives. They are destroyed in reverse order,
// the main window last. Before the first window, the temporary files that killed writes
// left in the working folder are removed.
class ProgramWindows : NonCopyable {
  public:
    enum class Creation {
        All,              // every window now
        MainWindowFirst,  // the main window now, the others by CreateRemainingWindows()
    };

    explicit ProgramWindows(Creation creation = Creation::All);
    ~ProgramWindows();

    // Creates the windows after the main window, in their order; nothing when they exist.
    void CreateRemainingWindows();

    // The windows in creation order.
    const std::vector<QWidget*>& creationOrder() const { return order_; }

  private:
    std::vector<QWidget*> order_;
    std::vector<std::function<void()>> unregister_;  // clears each registry slot
};

// Creates the windows, shows the main window maximised and runs the event loop; first
// shows a problem handed over by the launcher, or refuses a second program on the same
// working folder (app/start_checks.h), and ends with status 1 then. The windows that are
// not shown at start are created right after the main window's first picture (the user
// sees the main window sooner; nothing can reach them before). A given `startup` report
// notes the moments of the start.
int RunPolaride(QApplication& application, StartupReport* startup = nullptr);
