// A top-level window of the test's own, standing in for another instance's window, the
// renderer's window or the display settings' preview pane, and the pump that handles the
// messages sent to it while a test waits. Win32 only; for the front end's end-to-end tests.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// Handles the messages sent to the test's own windows while it waits.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A plain top-level window at (100, 100), white.
class TestWindow {
  public:
    TestWindow(const char* title, bool visible, int width = 152, int height = 112) {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VqTestWindow";
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassA(&windowClass);  // a second registration fails harmlessly
        window_ = CreateWindowExA(0, "VqTestWindow", title, WS_POPUP | (visible ? WS_VISIBLE : 0), 100, 100,
                                  width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        PumpMessages();
    }
    ~TestWindow() { Destroy(); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    void Destroy() {
        if (window_) DestroyWindow(window_);
        window_ = nullptr;
        PumpMessages();
    }
    HWND get() const { return window_; }
    std::string NumberText() const { return std::to_string(reinterpret_cast<uintptr_t>(window_)); }

  private:
    HWND window_ = nullptr;
};
