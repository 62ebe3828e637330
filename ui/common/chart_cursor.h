// The program's own cursor over the chart disc ("CURSOR3"): a thin cross with a gap
// in the middle, hot spot at its centre.
#pragma once

class QCursor;

// Builds the cursor at the first call (needs a QGuiApplication).
const QCursor& ChartCursor();
