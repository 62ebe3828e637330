// The displayed instant from the computer clock. The clock reading is taken as civil
// time in the configured zone (zoneOffsetHours), not in the computer's own zone.
#pragma once

#include "core/civil_time.h"

class QDateTime;
struct ObserverState;

// Sets currentJD and year of `observer` from a clock reading (its date and wall time).
void SetInstantFromClock(ObserverState& observer, const QDateTime& clock);
