// The preview form. For now a black borderless child window of the host's size: the
// still picture is not drawn yet.
#include "frontend/preview_form_win32.h"

#include "frontend/window_titles.h"
#include "host/host_services_win32.h"

struct PreviewForm::Parts {
    explicit Parts(FormHost& host)
        : form(host, kPreviewFormTitle, FormLook{false, RGB(0, 0, 0), 0, 0}, FormHandlers{}) {}
    Form form;
};

PreviewForm::PreviewForm(FormHost& host) : parts_(std::make_unique<Parts>(host)) {}

PreviewForm::~PreviewForm() = default;

void PreviewForm::ShowPreview(int32_t hostWindow) {
    HWND host = reinterpret_cast<HWND>(static_cast<intptr_t>(hostWindow));
    // NOTE: with no host window (0, or a number that names none) nothing could ever end
    // a hidden preview; the program ends instead of lingering unseen.
    if (!host || !IsWindow(host)) EndProgram();
    RECT hostRect{};
    GetWindowRect(host, &hostRect);
    Form& form = parts_->form;
    if (!form.Load()) return;
    // NOTE: the popup bit goes too: a popup answers GetParent with its owner, not the host.
    SetWindowLongA(form.window(), GWL_STYLE, (GetWindowLongA(form.window(), GWL_STYLE) | WS_CHILD) & ~WS_POPUP);
    SetParent(form.window(), host);
    MoveWindow(form.window(), 0, 0, hostRect.right - hostRect.left, hostRect.bottom - hostRect.top, TRUE);
    form.Show();
}
