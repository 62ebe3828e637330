// Reading and checking the fields of the go-to dialogs: a number as numtext::ParseNumber
// reads it, inside a range; the first failing field names the
// message of its dialog.
#pragma once

#include <QString>
#include <optional>

class QWidget;

// The number of a field when it converts and lies in [low, high]; nothing otherwise
// (an empty field or text that is not a number fails).
std::optional<double> GoToFieldValue(const QString& text, double low, double high);

// Result of checking the fields of "Gehe zu alpha/delta" in field order.
struct RaDecInput {
    bool ok = false;
    QString message;       // the first failure, e.g. "Fehler bei Rektaszension(Stunde)"
    double raHours = 0.0;  // hours + minutes / 60
    double decDeg = 0.0;   // degrees + minutes / 60, negative for "S"
};
RaDecInput CheckRaDecFields(const QString& hours, const QString& minutes, const QString& degrees,
                            const QString& decMinutes, bool south);

struct AltAzInput {
    bool ok = false;
    QString message;  // "Fehler bei Azimut" or "Fehler bei Höhe"
    double azimuthDeg = 0.0;
    double altitudeDeg = 0.0;
};
AltAzInput CheckAltAzFields(const QString& azimuth, const QString& altitude);

// Runs the go-to for the checked coordinates: right ascension / declination of an
// equinox, or azimuth / altitude. False with "Ort nicht sichtbar" shown (caption
// "Höhe kleiner Null") when the target is below the horizon; nothing changes then.
#include "ui/places/goto_target.h"
// Where a right ascension / declination of an equinox stands now; updates the frame
// and siderealHours of the observer records (Place(), Shown()).
GoToHorizontal HorizontalOfRaDec(double raHours, double decDeg, GoToEquinox equinox);
bool GoToRaDec(double raHours, double decDeg, GoToEquinox equinox, QWidget* parent = nullptr);
bool GoToAltAz(double azimuthDeg, double altitudeDeg);
