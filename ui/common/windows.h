// The program's windows, created once at start-up in a fixed order (app/program.h):
// the main window first, the others right after its first picture. Windows reach each
// other through AppWindows(); every pointer is null before its window is created and
// after the shut-down. Forward declarations only: include the header of
// the window you use.
#pragma once

class MainWindow;
class ZoomWindow;
class NamedStarWindow;
class WorldMapWindow;
class GermanyMapWindow;
class PlaceEntryDialog;
class PlaceListWindow;
class SatelliteSelectionWindow;
class PassListWindow;
class TransitDialog;
class TransitListWindow;
class GroundTrackWindow;
class GoToEquatorialDialog;
class GoToHorizontalDialog;
class PassDialog;
class ObserverDialog;
class OrbitClassWindow;
class ElementUpdateDialog;
class QWidget;
class SatelliteInfoWindow;

struct Windows {
    MainWindow* mainWindow = nullptr;                      // main chart
    ZoomWindow* zoomWindow = nullptr;                      // zoom
    NamedStarWindow* namedStarWindow = nullptr;            // named-star list
    WorldMapWindow* worldMapWindow = nullptr;              // world map
    GermanyMapWindow* germanyMapWindow = nullptr;          // Germany map
    PlaceEntryDialog* placeEntryDialog = nullptr;          // new place
    GoToEquatorialDialog* goToEquatorialDialog = nullptr;  // go to right ascension / declination
    GoToHorizontalDialog* goToHorizontalDialog = nullptr;  // go to azimuth / altitude
    SatelliteSelectionWindow* satelliteSelectionWindow = nullptr;  // satellite selection
    SatelliteInfoWindow* satelliteInfoWindow = nullptr;            // satellite information
    PassDialog* passDialog = nullptr;                              // pass prediction dialog
    PassListWindow* passListWindow = nullptr;                      // pass list
    PlaceListWindow* placeListWindow = nullptr;                    // place list
    ObserverDialog* observerDialog = nullptr;                      // observer parameters
    GroundTrackWindow* groundTrackWindow = nullptr;                // ground tracks
    OrbitClassWindow* orbitClassWindow = nullptr;                  // orbit-class lists
    ElementUpdateDialog* elementUpdateDialog = nullptr;            // current elements
    TransitDialog* transitDialog = nullptr;                        // transit search dialog
    TransitListWindow* transitListWindow = nullptr;                // transit list
};

// The windows of the process.
Windows& AppWindows();

// Shows the window, raises it and makes it the active window; nothing when it is null.
void ShowInFront(QWidget* window);

// An open zoom window stays open behind `window` whenever it is shown or brought to the
// front again (the zoom window closes when another window of the program takes the
// focus, unless that window works with it).
void KeepZoomWindowOpenBehind(QWidget* window);
