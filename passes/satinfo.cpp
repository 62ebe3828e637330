#include "passes/satinfo.h"

#include <QStringList>

// Interim: the page follows.
Tsatmemo::Tsatmemo(QWidget* parent) : QWidget(parent) { setWindowTitle(QStringLiteral("Satinfo")); }
void Tsatmemo::ShowSatellite(int index, bool) { index_ = index; }
void Tsatmemo::FillText() {}
void Tsatmemo::Previous() {}
void Tsatmemo::Next() {}
void Tsatmemo::ChangeNdot() {}
void Tsatmemo::OrbitPlane() {}
QStringList Tsatmemo::pageLines() const { return {}; }
void Tsatmemo::showEvent(QShowEvent* event) { QWidget::showEvent(event); }
int Tsatmemo::Count() const { return 0; }
