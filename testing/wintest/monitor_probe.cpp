// Prints the monitors this Wine world shows a program, one "left top right bottom" line each,
// so the world's set-up can check them against the ones it placed before any test runs.
#include <windows.h>

#include <cstdio>

namespace {

BOOL CALLBACK PrintMonitor(HMONITOR, HDC, LPRECT rect, LPARAM) {
    std::printf("%ld %ld %ld %ld\n", rect->left, rect->top, rect->right, rect->bottom);
    return TRUE;
}

}  // namespace

int main() {
    if (!EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0)) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
