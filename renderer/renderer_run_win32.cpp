// The run of the tunnel program:
//   start    OpenRenderWindow (window, GL context, texture; a texture failure exits with 1)
//   loop     one queued message per pass; a frame whenever the queue is empty, which first
//            takes the animation steps (60 a second of real time) the pacer hands out
//   timer    TitleTimer restores the window title once a second
//   end      WM_QUIT (WM_CLOSE, Alt+F4), Escape down after a frame, or the pointer moved
//            more than 30 px on both axes; then the cursor returns and the window closes
#include "renderer_run_win32.h"

#include <windows.h>

#include "frame_pacer.h"
#include "performance_clock_win32.h"
#include "render_window_win32.h"
#include "run_rules.h"
#include "tunnel_scene_win32.h"

namespace tunnel {
namespace {

ScreenPoint CursorPosition(ScreenPoint fallback) {
    POINT p;
    if (!GetCursorPos(&p)) return fallback;  // an unread position counts as no movement
    return {p.x, p.y};
}

}  // namespace

void RunRenderer() {
    TunnelScene scene;
    RenderWindow window(scene);
    if (!window.Open()) return;  // nothing shown, the cursor never hidden

    const ScreenPoint startCursor = CursorPosition({0, 0});
    ShowCursor(FALSE);
    const PerformanceClock clock;
    FramePacer pacer(clock);
    bool done = false;
    while (!done) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                done = true;
            } else {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            continue;
        }
        const KeyTable& keys = window.keys();
        scene.TakeSteps(pacer.StepsForFrame(), {keys.IsDown(VK_UP), keys.IsDown(VK_DOWN)});
        scene.DrawFrame();
        SwapBuffers(window.dc());
        if (keys.IsDown(VK_ESCAPE)) {
            done = true;
            continue;
        }
        if (PointerEndsRun(startCursor, CursorPosition(startCursor))) done = true;
    }
    ShowCursor(TRUE);
    window.Close();
}

}  // namespace tunnel
