#include "location/redraw_active_view.h"

#include "app/windows.h"
#include "chart/stern.h"
#include "core/observer_state.h"

void RedrawActiveView() {
    ObserverState& observer = Observer();
    observer.timeChanged = true;
    if (observer.zoomFactor == 1) {
        if (TForm1* chart = AppWindows().form1) chart->DrawChart();
        return;
    }
}
