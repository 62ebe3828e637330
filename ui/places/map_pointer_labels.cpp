#include "ui/places/map_pointer_labels.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

namespace location {

namespace {

const QString kLongitudeCaption = QStringLiteral("geographische Länge: ");
const QString kLatitudeCaption = QStringLiteral("geographische Breite: ");

}  // namespace

QString TwoDecimals(double value) { return QString::number(value, 'f', 2); }

void MakePointerLabels(QWidget* parent, QLabel*& longitudeLabel, QLabel*& latitudeLabel) {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(13);
    font.setBold(true);
    QPalette white = parent->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    longitudeLabel = new QLabel(kLongitudeCaption, parent);
    latitudeLabel = new QLabel(kLatitudeCaption, parent);
    for (QLabel* label : {longitudeLabel, latitudeLabel}) {
        label->setFont(font);
        label->setPalette(white);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void ShowPointerPlace(QLabel* longitudeLabel, QLabel* latitudeLabel, double longitudeDeg,
                      double latitudeDeg) {
    longitudeLabel->setText(kLongitudeCaption + TwoDecimals(longitudeDeg) + QStringLiteral("°"));
    latitudeLabel->setText(kLatitudeCaption + TwoDecimals(latitudeDeg) + QStringLiteral("°"));
}

}  // namespace location
