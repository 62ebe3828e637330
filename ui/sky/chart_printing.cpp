#include "ui/sky/chart_printing.h"

#include <QPrinter>
#include <memory>

#include "chart/chart_hooks.h"
#include "chart/chart_print.h"
#include "ui/common/dialogs.h"

namespace {

bool PrintWith(bool (*page)(QPagedPaintDevice&, std::string*)) {
    std::unique_ptr<QPrinter> printer = AppDialogs().Print(QString(), ChartHooks().dialogParent);
    if (!printer) return false;
    return page(*printer, nullptr);
}

}  // namespace

bool PrintSkyChart() { return PrintWith(PrintSkyChartOn); }
bool PrintZoomChart() { return PrintWith(PrintZoomChartOn); }
