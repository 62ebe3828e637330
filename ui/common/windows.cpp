#include "ui/common/windows.h"

Windows& AppWindows() {
    static Windows windows;
    return windows;
}
