// Program start: creates every window in the fixed order and runs the event loop.
#pragma once

class QApplication;

int RunPolaride(QApplication& application);
