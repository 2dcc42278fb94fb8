// Stands in for the renderer in saver-session tests whose renderer must misbehave on
// purpose. VQ_STANDIN_MODE (inherited through the saver) says how:
//   slow-window   opens the "Cirrovance_Tunnel" window only once the test sets the event
//                 "VqStandInGoOn", then runs until closed
//   no-window     never opens a window and exits once the test sets the event
// A stand-in whose test never sets the event gives up after a minute.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char mode[32] = {};
    GetEnvironmentVariableA("VQ_STANDIN_MODE", mode, sizeof(mode));
    HANDLE goOn = CreateEventA(nullptr, TRUE, FALSE, "VqStandInGoOn");
    const bool told = goOn && WaitForSingleObject(goOn, 60000) == WAIT_OBJECT_0;
    if (goOn) CloseHandle(goOn);
    if (!told || std::strcmp(mode, "slow-window") != 0) return 0;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;  // WM_CLOSE destroys the window
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "RendererStandIn";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "RendererStandIn", "Cirrovance_Tunnel", WS_POPUP | WS_VISIBLE,
                                  0, 0, 64, 64, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
