#include "ui/common/dialog_rows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QPushButton* NamedButton(const QString& text, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

OkCancelButtons MakeOkCancelButtons(QWidget* parent) {
    OkCancelButtons buttons;
    buttons.ok = new QPushButton(QStringLiteral("OK"), parent);
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(QStringLiteral("Abbrechen"), parent);
    return buttons;
}

QHBoxLayout* RightAlignedButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) row->addWidget(button);
    return row;
}

void AddLabelledField(QGridLayout* grid, int row, QLabel* label, QWidget* field) {
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}
