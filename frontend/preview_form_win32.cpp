// The preview form Cirrovance_R, "Preview Window": borderless and black, with the image
// Img_Prev holding the still picture of the tunnel at its natural size. ShowPreview makes it a
// child of the display settings' preview pane (the host window) and shows it there.
#include "frontend/preview_form_win32.h"

#include "frontend/window_titles.h"
#include "host/form_win32.h"
#include "host/host_services_win32.h"
#include "host/image_win32.h"
#include "host/picture_win32.h"
#include "host/twips.h"

namespace frontend {

namespace {

// The picture stored with the form: a baseline JPEG kept as the program's resource, decoded
// by the system's own picture loader.
constexpr const char* kPreviewPictureResource = "PREVIEW_PICTURE";

}  // namespace

struct PreviewForm::Parts {
    explicit Parts(host::FormHost& host)
        : form(host, kPreviewFormTitle, host::FormLook{false, RGB(0, 0, 0), 0, 0},
               host::FormHandlers{[this, &host] {
                                Img_Prev.SetPicture(
                                    host::Picture::FromEncodedResource(host.instance(), kPreviewPictureResource));
                            },
                            nullptr, nullptr, nullptr}),
          Img_Prev(form, host::TwipsRect{}) {}
    host::Form form;
    host::Image Img_Prev;
};

PreviewForm::PreviewForm(host::FormHost& host) : parts_(std::make_unique<Parts>(host)) {}

PreviewForm::~PreviewForm() = default;

void PreviewForm::ShowPreview(int32_t hostWindow) {
    HWND host = reinterpret_cast<HWND>(static_cast<intptr_t>(hostWindow));
    // NOTE: with no host window (0, or a number that names none) nothing could ever end
    // a hidden preview; the program ends instead of lingering unseen.
    if (!host || !IsWindow(host)) host::EndProgram();
    // Skipped by design: a host that cannot give its rectangle leaves it all zero.
    RECT hostRect{};
    GetWindowRect(host, &hostRect);
    const int widthPx = hostRect.right - hostRect.left;
    const int heightPx = hostRect.bottom - hostRect.top;
    host::Form& form = parts_->form;
    if (!form.Load()) return;  // no window: nothing is loaded, and the program ends
    HWND window = form.window();
    // Only WS_CHILD is added: a borderless form is no popup (see Form::Load), so this makes it
    // a proper child of the host once the host is its parent.
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CHILD);
    // NOTE: a host gone since the check above would leave nothing that ends the preview.
    if (!SetParent(window, host)) host::EndProgram();
    MoveWindow(window, 0, 0, widthPx, heightPx, TRUE);
    parts_->Img_Prev.Move(host::TwipsRectOfPixels(0, 0, widthPx, heightPx));
    form.Show();
}

}  // namespace frontend
