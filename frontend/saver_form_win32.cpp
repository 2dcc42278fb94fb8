// The hidden saver form "Cirrovance_Main" (Cirrovance_S): the Win32 side of a saver
// session. It writes the texture file and starts the renderer, then hands the form's load,
// timer and query-unload events to saver_session, which decides which timers run and when
// the session ends; the music player decides which music plays. This file gathers what they
// need (the cloud picture, the renderer's process and window, winmm) and carries it out.
#include "frontend/saver_form_win32.h"

#include <optional>
#include <string>

#include "common/exchange_names.h"
#include "common/power_notice_win32.h"
#include "common/power_state.h"
#include "frontend/argument_text.h"
#include "frontend/saver_session.h"
#include "host/form_win32.h"
#include "host/host_services_win32.h"
#include "host/program_files_win32.h"
#include "host/program_resources_win32.h"
#include "music/music_platform_win32.h"
#include "music/music_player.h"

namespace frontend {

namespace {

// Pic_1: the cloud picture stored with the form, kept as the program's resource.
constexpr const char* kCloudPictureResource = "CLOUD_PICTURE";

}  // namespace

struct SaverForm::Parts {
    Parts(host::FormHost& host, FrontendState& state)
        : instance(host.instance()),
          player(musicPort, state.settings, state.LastResult),
          session(player),
          form(host, common::kSaverFormTitle, host::FormLook{false, RGB(0, 0, 0), 0, 0},
               host::FormHandlers{[this] { OnLoad(); }, nullptr,
                                  [this](host::UnloadReason) {
                                      // Whoever asks (the watch, log-off, shut-down), the session
                                      // ends here and the program with it: nothing is cancelled.
                                      OnQueryUnload();
                                      return false;
                                  },
                                  nullptr}),
          timer1(form.AddTimer(SaverSession::kMusicFileRepeatIntervalMs, false,
                               [this] { session.OnMusicFileRepeatTick(); })),
          timer2(form.AddTimer(SaverSession::kCdPollIntervalMs, false, [this] {
              session.OnCdPollTick();
              if (SyncTimers()) form.Unload();
          })),
          timer3(form.AddTimer(SaverSession::kRendererWatchIntervalMs, true, [this] { OnRendererWatch(); })) {
        form.OnPowerSettingChange([this](const common::PowerSettingChange& change) { OnPowerSetting(change); });
    }

    void OnLoad() {
        // The texture file is complete before the renderer starts, and the renderer starts
        // before the music. Skipped by design: a picture that cannot be written leaves the
        // renderer to say that it cannot load the texture.
        if (const auto picture = host::StoredPictureResource(instance, kCloudPictureResource)) {
            host::WritePictureFile(*picture, common::kTextureFilePath);
        }
        renderer = host::StartProgram(host::ProgramFolder() + common::kRendererFileName);
        session.Load(renderer.has_value(), GetTickCount());
        // Skipped by design: without the notification the music plays on while the display
        // is off, as it always did.
        displayNotice.RegisterForDisplayState(form.window());
        if (SyncTimers()) form.Unload();
    }

    void OnPowerSetting(const common::PowerSettingChange& change) {
        power = common::AfterPowerSetting(power, change.setting, change.data, change.dataLength);
        session.OnDisplayShows(common::DisplayShows(power));
        if (SyncTimers()) form.Unload();
    }

    void OnRendererWatch() {
        const RendererSighting seen{FindWindowA(nullptr, common::kRendererWindowTitle) != nullptr,
                                    renderer && renderer->IsRunning()};
        const bool rendererGone = session.OnRendererWatchTick(seen, GetTickCount());
        if (SyncTimers() || rendererGone) form.Unload();
    }

    void OnQueryUnload() {
        const SessionEnding ending = session.QueryUnload(SwitchLetterOf(host::ArgumentText()));
        if (ending.showsCursorAgain) ShowCursor(TRUE);
        host::EndProgram();
    }

    // The session decides which timers run; the form's timers carry that out and the session
    // hears which ones the system refused (the watch is armed with the window, before the load
    // handler). True when the session then asks for the form to be unloaded.
    bool SyncTimers() {
        const SessionTimers& wanted = session.timers();
        timer1.SetEnabled(wanted.musicFileRepeat);
        timer2.SetEnabled(wanted.cdPoll);
        timer3.SetEnabled(wanted.rendererWatch);
        return session.OnTimersSet(
            RefusedTimers{timer1.refusedBySystem(), timer2.refusedBySystem(), timer3.refusedBySystem()});
    }

    HINSTANCE instance;
    std::optional<host::StartedProgram> renderer;
    music::MusicPlatformWin32 musicPort;
    music::MusicPlayer player;
    SaverSession session;
    host::Form form;
    host::HostTimer& timer1;  // the music-file repeat check
    host::HostTimer& timer2;  // the CD poll
    host::HostTimer& timer3;  // the renderer watch
    common::PowerState power;
    // Declared after the form: unregistered before its window goes.
    common::PowerSettingRegistration displayNotice;
};

SaverForm::SaverForm(host::FormHost& host, FrontendState& state)
    : parts_(std::make_unique<Parts>(host, state)) {}

SaverForm::~SaverForm() = default;

void SaverForm::Load() { parts_->form.Load(); }

}  // namespace frontend
