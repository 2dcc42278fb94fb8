// The host's controls on the real platform, in this test's own window under Wine: what a
// persistent surface keeps, windowless labels and images with their clicks and pointers,
// control arrays, the combo box's text, Tab through the focus order, and handlers that
// fail without taking the program down.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/combo_box_win32.h"
#include "host/control_array.h"
#include "host/form_win32.h"
#include "host/image_win32.h"
#include "host/label_win32.h"
#include "host/picture_box_win32.h"
#include "testing/wintest/wintest.h"

namespace {

constexpr DWORD kGenerousMs = 30000;

bool RunUntil(const std::function<bool()>& done) { return wintest::PumpUntil(done, kGenerousMs); }

// A 4 x 3 picture: red on the left half, blue on the right.
std::shared_ptr<const host::Picture> RedBluePicture() {
    host::StoredPicture stored;
    stored.width = 4;
    stored.height = 3;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool red = x < 2;
            stored.bgrRowsBottomUp.insert(stored.bgrRowsBottomUp.end(),
                                          {uint8_t(red ? 0 : 255), 0, uint8_t(red ? 255 : 0)});
        }
    }
    return host::Picture::FromStored(stored);
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

void ClickAt(HWND window, int x, int y) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, At(x, y));
}

class HostControlsTest : public testing::Test {
  protected:
    void SetUp() override { form_.SetControlsFont(host::DialogFont()); }
    host::FormHost host_{GetModuleHandleA(nullptr)};
    host::Form form_{host_, "VqHostControls", host::FormLook{true, RGB(128, 128, 128), 200, 120}, host::FormHandlers{}};
};

TEST_F(HostControlsTest, WhatIsDrawnOnTheSurfaceStaysWhenTheWindowRepaints) {
    form_.Show();
    form_.surface().Line(0, 10, 200, 10, RGB(255, 0, 0));
    form_.Refresh();
    RedrawWindow(form_.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const wintest::Screenshot shot = wintest::PrintClient(form_.window());
    EXPECT_EQ(shot.Pixel(0, 10), 0xFF0000u);
    EXPECT_EQ(shot.Pixel(199, 10), 0xFF0000u) << "the line reaches the last column before its end point";
    EXPECT_EQ(shot.Pixel(50, 11), 0x808080u) << "the form's background";
}

TEST_F(HostControlsTest, AnImageShowsItsPictureAtNaturalSizeAndTheContainerBeyondIt) {
    host::PictureBox box(form_, host::TwipsRectOfPixels(10, 10, 60, 40), RGB(0, 0, 0));
    host::Image image(box, host::TwipsRectOfPixels(5, 5, 20, 20), RedBluePicture());
    host::Image cut(box, host::TwipsRectOfPixels(40, 5, 3, 2), RedBluePicture());
    form_.Show();
    const wintest::Screenshot shot = wintest::PrintClient(box.window());
    EXPECT_EQ(shot.Pixel(5, 5), 0xFF0000u);
    EXPECT_EQ(shot.Pixel(8, 7), 0x0000FFu) << "the picture's last pixel, unstretched";
    EXPECT_EQ(shot.Pixel(9, 5), 0x000000u) << "beyond the picture the box shows";
    EXPECT_EQ(shot.Pixel(5, 8), 0x000000u);
    EXPECT_EQ(shot.Pixel(42, 6), 0x0000FFu) << "a smaller image shows the picture's top-left part";
    EXPECT_EQ(shot.Pixel(43, 6), 0x000000u) << "and nothing beyond its own place";
}

TEST_F(HostControlsTest, WindowlessControlsGetTheirClicksAndAnArrayGivesTheIndex) {
    host::ControlArray<host::Label> kinds;
    std::vector<int> clicked;
    kinds.click = [&](int index) { clicked.push_back(index); };
    kinds.Add(1, form_, host::TwipsRectOfPixels(10, 10, 50, 13), L"音楽CD");
    kinds.Add(0, form_, host::TwipsRectOfPixels(10, 30, 50, 13), L"無し");
    int formClicks = 0;
    form_.events.click = [&] { ++formClicks; };
    form_.Show();

    ClickAt(form_.window(), 15, 35);
    ClickAt(form_.window(), 15, 15);
    EXPECT_EQ(clicked, (std::vector<int>{0, 1}));
    ClickAt(form_.window(), 150, 100);
    EXPECT_EQ(formClicks, 1) << "a click beside the labels is the form's";

    // Pressed on a label and released on the other: neither clicks.
    SendMessageA(form_.window(), WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    SendMessageA(form_.window(), WM_LBUTTONUP, 0, At(15, 35));
    EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(HostControlsTest, ALabelsOwnPointerShowsOverItAndTheHourglassCoversAll) {
    HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    host::Label link(form_, host::TwipsRectOfPixels(10, 10, 80, 13), L"https://example.org/");
    link.pointer = hand;
    form_.Show();
    RECT frame;
    GetWindowRect(form_.window(), &frame);
    POINT overLink{15, 15};
    ClientToScreen(form_.window(), &overLink);
    SetCursorPos(overLink.x, overLink.y);
    SendMessageA(form_.window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form_.window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand);
    host_.SetScreenPointer(host::ScreenPointer::Hourglass);
    SendMessageA(form_.window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form_.window()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
    host_.SetScreenPointer(host::ScreenPointer::Default);
}

TEST_F(HostControlsTest, TheComboBoxKeepsJapaneseTextAndItsList) {
    host::ComboBox combo(form_, host::TwipsRectOfPixels(10, 10, 41, 20));
    combo.SetText(L"１２");
    combo.AddItem(L"");
    combo.AddItem(L"7");
    form_.Show();
    EXPECT_EQ(combo.text(), L"１２");
    EXPECT_EQ(SendMessageW(combo.controlWindow(), CB_GETCOUNT, 0, 0), 2);
    SetWindowTextW(combo.controlWindow(), L"abc");
    EXPECT_EQ(combo.text(), L"abc") << "what the user typed";
}

TEST_F(HostControlsTest, TabMovesTheFocusInTheFormsOrderAndTheControlsHearIt) {
    host::PictureBox first(form_, host::TwipsRectOfPixels(0, 0, 20, 20), RGB(0, 0, 0));
    host::ComboBox second(form_, host::TwipsRectOfPixels(30, 0, 41, 20));
    host::PictureBox hidden(form_, host::TwipsRectOfPixels(80, 0, 20, 20), RGB(0, 0, 0));
    host::PictureBox last(form_, host::TwipsRectOfPixels(110, 0, 20, 20), RGB(0, 0, 0));
    std::vector<std::string> heard;
    first.events.gotFocus = [&] { heard.push_back("first got"); };
    first.events.lostFocus = [&] { heard.push_back("first lost"); };
    last.events.gotFocus = [&] { heard.push_back("last got"); };
    hidden.SetShown(false);
    form_.SetFocusOrder({&first, &second, &hidden, &last});
    form_.Show();
    SetForegroundWindow(form_.window());
    ASSERT_TRUE(RunUntil([&] { return GetFocus() == first.window(); })) << "the first control has the focus";

    auto pressTab = [&](bool shift) {
        // Through the program's own message loop, as a user's key press arrives.
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        if (shift) {
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[VK_SHIFT] = 0x80;
            SetKeyboardState(keys);
        }
        MSG waiting;
        while (PeekMessageA(&waiting, nullptr, 0, 0, PM_NOREMOVE)) host_.PumpOneMessage();
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    };
    pressTab(false);
    EXPECT_TRUE(IsChild(second.controlWindow(), GetFocus()) || GetFocus() == second.controlWindow());
    pressTab(false);
    EXPECT_EQ(GetFocus(), last.window()) << "the hidden box is passed over";
    pressTab(false);
    EXPECT_EQ(GetFocus(), first.window()) << "round to the first";
    pressTab(true);
    EXPECT_EQ(GetFocus(), last.window()) << "Shift+Tab goes back";
    EXPECT_EQ(heard, (std::vector<std::string>{"first got", "first lost", "last got", "first got", "first lost",
                                               "last got"}));
}

TEST_F(HostControlsTest, AFailingHandlerIsAbandonedAndTheProgramGoesOn) {
    int ticks = 0;
    form_.AddTimer(20, true, [&] {
        ++ticks;
        throw std::runtime_error("a handler that fails");
    });
    host::Label label(form_, host::TwipsRectOfPixels(0, 0, 50, 13), L"x");
    label.events.click = [] { throw std::bad_alloc(); };
    form_.Show();
    ClickAt(form_.window(), 5, 5);
    ASSERT_TRUE(RunUntil([&] { return ticks >= 3; })) << "the timer ticks on after its handler failed";
}

}  // namespace
