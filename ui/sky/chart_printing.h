// "Datei" -> "Drucken" of the main and the zoom window: the print dialog, then the
// page (chart/chart_print.h). A cancelled dialog prints nothing.
#pragma once

// False when nothing was printed.
bool PrintSkyChart();
bool PrintZoomChart();
