// Entry of the tunnel program. It reads no command line; the run ends with exit code 0
// (a texture failure ends the process earlier, with exit code 1).
#include <windows.h>

#include "renderer/renderer_run_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    renderer::RunRenderer();
    return 0;
}
