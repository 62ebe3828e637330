// Pieces that several windows and dialogs build the same way: named buttons, a label
// beside its field in a grid, and the buttons at the right edge under the fields.
#pragma once

#include <QPushButton>
#include <QString>
#include <initializer_list>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QWidget;

// A push button on `parent` with the object name the tests find it by.
QPushButton* NamedButton(const QString& text, const char* objectName, QWidget* parent);
// The same, with a click calling `slot` of `window` (the parent).
template <typename Window, typename Slot>
QPushButton* NamedButton(const QString& text, const char* objectName, Window* window, Slot slot) {
    QPushButton* button = NamedButton(text, objectName, static_cast<QWidget*>(window));
    QObject::connect(button, &QPushButton::clicked, window, slot);
    return button;
}

// "OK" (the default button) and "Abbrechen", both on `parent`.
struct OkCancelButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};
OkCancelButtons MakeOkCancelButtons(QWidget* parent);

// The buttons in the given order, pushed to the right edge of the row.
QHBoxLayout* RightAlignedButtonRow(std::initializer_list<QPushButton*> buttons);

// The label in column 0 and its field in column 1 of `row`; the label is the field's buddy.
void AddLabelledField(QGridLayout* grid, int row, QLabel* label, QWidget* field);
