// The push button in every state, side by side at the dialog's two sizes, on the dialog's
// colours, for a person to look at. Its title gains " (ready)" once every button shows its
// state; it runs until closed.
#include <windows.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "controls/command_button_win32.h"
#include "host/form_win32.h"
#include "host/label_win32.h"

namespace {

constexpr int kRowHeightPx = 34;
constexpr int kTopPx = 12;

host::PropertyStore CaptionStore(const wchar_t* caption) {
    host::PropertyStore store;
    store.Write(L"Caption", std::wstring(caption), std::wstring(L"Command"));
    return store;
}

struct Row {
    const wchar_t* name;
    std::unique_ptr<controls::CommandButton> wide;
    std::unique_ptr<controls::CommandButton> narrow;
};

void Notify(controls::CommandButton& button, UINT message, WPARAM wParam = 0) {
    SendMessageA(button.window(), message, wParam, MAKELPARAM(5, 5));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    host::FormHost host(instance);
    const wchar_t* names[] = {L"Normal", L"HighLight", L"Selected", L"HighLightSelect",
                              L"Pressed (focus, hovered)", L"Pressed (held)", L"Disable",
                              L"Visible = False"};
    const int rows = static_cast<int>(sizeof(names) / sizeof(names[0]));
    host::Form form(host, "Vaporquill button gallery", host::FormLook{true, RGB(128, 128, 128), 360, kTopPx * 2 + rows * kRowHeightPx},
              host::FormHandlers{});
    form.SetControlsFont(host::DialogFont());
    form.Load();
    // The dialog's background: dark blue at the edges, pale in the middle.
    const int height = form.scaleHeightPx();
    for (int y = 0; y <= height; ++y) {
        const double c = 220.0 * std::abs(std::sin(y / (height / 3.142)));
        const int level = static_cast<int>(c + 0.5);
        form.surface().Line(0, y, form.scaleWidthPx(), y, RGB(level, level, level + 30));
    }

    std::vector<std::unique_ptr<host::Label>> labels;
    std::vector<Row> built;
    for (int i = 0; i < rows; ++i) {
        const int top = kTopPx + i * kRowHeightPx;
        labels.push_back(std::make_unique<host::Label>(form, host::TwipsRectOfPixels(12, top + 6, 190, 16), names[i],
                                                 host::LabelLook{host::DialogFont(), RGB(255, 255, 255), false, false}));
        Row row{names[i],
                std::make_unique<controls::CommandButton>(form, host::TwipsRectOfPixels(210, top, 81, 25), CaptionStore(L"設定")),
                std::make_unique<controls::CommandButton>(form, host::TwipsRectOfPixels(310, top + 2, 29, 21), CaptionStore(L"..."))};
        for (controls::CommandButton* button : {row.wide.get(), row.narrow.get()}) {
            button->Initialize();
            button->pointerOverButton = [] { return true; };  // hovered states stay put
        }
        built.push_back(std::move(row));
    }
    form.Show();
    for (size_t i = 0; i < built.size(); ++i) {
        for (controls::CommandButton* button : {built[i].wide.get(), built[i].narrow.get()}) {
            switch (i) {
                case 0: button->pointerOverButton = [] { return false; }; break;
                case 1: Notify(*button, WM_MOUSEMOVE); break;
                case 2: Notify(*button, WM_SETFOCUS); break;
                case 3: Notify(*button, WM_SETFOCUS); Notify(*button, WM_MOUSEMOVE); break;
                case 4: Notify(*button, WM_MOUSEMOVE); Notify(*button, WM_SETFOCUS); break;
                case 5: break;  // pressed last, below: only one button can hold the mouse
                case 6: button->SetEnabled(false); break;
                case 7: button->SetVisible(false); break;
                default: break;
            }
        }
    }
    built[5].narrow->SetShown(false);
    Notify(*built[5].wide, WM_MOUSEMOVE);
    Notify(*built[5].wide, WM_LBUTTONDOWN, MK_LBUTTON);
    UpdateWindow(form.window());
    form.SetTitle("Vaporquill button gallery (ready)");
    host.RunWhileFormsLoaded();
    return 0;
}
