#include "core/display_options.h"

namespace {
DisplayOptions gDisplay;
}  // namespace

DisplayOptions& Display() { return gDisplay; }

void ResetDisplay() { gDisplay = DisplayOptions{}; }
