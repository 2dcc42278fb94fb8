// The run of the tunnel program:
//   start    OpenRenderWindow (window, GL context, texture; a texture failure exits with 1)
//   loop     one queued message per pass; otherwise a frame when the display's next refresh is
//            due (first the animation steps, 60 a second of real time), else a wait that any
//            message ends; no frames at all while the display is off (FrameLoop)
//   timer    TitleTimer restores the window title once a second
//   displays a change of the monitors re-lays the window; the pointer's start follows the
//            pointer for a moment after it
//   end      WM_QUIT (WM_CLOSE, Alt+F4), Escape down after a frame, or the pointer moved
//            more than 30 px on both axes; then the cursor returns and the window closes
#include "renderer/renderer_run_win32.h"

#include <windows.h>

#include "renderer/frame_loop_win32.h"
#include "renderer/render_window_win32.h"
#include "renderer/tunnel_scene_win32.h"

namespace renderer {

void RunRenderer() {
    TunnelScene scene;
    RenderWindow window(scene);
    if (!window.Open()) return;  // nothing shown, the cursor never hidden

    {
        FrameLoop loop(window, scene, ReportedRefreshHz());  // the pointer's start position first
        ShowCursor(FALSE);
        while (loop.RunPass()) {
        }
    }
    ShowCursor(TRUE);
    window.Close();
}

}  // namespace renderer
