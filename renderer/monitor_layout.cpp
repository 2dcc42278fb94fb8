// The window over every monitor and one viewport per monitor, turned from screen coordinates
// (top-left origin) into GL's (bottom-left origin of the window).
#include "renderer/monitor_layout.h"

#include <algorithm>

namespace renderer {
namespace {

// A monitor shown twice (a mirrored copy) gets one picture, and an empty one none.
std::vector<ScreenRect> DistinctMonitors(const std::vector<ScreenRect>& monitors) {
    std::vector<ScreenRect> distinct;
    for (const ScreenRect& m : monitors) {
        if (m.right <= m.left || m.bottom <= m.top) continue;
        const auto seen = [&](const ScreenRect& d) { return d == m; };
        if (std::none_of(distinct.begin(), distinct.end(), seen)) distinct.push_back(m);
    }
    return distinct;
}

}  // namespace

bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool operator==(const GlViewport& a, const GlViewport& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

bool operator==(const WindowLayout& a, const WindowLayout& b) {
    return a.window == b.window && a.viewports == b.viewports && a.isTopmost == b.isTopmost;
}

bool SameMonitors(const Desk& a, const Desk& b) { return a.monitors == b.monitors; }

bool ViewportsOverlap(const GlViewport& a, const GlViewport& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

WindowLayout LayOutWindow(const Desk& desk) {
    const std::vector<ScreenRect> shown = DistinctMonitors(desk.monitors);
    WindowLayout layout;
    if (shown.size() <= 1) {
        const int32_t left = shown.empty() ? 0 : shown.front().left;
        const int32_t top = shown.empty() ? 0 : shown.front().top;
        layout.window = {left, top, left + desk.oneScreenWidth, top + desk.oneScreenHeight};
        layout.viewports.push_back({0, 0, desk.oneScreenWidth, desk.oneScreenHeight});
        return layout;
    }
    ScreenRect bounds = shown.front();
    for (const ScreenRect& m : shown) {
        bounds.left = std::min(bounds.left, m.left);
        bounds.top = std::min(bounds.top, m.top);
        bounds.right = std::max(bounds.right, m.right);
        bounds.bottom = std::max(bounds.bottom, m.bottom);
    }
    layout.window = bounds;
    layout.isTopmost = true;
    for (const ScreenRect& m : shown) {
        layout.viewports.push_back({m.left - bounds.left, bounds.bottom - m.bottom, m.right - m.left, m.bottom - m.top});
    }
    return layout;
}

}  // namespace renderer
