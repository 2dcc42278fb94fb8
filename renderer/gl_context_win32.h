// Owners of the renderer's window-system handles: the window class, the window, its timer and
// the GL rendering context; its device context is common's WindowDc. Each releases its handle
// once, in its destructor; the renderer declares them so that they go in the order context,
// DC, timer, window, class.
#pragma once
#include <windows.h>

namespace renderer {

class RegisteredClass {
  public:
    RegisteredClass() = default;
    bool Register(const WNDCLASSA& wc);
    ~RegisteredClass() { Reset(); }
    RegisteredClass(const RegisteredClass&) = delete;
    RegisteredClass& operator=(const RegisteredClass&) = delete;
    bool registered() const { return atom_ != 0; }
    void Reset();

  private:
    ATOM atom_ = 0;
    const char* name_ = nullptr;
    HINSTANCE module_ = nullptr;
};

class OwnedWindow {
  public:
    OwnedWindow() = default;
    void Adopt(HWND window) { Reset(); window_ = window; }
    ~OwnedWindow() { Reset(); }
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    HWND get() const { return window_; }
    void Reset();

  private:
    HWND window_ = nullptr;
};

// A timer of a window (arriving as WM_TIMER with its id), killed before the window goes.
class WindowTimer {
  public:
    WindowTimer() = default;
    bool Start(HWND window, UINT_PTR id, UINT intervalMs);
    ~WindowTimer() { Reset(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    void Reset();

  private:
    HWND window_ = nullptr;
    UINT_PTR id_ = 0;
};

// A rendering context made current on a DC; on release nothing is current any more.
class CurrentGlContext {
  public:
    CurrentGlContext() = default;
    ~CurrentGlContext() { Reset(); }
    CurrentGlContext(const CurrentGlContext&) = delete;
    CurrentGlContext& operator=(const CurrentGlContext&) = delete;
    // Creates the context (wglCreateContext) and makes it current; false if either fails,
    // in which case whatever was created is kept for Reset to delete.
    bool CreateAndMakeCurrent(HDC dc);
    bool current() const { return isCurrent_; }
    void Reset();

  private:
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
    bool isCurrent_ = false;
};

// The renderer's pixel format request: RGBA, 32 colour bits, 16 depth bits, double-buffered.
PIXELFORMATDESCRIPTOR RendererPixelFormat();

// Asks for one vertical retrace per buffer swap (0 for none) where WGL_EXT_swap_control is
// listed among the GL or the WGL extensions and its entry point exists; false where it is
// not. Needs a current context.
bool SetSwapInterval(int retracesPerSwap);

}  // namespace renderer
