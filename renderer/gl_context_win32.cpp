// Handle owners for the renderer's window, its timer and GL context. Release results are not
// examined: there is nothing left to do if a release fails while the renderer is closing.
#include "renderer/gl_context_win32.h"

#include <GL/gl.h>

#include <cstring>

#include "renderer/gl_extensions.h"

namespace renderer {

bool RegisteredClass::Register(const WNDCLASSA& wc) {
    Reset();
    atom_ = RegisterClassA(&wc);
    name_ = wc.lpszClassName;
    module_ = wc.hInstance;
    return atom_ != 0;
}

void RegisteredClass::Reset() {
    if (atom_) UnregisterClassA(name_, module_);
    atom_ = 0;
}

void OwnedWindow::Reset() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

bool WindowTimer::Start(HWND window, UINT_PTR id, UINT intervalMs) {
    Reset();
    if (!SetTimer(window, id, intervalMs, nullptr)) return false;
    window_ = window;
    id_ = id;
    return true;
}

void WindowTimer::Reset() {
    if (window_) KillTimer(window_, id_);
    window_ = nullptr;
}

bool CurrentGlContext::CreateAndMakeCurrent(HDC dc) {
    Reset();
    dc_ = dc;
    context_ = wglCreateContext(dc);
    if (!context_) return false;
    isCurrent_ = wglMakeCurrent(dc, context_) != FALSE;
    return isCurrent_;
}

void CurrentGlContext::Reset() {
    if (context_) {
        wglMakeCurrent(dc_, nullptr);
        wglDeleteContext(context_);
    }
    context_ = nullptr;
    dc_ = nullptr;
    isCurrent_ = false;
}

PIXELFORMATDESCRIPTOR RendererPixelFormat() {
    PIXELFORMATDESCRIPTOR pfd;
    std::memset(&pfd, 0, sizeof(pfd));  // every colour, accumulation, layer and mask field 0
    pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 32;
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

namespace {
// wglGetProcAddress returns a generic pointer; the cast through void* says we know its type.
template <typename Fn>
Fn GlExtension(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(wglGetProcAddress(name)));
}
}  // namespace

bool SetSwapInterval(int retracesPerSwap) {
    const char* glExtensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    const char* wglExtensions = nullptr;
    using ExtensionsFn = const char*(WINAPI*)();
    if (auto wglExtensionsString = GlExtension<ExtensionsFn>("wglGetExtensionsStringEXT")) {
        wglExtensions = wglExtensionsString();
    }
    if (!OffersSwapControl(glExtensions, wglExtensions)) return false;
    using SwapIntervalFn = BOOL(WINAPI*)(int);
    auto swapInterval = GlExtension<SwapIntervalFn>("wglSwapIntervalEXT");
    return swapInterval && swapInterval(retracesPerSwap) != FALSE;
}

}  // namespace renderer
