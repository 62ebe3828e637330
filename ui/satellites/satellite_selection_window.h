// The satellite selection window "Polaride - Satwahl": all loaded satellites on the
// left, the selection on the right (each line a whole name and its catalogue
// number), arrow buttons, "alle wählen" / "alle löschen", the name filter (any part
// of a name or a catalogue number), the perigee, apogee and inclination filters, the
// orbit classes "geosync", "sunsync" and "Molniya" with their "Liste" buttons, "Liste
// drucken", "Weltkarte", "Durchgänge" and "OK". The selection itself lives in
// Satellites() and Selection() and is changed only through selection_model.h.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <string>

#include "satellite/satellite_table.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class SelectionListModel;
enum class OrbitClass;

class SatelliteSelectionWindow : public QWidget {
    Q_OBJECT

  public:
    explicit SatelliteSelectionWindow(QWidget* parent = nullptr);
    ~SatelliteSelectionWindow() override;

    // Hooks of the element load (SatelliteUi::clearSatelliteViews and the displayName
    // callback of LoadElementFile): empty both lists and the file label, then receive
    // the display names of the new table one by one.
    void ClearSatelliteLists();
    void AppendSatelliteName(const std::string& name);
    // Shows the lists as they are in Selection() (after a change made elsewhere).
    void RefreshLists();

    // The seven filter field texts in the order of the settings lines 17-23 (name,
    // perigee min/max, apogee min/max, inclination min/max), and setting them.
    QStringList FilterFieldTexts() const;
    void SetFilterFieldTexts(const QStringList& texts);

    // The buttons' actions (the buttons call these; tests may too).
    void AddMarked();          // arrow to the right
    void RemoveMarked();       // arrow to the left
    void SelectAll();          // "alle wählen"
    void RemoveAll();          // "alle löschen"
    void NameFilter();         // "Auswahl" of "nach Namen auswählen"
    void PerigeeFilter();      // perigee "Auswahl"
    void ApogeeFilter();       // apogee "Auswahl"
    void InclinationFilter();  // inclination "Auswahl"
    void Geosync();
    void Sunsync();
    void Molniya();
    void GeosyncList();  // "Liste" beside each class
    void SunsyncList();
    void MolniyaList();
    void PrintList();  // "Liste drucken"
    void WorldMap();   // "Weltkarte"
    void Passes();     // "Durchgänge"
    void Ok();         // "OK"
    // The pass menu entries enabled exactly when satellites are selected.
    void EnablePassMenus();
    // Double clicks: satellite information for a left-list row or a right-list entry
    // (both counted from 0).
    void ShowInfoForTableRow(int index);
    void ShowInfoForSelection(int index);

    // Controls, for the program and the tests.
    QListView* allList() const { return allList_; }
    QListView* selectedList() const { return selectedList_; }
    QLabel* countLabel() const { return countLabel_; }        // "<n> Satelliten" (all)
    QLabel* selectedLabel() const { return selectedLabel_; }  // "<n> Satelliten" (selection)
    QLabel* fileLabel() const { return fileLabel_; }
    QLabel* hintLabel() const { return hintLabel_; }
    QLineEdit* nameField() const { return nameField_; }
    QLineEdit* perigeeMinField() const { return perigeeMin_; }
    QLineEdit* perigeeMaxField() const { return perigeeMax_; }
    QLineEdit* apogeeMinField() const { return apogeeMin_; }
    QLineEdit* apogeeMaxField() const { return apogeeMax_; }
    QLineEdit* inclinationMinField() const { return inclinationMin_; }
    QLineEdit* inclinationMaxField() const { return inclinationMax_; }
    // The "Auswahl" button that is the default button now.
    QPushButton* defaultButton() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void UpdateSelectedLabel(bool repaintNow);
    void SelectionChanged();
    void SelectOrbitClass(::OrbitClass orbitClass);
    void ShowOrbitClassList(::OrbitClass orbitClass);
    void RangeFilter(int kind);
    void SetDefaultButton(QPushButton* button);
    bool SelectionEmptyMessage();
    // The chart that is the active view: the main window at zoomFactor 1, else the
    // zoom window.
    static QWidget* ActiveView();

    SelectionListModel* allModel_ = nullptr;
    SelectionListModel* selectedModel_ = nullptr;
    QListView* allList_ = nullptr;
    QListView* selectedList_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* selectedLabel_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLabel* hintLabel_ = nullptr;
    QLineEdit* nameField_ = nullptr;
    QLineEdit* perigeeMin_ = nullptr;
    QLineEdit* perigeeMax_ = nullptr;
    QLineEdit* apogeeMin_ = nullptr;
    QLineEdit* apogeeMax_ = nullptr;
    QLineEdit* inclinationMin_ = nullptr;
    QLineEdit* inclinationMax_ = nullptr;
    QPushButton* nameButton_ = nullptr;
    QPushButton* perigeeButton_ = nullptr;
    QPushButton* apogeeButton_ = nullptr;
    QPushButton* inclinationButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
    int settingsCollector_ = -1;
    bool busy_ = false;
    TextLines rowsWhenShown_;  // the selection when the window was shown
};
