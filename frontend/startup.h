// Which of its outcomes a start of the screen saver comes to: ended at once (a session or a
// dialog of the program is already open, or the switch is not known), the preview in its host
// window, the missing-renderer message, the settings dialog, or a saver session. Portable: the
// start routine (startup_win32) gathers the facts and carries the choice out.
#pragma once
#include <cstdint>
#include <string>

namespace frontend {

// What the start routine observed before deciding.
struct StartFacts {
    bool sessionRunning = false;   // a window titled "Cirrovance_Main"
    bool dialogOpen = false;       // a window titled "<Vaporquill>"
    std::wstring arguments;        // the argument text
    bool rendererPresent = false;  // the renderer's file beside the program
};

enum class StartMode { EndAtOnce, Preview, RendererMissing, SettingsDialog, SaverSession };

struct StartChoice {
    StartMode mode = StartMode::EndAtOnce;
    // The exchange folder is made and the settings loaded first: on every start but the
    // preview and a second start, an unknown switch and a missing renderer included.
    bool preparesExchange = false;
    // Only "/s" hides the cursor; the session shows it again for "/s" alone.
    bool hidesCursor = false;
    int32_t previewHost = 0;  // the host window, for the preview
};

StartChoice ChooseStart(const StartFacts& facts);

// The message when the renderer's file is not beside the program; it names the file as
// common/exchange_names.h spells it.
std::wstring RendererMissingMessage();

}  // namespace frontend
