// The run of the tunnel program:
//   start    OpenRenderWindow (window, GL context), then the scene (texture; a texture failure
//            ends the run with 1 once its message is dismissed, the window closing after it)
//   loop     one queued message per pass; otherwise a frame when the display's next refresh is
//            due (first the animation steps, 60 a second of real time), else a wait that any
//            message ends; at most 30 frames a second on battery or with a saver on, none at all
//            while the display is off (FrameLoop)
//   timer    TitleTimer restores the window title once a second
//   displays a change of the monitors (not of the work area) re-lays the window; the pointer's
//            start follows the pointer for a moment after it
//   end      WM_QUIT (WM_CLOSE, Alt+F4), Escape down after a frame, or the pointer moved more
//            than 30 px of a 96-DPI screen on both axes; then the cursor returns and the window
//            closes
#include "renderer/renderer_run_win32.h"

#include <windows.h>

#include "common/exchange_names.h"
#include "renderer/frame_loop_win32.h"
#include "renderer/render_window_win32.h"
#include "renderer/tunnel_scene_win32.h"

namespace renderer {

int RunRenderer() {
    RenderWindow window;
    if (!window.Open()) return 0;  // nothing shown, the cursor never hidden
    // After the window: the scene's texture goes while the window's context is still current.
    TunnelScene scene;
    if (!scene.Prepare(common::kRendererTexturePath.data())) return 1;

    {
        FrameLoop loop(window, scene, ReportedRefreshHz());  // the pointer's start position first
        ShowCursor(FALSE);
        while (loop.RunPass()) {
        }
    }
    ShowCursor(TRUE);
    return 0;
}  // the scene, then the window: context, DC, timer, window, class

}  // namespace renderer
