// The preview form "Preview Window", shown inside the preview pane of the display
// settings (the host window). Win32 only.
#pragma once
#include <cstdint>
#include <memory>

#include "host/form_host_win32.h"

namespace frontend {

class PreviewForm {
  public:
    explicit PreviewForm(host::FormHost& host);
    ~PreviewForm();
    PreviewForm(const PreviewForm&) = delete;
    PreviewForm& operator=(const PreviewForm&) = delete;

    // Makes the form a child of the host window, of the host's size, with the picture in its
    // top-left corner, and shows it. The form unloads, and the program ends, when the host
    // destroys its window; a host of 0 or one that names no window ends the program at once.
    void ShowPreview(int32_t hostWindow);

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace frontend
