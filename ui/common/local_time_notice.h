// A local date and time the user typed, resolved in the observer's zone: a time in the
// gap of a change to summer time is refused with a message, one in the repeated hour of
// a change back is taken (the earlier instant) with a notice; both through AppDialogs().
#pragma once

#include "core/zone_rule.h"

class QWidget;

inline constexpr const char* kTimeChangeCaption = "Zeitumstellung";

// False after the message for a Skipped time; true otherwise (after the notice for a
// Repeated one).
bool AcceptLocalTime(const LocalTimeResolution& local, QWidget* parent);
