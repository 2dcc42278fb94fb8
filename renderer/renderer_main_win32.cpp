// Entry of the tunnel program. It reads no command line; the run ends with exit code 0, or 1
// when the texture file yielded no pixels.
#include <windows.h>

#include "renderer/renderer_run_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return renderer::RunRenderer(); }
