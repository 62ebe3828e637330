#include "location/redraw_active_view.h"

#include "core/observer_state.h"

void RedrawActiveView() {
    Observer().timeChanged = true;
}
