#include "ui/common/windows.h"

#include <QWidget>

Windows& AppWindows() {
    static Windows windows;
    return windows;
}

void ShowInFront(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}
