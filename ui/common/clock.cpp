#include "ui/common/clock.h"

#include <QDateTime>

#include "core/observer_state.h"

void SetInstantFromClock(ObserverState& observer, const QDateTime& clock) {
    observer.currentJD = InstantFromUnixSeconds(clock.toSecsSinceEpoch());
    observer.year =
        CivilFromJD1900(observer.currentJD, observer.zoneOffsetAt(observer.currentJD)).year;
}

UtcClock SystemUtcClock() {
    return [] { return QDateTime::currentDateTimeUtc(); };
}
