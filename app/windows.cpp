#include "app/windows.h"

Windows& AppWindows() {
    static Windows windows;
    return windows;
}
