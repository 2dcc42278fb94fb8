// Combo boxes; see combo_box_win32.h.
#include "host/combo_box_win32.h"

#include <utility>

#include "host/container_win32.h"
#include "host/font_win32.h"

namespace host {

namespace {

// How far the list drops below the text, in entries.
constexpr int kListRows = 12;

}  // namespace

ComboBox::ComboBox(Container& container, const TwipsRect& place, FontInfo font)
    : WindowedControl(container, place), module_(container.context().instance), font_(std::move(font)) {
    if (container.window()) CreateIn(container.window());
}

ComboBox::~ComboBox() {
    // The window has usually gone with its form already.
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void ComboBox::CreateIn(HWND parent) {
    if (window_) return;
    const RECT place = placePx();
    const int rowPx = FontHeightPx(font_, site_.dpi()) + ScaleToDpi(3, site_.dpi());
    // NOTE: a drop-down combo box's height is its text's; the height given here is the
    // text and the dropped list together.
    window_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"COMBOBOX", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                              place.left, place.top, place.right - place.left,
                              place.bottom - place.top + rowPx * kListRows, parent, nullptr,
                              module_, nullptr);
    if (!window_) return;
    systemFont_ = MakeFont(font_, site_.dpi());
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(systemFont_.get()), FALSE);
    for (const std::wstring& item : items_) SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SetWindowTextW(window_, pendingText_.c_str());
}

void ComboBox::FollowSiteDpi() {
    if (!window_) return;
    // The text box's height follows its font; the place's height is the text and the list.
    common::GdiObject font = MakeFont(font_, site_.dpi());
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    systemFont_ = std::move(font);
    const RECT place = placePx();
    const int rowPx = FontHeightPx(font_, site_.dpi()) + ScaleToDpi(3, site_.dpi());
    MoveWindow(window_, place.left, place.top, place.right - place.left,
               place.bottom - place.top + rowPx * kListRows, TRUE);
}

std::wstring ComboBox::text() const {
    if (!window_) return pendingText_;
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void ComboBox::SetText(const std::wstring& text) {
    pendingText_ = text;
    if (window_) SetWindowTextW(window_, text.c_str());
}

void ComboBox::AddItem(const std::wstring& item) {
    items_.push_back(item);
    if (window_) SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ComboBox::ClearItems() {
    items_.clear();
    pendingText_.clear();  // as the system's control clears its text with the list
    if (window_) SendMessageW(window_, CB_RESETCONTENT, 0, 0);
}

}  // namespace host
