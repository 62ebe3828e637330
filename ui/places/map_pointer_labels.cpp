#include "ui/places/map_pointer_labels.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <cmath>

namespace location {

namespace {

const QString kLongitudeCaption = QStringLiteral("geographische Länge: ");
const QString kLatitudeCaption = QStringLiteral("geographische Breite: ");

}  // namespace

QString TwoDecimals(double value) { return QString::number(value, 'f', 2); }

QString EastWestLongitude(double longitudeDeg, bool inWords) {
    const double east = longitudeDeg > 180.0 ? longitudeDeg - 360.0 : longitudeDeg;
    const QString degrees = TwoDecimals(std::fabs(east));
    const QString unit = inWords ? QStringLiteral(" Grad") : QStringLiteral("°");
    if (degrees == QStringLiteral("0.00") || degrees == QStringLiteral("180.00"))
        return degrees + unit;
    const bool isEast = east > 0.0;
    if (inWords)
        return degrees + unit + (isEast ? QStringLiteral(" Ost") : QStringLiteral(" West"));
    return degrees + unit + (isEast ? QStringLiteral(" O") : QStringLiteral(" W"));
}

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
    longitudeLabel->setText(kLongitudeCaption + EastWestLongitude(longitudeDeg));
    latitudeLabel->setText(kLatitudeCaption + TwoDecimals(latitudeDeg) + QStringLiteral("°"));
}

}  // namespace location
