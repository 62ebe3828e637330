#include "ui/common/clock.h"

#include <QDateTime>

#include "core/observer_state.h"

void SetInstantFromClock(ObserverState& observer, const QDateTime& clock) {
    const QDate date = clock.date();
    const QTime time = clock.time();
    const CivilInstant now =
        InstantFromCivil(date.year(), date.month(), date.day(), time.hour(), time.minute(),
                         time.second(), observer.zoneOffsetHours);
    observer.currentJD = now.instant;
    observer.year = now.year;
}
