#include "chart/chart_hooks.h"

#include <cstdio>

#include "chart/sky_chart.h"

namespace {
ChartWindowHooks gHooks;
ZoomOffsets gZoomOffsets;
std::function<void(const QString&, const QString&)> gMessageSink;
}  // namespace

ChartWindowHooks& ChartHooks() { return gHooks; }
void ResetChartHooks() {
    gHooks = ChartWindowHooks{};
    ResetChartReports();
}
ZoomOffsets& ChartZoomOffsets() { return gZoomOffsets; }

void ShowChartMessage(const QString& caption, const QString& text) {
    if (gMessageSink)
        gMessageSink(caption, text);
    else
        std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
}

void SetChartMessageSink(std::function<void(const QString&, const QString&)> sink) {
    gMessageSink = std::move(sink);
}
