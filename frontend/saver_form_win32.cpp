// The hidden saver form "Cirrovance_Main" (Cirrovance_S): the Win32 side of a saver
// session. saver_session decides the order of work and when the session ends, the music
// player which music plays; this file gathers what they need (the cloud picture, the
// renderer's process and window, winmm) and hands the form's load, timer and query-unload
// events to the session.
#include "frontend/saver_form_win32.h"

#include <optional>
#include <string>

#include "common/exchange_names.h"
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

class SessionPlatformWin32 : public SessionPlatform {
  public:
    explicit SessionPlatformWin32(HINSTANCE instance) : instance_(instance) {}

    void WriteTextureFile(const std::string& path) override {
        // Skipped by design: a picture that cannot be written leaves the renderer to say
        // that it cannot load the texture.
        if (const auto picture = host::StoredPictureResource(instance_, kCloudPictureResource)) {
            host::WritePictureFile(*picture, path);
        }
    }
    bool StartRenderer(const std::string& path) override {
        renderer_ = host::StartProgram(path);
        return renderer_.has_value();
    }
    bool RendererWindowExists() override {
        return FindWindowA(nullptr, common::kRendererWindowTitle) != nullptr;
    }
    bool RendererProcessAlive() override { return renderer_ && renderer_->IsRunning(); }
    std::string SwitchLetter() override { return SwitchLetterOf(host::ArgumentText()) == L"S" ? "S" : ""; }
    void ShowCursorAgain() override { ::ShowCursor(TRUE); }
    void EndProgram() override { host::EndProgram(); }

  private:
    HINSTANCE instance_;
    std::optional<host::StartedProgram> renderer_;
};

}  // namespace

struct SaverForm::Parts {
    Parts(host::FormHost& host, FrontendState& state)
        : platform(host.instance()),
          player(musicPort, state.settings, state.LastResult),
          session(platform, player),
          form(host, common::kSaverFormTitle, host::FormLook{false, RGB(0, 0, 0), 0, 0},
               host::FormHandlers{[this] { OnLoad(); }, nullptr,
                            [this](host::UnloadReason) {
                                // Whoever asks (the watch, log-off, shut-down), the session
                                // ends here and the program with it: nothing is cancelled.
                                session.QueryUnload();
                                return false;
                            },
                            nullptr}),
          timer1(form.AddTimer(SaverSession::kTimer1IntervalMs, false, [this] { session.OnTimer1(); })),
          timer2(form.AddTimer(SaverSession::kTimer2IntervalMs, false, [this] {
              session.OnTimer2();
              if (SyncTimers()) form.Unload();
          })),
          timer3(form.AddTimer(SaverSession::kTimer3IntervalMs, true, [this] { OnWatch(); })) {}

    void OnLoad() {
        session.Load(host::ProgramFolder(), GetTickCount());
        if (SyncTimers()) form.Unload();
    }

    void OnWatch() {
        const bool rendererGone = session.OnTimer3(GetTickCount());
        if (SyncTimers() || rendererGone) form.Unload();
    }

    // The session decides which timers run; the form's timers carry that out and the session
    // hears which ones the system refused (the watch is armed with the window, before the load
    // handler). True when the session then asks for the form to be unloaded.
    bool SyncTimers() {
        const SaverTimers& wanted = session.timers();
        timer1.SetEnabled(wanted.timer1Enabled);
        timer2.SetEnabled(wanted.timer2Enabled);
        timer3.SetEnabled(wanted.timer3Enabled);
        return session.OnTimersSet(
            RefusedTimers{timer1.refusedBySystem(), timer2.refusedBySystem(), timer3.refusedBySystem()});
    }

    SessionPlatformWin32 platform;
    music::MusicPlatformWin32 musicPort;
    music::MusicPlayer player;
    SaverSession session;
    host::Form form;
    host::HostTimer& timer1;
    host::HostTimer& timer2;
    host::HostTimer& timer3;
};

SaverForm::SaverForm(host::FormHost& host, FrontendState& state)
    : parts_(std::make_unique<Parts>(host, state)) {}

SaverForm::~SaverForm() = default;

void SaverForm::Load() { parts_->form.Load(); }

}  // namespace frontend
