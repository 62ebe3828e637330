#include "ui/places/place_entry_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalog/place_entry.h"
#include "core/observing_place.h"
#include "ui/common/dialog_rows.h"
#include "ui/places/place_messages.h"
#include "ui/places/redraw_active_view.h"

PlaceEntryDialog::PlaceEntryDialog(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Polaride - Neuen Ort eingeben"));
    setFixedSize(435, 300);
    QPalette navy = palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    navy.setColor(QPalette::WindowText, QColor(0, 255, 255));
    setPalette(navy);
    setAutoFillBackground(true);

    QFont labelFont(QStringLiteral("Courier New"));
    labelFont.setPixelSize(15);
    labelFont.setBold(true);

    auto* grid = new QGridLayout;
    const char* const labels[4] = {"Name des Ortes:", "geografische Länge (Grad):",
                                   "geografische Breite (Grad):", "Höhe über NN (m):"};
    QLineEdit** fields[4] = {&name_, &longitude_, &latitude_, &height_};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::fromUtf8(labels[i]), this);
        label->setFont(labelFont);
        *fields[i] = new QLineEdit(this);
        (*fields[i])->setFixedWidth(121);
        (*fields[i])->setPalette(QPalette());
        AddLabelledField(grid, i, label, *fields[i]);
    }

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    cancel_ = new QPushButton(QStringLiteral("Abbruch"), this);
    for (QPushButton* button : {ok_, cancel_}) button->setPalette(QPalette());
    connect(ok_, &QPushButton::clicked, this, &PlaceEntryDialog::TakeOver);
    connect(cancel_, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(RightAlignedButtonRow({ok_, cancel_}));
}

void PlaceEntryDialog::TakeOver() {
    location::PlaceEntryFields fields;
    fields.name = name_->text().toStdString();
    fields.longitude = longitude_->text().toStdString();
    fields.latitude = latitude_->text().toStdString();
    fields.height = height_->text().toStdString();
    const auto result = location::ApplyPlaceEntry(fields, Place());
    if (!result.ok()) {
        location::ShowPlaceFieldError(result, this);
        return;  // the window stays open
    }
    RedrawActiveView();
    hide();
}
