// The saver form. For now it only holds the place of a running session: a hidden form
// titled "Cirrovance_Main" whose 500 ms watch ends the program once no renderer window
// is found. It writes no texture, starts no renderer and plays no music.
#include "frontend/saver_form_win32.h"

#include "frontend/host_services_win32.h"
#include "frontend/window_titles.h"

struct SaverForm::Parts {
    explicit Parts(FormHost& host)
        : form(host, kSaverFormTitle, FormLook{false, RGB(0, 0, 0), 0, 0},
               FormHandlers{nullptr, nullptr,
                            [](UnloadReason) {
                                // Undoes the hiding of the cursor that the start routine did.
                                if (SwitchLetter() == L"S") ShowCursor(TRUE);
                                EndProgram();
                                return false;
                            },
                            nullptr}),
          rendererWatch(form.AddTimer(kRendererWatchIntervalMs, true, [this] { WatchRenderer(); })) {}

    void WatchRenderer() {
        if (FindWindowA(nullptr, kRendererWindowTitle)) return;
        rendererWatch.SetEnabled(false);
        form.Unload();
    }

    static constexpr uint32_t kRendererWatchIntervalMs = 500;
    Form form;
    FormTimer& rendererWatch;
};

SaverForm::SaverForm(FormHost& host, FrontendState& /*state*/) : parts_(std::make_unique<Parts>(host)) {}

SaverForm::~SaverForm() = default;

void SaverForm::Load() { parts_->form.Load(); }
