#include "core/display_options.h"

namespace {
DisplayOptions gDisplay;
}  // namespace

DisplayOptions& ViewOptions() { return gDisplay; }

void ResetViewOptions() { gDisplay = DisplayOptions{}; }
