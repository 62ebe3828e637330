#include "passes/satwahl.h"

#include <QPushButton>

// Interim: the window's controls follow.
class SelectionListModel {};

TForm8::TForm8(QWidget* parent) : QWidget(parent) { setWindowTitle(QStringLiteral("Polaride - Satwahl")); }
TForm8::~TForm8() = default;
void TForm8::ClearSatelliteLists() {}
void TForm8::AppendSatelliteName(const std::string&) {}
void TForm8::RefreshLists() {}
QStringList TForm8::FilterFieldTexts() const { return {}; }
void TForm8::SetFilterFieldTexts(const QStringList&) {}
void TForm8::AddMarked() {}
void TForm8::RemoveMarked() {}
void TForm8::SelectAll() {}
void TForm8::RemoveAll() {}
void TForm8::NameFilter() {}
void TForm8::PerigeeFilter() {}
void TForm8::ApogeeFilter() {}
void TForm8::InclinationFilter() {}
void TForm8::Geosync() {}
void TForm8::Sunsync() {}
void TForm8::Molniya() {}
void TForm8::GeosyncList() {}
void TForm8::SunsyncList() {}
void TForm8::MolniyaList() {}
void TForm8::PrintList() {}
void TForm8::WorldMap() {}
void TForm8::Passes() {}
void TForm8::Ok() {}
void TForm8::ShowInfoForTableRow(int) {}
void TForm8::ShowInfoForSelection(int) {}
QPushButton* TForm8::defaultButton() const { return defaultButton_; }
void TForm8::showEvent(QShowEvent* event) { QWidget::showEvent(event); }
void TForm8::hideEvent(QHideEvent* event) { QWidget::hideEvent(event); }
void TForm8::keyPressEvent(QKeyEvent* event) { QWidget::keyPressEvent(event); }
bool TForm8::eventFilter(QObject* watched, QEvent* event) { return QWidget::eventFilter(watched, event); }
