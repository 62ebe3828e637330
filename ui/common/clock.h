// The displayed instant from the computer clock. The clock gives an instant (its UTC
// reading); the configured zone (its rule or fixed offset) only decides how it is shown, so the
// computer's own time zone plays no part.
#pragma once

#include <QDateTime>
#include <functional>

#include "core/civil_time.h"

struct DisplayedInstant;
struct ObservingPlace;

// Sets currentJD (UT) from a clock reading, whatever zone the reading is given in, and
// year to the calendar year of that instant in the configured zone.
void SetInstantFromClock(DisplayedInstant& shown, const ObservingPlace& place,
                         const QDateTime& clock);

// A clock that gives the present instant in UTC: the computer's clock in the program, a
// settable one in tests.
using UtcClock = std::function<QDateTime()>;
UtcClock SystemUtcClock();
