#include "ui/common/clock.h"

#include <QDateTime>

#include "core/displayed_instant.h"
#include "core/observing_place.h"

void SetInstantFromClock(DisplayedInstant& shown, const ObservingPlace& place,
                         const QDateTime& clock) {
    shown.currentJD = InstantFromUnixSeconds(clock.toSecsSinceEpoch());
    shown.year = CivilFromJD1900(shown.currentJD, place.zoneOffsetAt(shown.currentJD)).year;
}

UtcClock SystemUtcClock() {
    return [] { return QDateTime::currentDateTimeUtc(); };
}
