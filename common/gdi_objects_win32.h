// Owners for the GDI handles the host draws with: each releases what it holds, in the
// right way, when it goes. Win32 only; header-only, so the renderer keeps its window's DC
// in the same WindowDc without linking the host.
#pragma once
#include <windows.h>

namespace common {

class MemoryDc {  // CreateCompatibleDC, then DeleteDC
  public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() { if (dc_) DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

class SelectedObject {  // SelectObject, then the previous object selected back
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() { if (previous_) SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

class GdiObject {  // any pen, brush, font or bitmap we made: DeleteObject
  public:
    GdiObject() = default;
    explicit GdiObject(HGDIOBJ object) : object_(object) {}
    ~GdiObject() { Reset(nullptr); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    // Handed on whole (a picture's bitmap, made by one function and kept by another).
    GdiObject(GdiObject&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset(other.object_);
            other.object_ = nullptr;
        }
        return *this;
    }
    void Reset(HGDIOBJ object) {
        if (object_) DeleteObject(object_);
        object_ = object;
    }
    HGDIOBJ get() const { return object_; }

  private:
    HGDIOBJ object_ = nullptr;
};

// A window's device context: GetDC and ReleaseDC need the same window. Taken at once, or
// later by Acquire (the renderer keeps its window's for the window's whole life).
class WindowDc {
  public:
    WindowDc() = default;
    explicit WindowDc(HWND window) { Acquire(window); }
    ~WindowDc() { Reset(); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    bool Acquire(HWND window) {
        Reset();
        window_ = window;
        dc_ = GetDC(window);
        return dc_ != nullptr;
    }
    void Reset() {
        if (dc_) ReleaseDC(window_, dc_);
        dc_ = nullptr;
        window_ = nullptr;
    }
    HDC get() const { return dc_; }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// The whole screen's device context, for its resolution and as the model of memory DCs.
class ScreenDc : public WindowDc {
  public:
    ScreenDc() : WindowDc(nullptr) {}
};

}  // namespace common
