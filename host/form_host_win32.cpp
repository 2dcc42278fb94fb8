// The program-wide part of the form host; see form_host_win32.h.
#include "host/form_host_win32.h"

#include "host/host_window_win32.h"

namespace host {

namespace {

void RegisterHostClass(HINSTANCE instance, const char* name, HICON icon) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = HostWindow::WindowProcedure();
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    // Skipped by design: without the class no form loads, and the program simply ends.
    RegisterClassExA(&windowClass);
}

}  // namespace

FormHost::FormHost(HINSTANCE instance) : instance_(instance) {
    RegisterHostClass(instance, kFormClassName, LoadIconA(instance, MAKEINTRESOURCEA(1)));
    RegisterHostClass(instance, kControlClassName, nullptr);
}

bool FormHost::PumpOneMessage() {
    MSG message;
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (got == -1) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
        const bool forward = GetKeyState(VK_SHIFT) >= 0;
        HostWindow* topLevel = HostWindow::FromWindow(GetAncestor(message.hwnd, GA_ROOT));
        if (topLevel && topLevel->MoveFocusOnTab(forward)) return true;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

void FormHost::RunWhileFormsLoaded() {
    while (loadedForms_ > 0 && PumpOneMessage()) {
    }
}

void FormHost::NoteFormUnloaded() {
    --loadedForms_;
    // NOTE: a window destroyed from outside is handled inside GetMessage, which then goes
    // on waiting; a posted message lets the loops see that a form has gone.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void FormHost::SetScreenPointer(ScreenPointer pointer) {
    screenPointer_ = pointer;
    SetCursor(LoadCursor(nullptr, pointer == ScreenPointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

}  // namespace host
