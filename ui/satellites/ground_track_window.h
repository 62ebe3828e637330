// The ground-track window "Polaride ground tracks": the selected satellites over the
// world map "welt.bmp", their tracks while time is stepped or animated, the observer's
// cross, the day side, and the information of a chosen satellite.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/ground_track_map.h"
#include "core/timescale.h"
#include "prediction/ground_track.h"

class QLabel;
class QListWidget;
class QPushButton;

class GroundTrackWindow : public QWidget {
    Q_OBJECT

  public:
    explicit GroundTrackWindow(QWidget* parent = nullptr);

    // The selection window's "Weltkarte": clears the information labels and starts the
    // tracks at the chart instant (von = bis = currentJD); the window is shown after it.
    Q_INVOKABLE void ClearInformationLabels();
    // von = bis = t.
    void SetInstants(JD1900 t);

    // Full redraw at bis: map, cross, day side, the satellites' dots, the labels.
    void ShowAll();
    // "+" / "-".
    void StepForward();
    void StepBack();
    // "Start": asks for the duration and animates.
    void StartAnimation();
    // The animation for a duration in minutes (what "Start" runs after its input box);
    // returns the number of steps made.
    int Animate(double minutes);
    // Requests the running animation to stop (the right mouse button does this).
    void AbortAnimation() { abort_ = true; }
    // Clicks on the labels.
    void EditFrom();       // "von"
    void EditStep();       // "Schrittweite"
    void ToggleDaySide();  // "Tagseite"
    // A click on the map at map pixel (x, y).
    void ClickMap(int x, int y);
    // A mouse button on line `line` of the list: that satellite is chosen, the pointer
    // moves onto its dot.
    void ChooseFromList(int line);

    JD1900 from() const { return from_; }
    JD1900 to() const { return to_; }
    int stepSeconds() const { return stepSeconds_; }
    int chosen() const { return chosen_; }
    bool daySideShown() const { return daySide_ == 1; }
    MapPixel lastPixel(int k) const { return pixels_.at(k); }
    const QImage& mapImage() const { return map_.Image(); }
    QLabel* nameLabel() const { return nameLabel_; }
    QLabel* heightLabel() const { return heightLabel_; }
    QLabel* shadowLabel() const { return shadowLabel_; }
    QLabel* longitudeLabel() const { return longitudeLabel_; }
    QLabel* latitudeLabel() const { return latitudeLabel_; }
    QLabel* fromLabel() const { return fromLabel_; }
    QLabel* toLabel() const { return toLabel_; }
    QLabel* stepLabel() const { return stepLabel_; }
    QLabel* animationLabel() const { return animationLabel_; }
    QLabel* daySideLabel() const { return daySideLabel_; }
    QLabel* distanceLabel() const { return distanceLabel_; }
    QListWidget* list() const { return list_; }
    QWidget* mapView() const { return mapView_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The input box with an empty proposal; its text, or nothing when cancelled.
    std::optional<std::string> AskValue(const QString& caption, const QString& prompt);
    void StepAll();
    void UpdateSatellites(bool drawTracks);
    bool RightButtonAbort(QEvent* event);
    void ShowInformation();
    void ClearInformation();
    void UpdateInstantLabels();

    Canvas map_{622, 301};
    QWidget* mapView_ = nullptr;
    QLabel* animationTitle_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* heightLabel_ = nullptr;
    QLabel* shadowLabel_ = nullptr;
    QLabel* longitudeLabel_ = nullptr;
    QLabel* latitudeLabel_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLabel* stepLabel_ = nullptr;
    QLabel* singleStepLabel_ = nullptr;
    QLabel* animationLabel_ = nullptr;
    QLabel* daySideLabel_ = nullptr;
    QLabel* distanceLabel_ = nullptr;
    QPushButton* plusButton_ = nullptr;
    QPushButton* minusButton_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QListWidget* list_ = nullptr;

    JD1900 from_ = 0.0;
    JD1900 to_ = 0.0;
    int stepSeconds_ = 6;
    int daySide_ = 1;
    JD1900 daySideInstant_ = 0.0;
    std::vector<MapPixel> pixels_;
    int chosen_ = -1;
    bool abort_ = false;
    bool animating_ = false;
    bool pixelsKnown_ = false;
};
