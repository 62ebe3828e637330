#include "app/program.h"

#include <QApplication>
#include <QLockFile>
#include <QTranslator>

#include "app/first_paint.h"
#include "app/qt_translations.h"
#include "app/start_checks.h"
#include "app/startup_report.h"
#include "core/replace_file.h"
#include "ui/common/dialogs.h"
#include "ui/common/windows.h"
#include "ui/places/germany_map_window.h"
#include "ui/places/go_to_equatorial_dialog.h"
#include "ui/places/go_to_horizontal_dialog.h"
#include "ui/places/observer_dialog.h"
#include "ui/places/place_entry_dialog.h"
#include "ui/places/place_list_window.h"
#include "ui/places/world_map_window.h"
#include "ui/satellites/element_update_dialog.h"
#include "ui/satellites/ground_track_window.h"
#include "ui/satellites/orbit_class_window.h"
#include "ui/satellites/pass_dialog.h"
#include "ui/satellites/pass_list_window.h"
#include "ui/satellites/satellite_info_window.h"
#include "ui/satellites/satellite_selection_window.h"
#include "ui/satellites/transit_dialog.h"
#include "ui/satellites/transit_list_window.h"
#include "ui/sky/live_time.h"
#include "ui/sky/main_chart_widget.h"
#include "ui/sky/main_window.h"
#include "ui/sky/named_star_window.h"
#include "ui/sky/zoom_window.h"

namespace {

// Creates one window hidden, records it in the registry and in the creation order.
template <typename Window>
void Create(Window*& slot, std::vector<QWidget*>& order,
            std::vector<std::function<void()>>& unregister) {
    auto* window = new Window(nullptr);
    slot = window;
    order.push_back(window);
    unregister.push_back([&slot] { slot = nullptr; });
}

}  // namespace

ProgramWindows::ProgramWindows(Creation creation) {
    // What a write killed half-way (the settings file, a saved list) left in the
    // working folder.
    RemoveStaleTemporaries(".");
    RouteChartMessagesToDialogs();
    Windows& w = AppWindows();
    // The main window first: it builds the place and the displayed instant before any other window
    // exists.
    Create(w.mainWindow, order_, unregister_);
    AttachSkyChart(*w.mainWindow);  // the chart canvas, its drawing and the chart's menu entries
    if (creation == Creation::All) CreateRemainingWindows();
}

void ProgramWindows::CreateRemainingWindows() {
    if (order_.size() > 1) return;
    Windows& w = AppWindows();
    Create(w.zoomWindow, order_, unregister_);
    Create(w.namedStarWindow, order_, unregister_);
    Create(w.worldMapWindow, order_, unregister_);
    Create(w.germanyMapWindow, order_, unregister_);
    Create(w.placeEntryDialog, order_, unregister_);
    Create(w.goToEquatorialDialog, order_, unregister_);
    Create(w.goToHorizontalDialog, order_, unregister_);
    Create(w.satelliteSelectionWindow, order_, unregister_);
    Create(w.satelliteInfoWindow, order_, unregister_);
    Create(w.passDialog, order_, unregister_);
    Create(w.passListWindow, order_, unregister_);
    Create(w.placeListWindow, order_, unregister_);
    Create(w.observerDialog, order_, unregister_);
    Create(w.groundTrackWindow, order_, unregister_);
    Create(w.orbitClassWindow, order_, unregister_);
    Create(w.elementUpdateDialog, order_, unregister_);
    Create(w.transitDialog, order_, unregister_);
    Create(w.transitListWindow, order_, unregister_);
}

ProgramWindows::~ProgramWindows() {
    // Later windows go first; a window being destroyed still finds the earlier ones.
    while (!order_.empty()) {
        QWidget* window = order_.back();
        order_.pop_back();
        unregister_.back()();
        unregister_.pop_back();
        delete window;
    }
}

int RunPolaride(QApplication& application, StartupReport* startup) {
    // Before the first window: Qt's buttons and dialogs speak German too.
    const std::unique_ptr<QTranslator> qtGerman = LoadQtGermanTranslations();
    if (qtGerman) application.installTranslator(qtGerman.get());
    if (const std::optional<QString> problem = StartProblemArgument(application.arguments()))
        return ShowStartProblem(*problem);
    QLockFile lock(QString::fromUtf8(kWorkingFolderLockName));
    if (!ClaimWorkingFolder(lock)) return 1;
    ProgramWindows windows(ProgramWindows::Creation::MainWindowFirst);
    MainWindow& main = *AppWindows().mainWindow;
    main.liveTime().Resume();  // the chart follows the clock from the start
    if (startup) startup->MainWindowReady();
    AfterFirstPaint(*main.chartWidget(), [&windows, startup] {
        if (startup) startup->FirstPainted();
        windows.CreateRemainingWindows();
        if (startup) startup->AllWindowsReady();
    });
    main.showMaximized();
    return application.exec();
}
