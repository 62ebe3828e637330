// The satellite information window "Satinfo": a text page about one satellite's orbit
// (element lines, epoch, revolutions, elements, heights with magnitudes, node and
// perigee drift, periods, ndot/2 and the sink rate), previous/next, "ndot ändern"
// and "Bahnebene". The satellite is a row of the whole table or an entry of the
// selection (Selection().infoFromSelection).
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class SatelliteInfoWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SatelliteInfoWindow(QWidget* parent = nullptr);

    // Shows the page of table row index (from 0) or selection entry index (from 0);
    // sets Selection().infoFromSelection to fromSelection.
    void ShowSatellite(int index, bool fromSelection);
    // Fills the text for the current satellite and sets the caption
    // "Satinfo   <index + 1>/<count>".
    void FillText();

    void Previous();    // arrow to the left
    void Next();        // arrow to the right
    void ChangeNdot();  // "ndot ändern"
    void OrbitPlane();  // "Bahnebene"

    int currentIndex() const { return index_; }
    QPlainTextEdit* textBox() const { return text_; }
    // The page as shown, one entry per line.
    QStringList pageLines() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Caption and text of the message at the start or the end of the list.
    struct ListEndMessage {
        const char* caption;
        const char* text;
    };

    int Count() const;
    // The message of the selection list or of the element file, as the window shows.
    void ShowListEnd(const ListEndMessage& selection, const ListEndMessage& elementFile);

    int index_ = 0;
    QPlainTextEdit* text_ = nullptr;
};
