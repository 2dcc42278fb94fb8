// A combo box: an editable text with a drop-down list of entries, the system's own
// control. Its text is held as Unicode. Win32 only.
#pragma once
#include <string>
#include <vector>

#include "common/gdi_objects_win32.h"
#include "host/control_win32.h"
#include "host/font_info.h"

namespace host {

class Container;

class ComboBox : public WindowedControl {
  public:
    ComboBox(Container& container, const TwipsRect& place, FontInfo font = DialogFont());
    ~ComboBox() override;

    HWND controlWindow() const override { return window_; }
    void FollowSiteDpi() override;
    std::wstring text() const;
    void SetText(const std::wstring& text);
    void AddItem(const std::wstring& item);
    void ClearItems();
    std::vector<std::wstring> items() const { return items_; }

  protected:
    void CreateIn(HWND parent) override;

  private:
    HWND window_ = nullptr;
    HINSTANCE module_;  // the program's, whose window the box belongs to
    FontInfo font_;
    common::GdiObject systemFont_;
    std::wstring pendingText_;  // the text until the window exists
    std::vector<std::wstring> items_;
};

}  // namespace host
