// Where the renderer's one window lies and where in it each monitor's picture goes, from the
// monitors the system reports. The only place that tells one picture from several. Portable:
// rectangles in, rectangles out; no Win32 types.
#pragma once
#include <cstdint>
#include <vector>

namespace renderer {

// A rectangle in screen coordinates: y grows downward, right and bottom are exclusive, and
// the primary monitor's top-left is (0, 0), so monitors left of or above it lie at negative
// coordinates.
struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// A viewport in GL's window coordinates: x from the window's left edge, y from its bottom.
struct GlViewport {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// What the window is laid over: every monitor as the system reports it, and the size of the
// one-screen window (the maximised size with a caption's height added, so it reaches past the
// screen's bottom as it always has; after a size notice, the window's size then).
struct Desk {
    std::vector<ScreenRect> monitors;
    int32_t oneScreenWidth = 0;
    int32_t oneScreenHeight = 0;
};

struct WindowLayout {
    ScreenRect window;
    // The pictures the scene draws, each with its own aspect ratio: one per monitor, or one
    // filling the one-screen window.
    std::vector<GlViewport> viewports;
    // Above every other window: the system takes a window as full screen on one monitor only,
    // and the taskbars of the others would stay above it.
    bool isTopmost = false;
};

bool operator==(const ScreenRect& a, const ScreenRect& b);
bool operator==(const GlViewport& a, const GlViewport& b);
bool operator==(const WindowLayout& a, const WindowLayout& b);

// True when the two share at least one pixel; viewports that only touch do not.
bool ViewportsOverlap(const GlViewport& a, const GlViewport& b);

// Whether two readings of the desk show the same monitors. Only a change of them re-lays the
// window at once: the one-screen size follows the work area, which the taskbar moves (or hides)
// with no change of monitors and no display change notice.
bool SameMonitors(const Desk& a, const Desk& b);

// With one monitor (mirrored copies count once, empty ones not at all) the window is the
// one-screen window at that monitor's corner, one picture filling it. With several, the window
// is their bounding rectangle, each gets exactly its own area, and the window stays on top.
WindowLayout LayOutWindow(const Desk& desk);

}  // namespace renderer
