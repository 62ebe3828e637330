#include "core/displayed_instant.h"

#include "core/observing_place.h"

namespace {
DisplayedInstant gShown;
}  // namespace

void DisplayedInstant::setInstantFrame(double eastLongitudeDeg, JD1900 instant) {
    frame = FrameOfDateAt(instant);
    siderealHours = LocalApparentSiderealHours(frame, eastLongitudeDeg);
    dynamicJD = instant + DeltaT(year) / 24.0;
}

HorizonOfDate DisplayedInstant::horizon(const ObservingPlace& place) const {
    return HorizonOfDateAt(frame, siderealHours, place.sinLatitude, place.cosLatitude);
}

DisplayedInstant& Shown() { return gShown; }

void ResetShown() { gShown = DisplayedInstant{}; }
