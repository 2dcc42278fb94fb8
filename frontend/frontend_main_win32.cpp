// The screen saver program: the start routine runs first, then the program lives while
// one of its forms is loaded. Win32 only.
#include <windows.h>

#include "frontend/frontend_state.h"
#include "frontend/startup_win32.h"
#include "host/form_host_win32.h"
#include "host/host_services_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    frontend::FrontendState state;
    host::FormHost formHost(instance);
    frontend::StartRoutine start(formHost, state);
    {
        // The start routine counts as a handler: no timer tick interrupts it.
        host::HandlerGate::HandlerScope startRoutine(formHost.gate());
        start.Main();
    }
    formHost.RunWhileFormsLoaded();
    host::EndProgram();
}
