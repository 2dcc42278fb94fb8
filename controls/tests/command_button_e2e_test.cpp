// The push button on the real platform, in this test's own window under Wine: each face
// at the dialog's sizes, checked at the pixels a user looks at, and Click from real mouse
// input (SendInput) for a click, a press dragged off, and a press dragged off and back.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/command_button_win32.h"
#include "host/form_win32.h"
#include "testing/wintest/wintest.h"

namespace {

constexpr DWORD kGenerousMs = 30000;

bool RunUntil(const std::function<bool()>& done) { return wintest::PumpUntil(done, kGenerousMs); }

// What the button shows: its surface with the caption over it, as it would be painted.
class ButtonPixels {
  public:
    explicit ButtonPixels(const controls::CommandButton& button) : shot_(wintest::PrintClient(button.window())) {}

    COLORREF At(int x, int y) const {
        const uint32_t rgb = shot_.Pixel(x, y);
        return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
    }
    int width() const { return shot_.width; }
    int height() const { return shot_.height; }
    // Pixels of the caption's band far darker than any face (the face's darkest is the
    // lavender, 198 + 197 + 215).
    int DarkPixelsInMiddle() const {
        int dark = 0;
        for (int y = 5; y < height() - 5; ++y) {
            for (int x = 6; x < width() - 6; ++x) {
                const COLORREF c = At(x, y);
                if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 400) ++dark;
            }
        }
        return dark;
    }

  private:
    wintest::Screenshot shot_;
};

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

host::PropertyStore CaptionStore(const wchar_t* caption) {
    host::PropertyStore store;
    store.Write(L"Caption", std::wstring(caption), std::wstring(L"Command"));
    return store;
}

using wintest::MovePointerTo;

POINT CentreOf(const controls::CommandButton& button) {
    RECT r;
    GetWindowRect(button.window(), &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class CommandButtonTest : public testing::Test {
  protected:
    void SetUp() override {
        form_.SetControlsFont(host::DialogFont());
        form_.Show();
        wide_.Click = [this] { ++wideClicks_; };
        narrow_.Click = [this] { ++narrowClicks_; };
        wide_.Initialize();
        narrow_.Initialize();
        // Somewhere no button is, so that the test starts with nothing hovered.
        MovePointerTo(POINT{5, 5});
        ASSERT_TRUE(RunUntil([&] { return wide_.faceState() == 1 && narrow_.faceState() == 1; }));
    }

    host::FormHost host_{GetModuleHandleA(nullptr)};
    host::Form form_{host_, "VqButtonTest", host::FormLook{true, RGB(30, 30, 90), 240, 80}, host::FormHandlers{}};
    controls::CommandButton wide_{form_, host::TwipsRectOfPixels(20, 20, 81, 25), CaptionStore(L"設定")};
    controls::CommandButton narrow_{form_, host::TwipsRectOfPixels(140, 22, 29, 21), CaptionStore(L"...")};
    int wideClicks_ = 0;
    int narrowClicks_ = 0;
};

const COLORREF kFrameBlue = RGB(0x00, 0x3C, 0x74);

TEST_F(CommandButtonTest, NormalHasTheBlueFrameAWhiteToLavenderFaceAndItsCaption) {
    for (controls::CommandButton* button : {&wide_, &narrow_}) {
        ButtonPixels face(*button);
        const int middle = face.height() / 2;
        EXPECT_LE(Distance(face.At(1, middle), kFrameBlue), 30) << Hex(face.At(1, middle));
        EXPECT_LE(Distance(face.At(face.width() - 2, middle), kFrameBlue), 30);
        const COLORREF top = face.At(5, 4);
        const COLORREF bottom = face.At(5, face.height() - 5);
        EXPECT_GT(GetRValue(top), GetRValue(bottom) + 15) << Hex(top) << " over " << Hex(bottom);
        EXPECT_GT(GetBValue(bottom), GetRValue(bottom)) << "lavender at the bottom: " << Hex(bottom);
        EXPECT_GT(face.DarkPixelsInMiddle(), button == &wide_ ? 20 : 2) << "the black caption";
    }
}

TEST_F(CommandButtonTest, EachStatePaintsItsFace) {
    const int middle = 12;
    // HighLight: the warm inner border, and the gradient turned over.
    wide_.pointerOverButton = [] { return true; };
    SendMessageA(wide_.window(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ASSERT_EQ(wide_.faceState(), 2);
    {
        ButtonPixels face(wide_);
        const COLORREF border = face.At(2, middle);
        EXPECT_GT(GetRValue(border), GetBValue(border) + 60) << "amber: " << Hex(border);
        EXPECT_GT(GetRValue(face.At(5, face.height() - 5)), GetRValue(face.At(5, 4)) + 15) << "white at the bottom";
    }
    // Selected: the blue inner border, the gradient upright again.
    wide_.pointerOverButton = nullptr;
    SendMessageA(wide_.window(), WM_SETFOCUS, 0, 0);
    SendMessageA(wide_.window(), WM_KILLFOCUS, 0, 0);
    narrow_.pointerOverButton = [] { return false; };
    SetFocus(narrow_.window());
    ASSERT_EQ(narrow_.faceState(), 3);
    {
        ButtonPixels face(narrow_);
        const COLORREF border = face.At(2, face.height() / 2);
        EXPECT_GT(GetBValue(border), GetRValue(border) + 40) << "blue: " << Hex(border);
        EXPECT_GT(face.DarkPixelsInMiddle(), 2) << "the caption \"...\"";
    }
    // Pressed: the dark frame one pixel further in.
    wide_.pointerOverButton = [] { return true; };
    SendMessageA(wide_.window(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SendMessageA(wide_.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ASSERT_EQ(wide_.faceState(), 4) << "a press takes the focus under the pointer";
    {
        ButtonPixels face(wide_);
        EXPECT_LE(Distance(face.At(2, middle), kFrameBlue), 30) << Hex(face.At(2, middle));
        EXPECT_GT(Distance(face.At(1, middle), kFrameBlue), 100) << Hex(face.At(1, middle));
    }
    SendMessageA(wide_.window(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(wideClicks_, 1);
    // Disable: the grey frame and no black caption.
    narrow_.SetEnabled(false);
    {
        ButtonPixels face(narrow_);
        const COLORREF frame = face.At(1, face.height() / 2);
        EXPECT_LE(Distance(frame, RGB(0xC9, 0xC7, 0xBA)), 30) << Hex(frame);
        EXPECT_EQ(face.DarkPixelsInMiddle(), 0) << "the caption is greyed";
    }
}

TEST_F(CommandButtonTest, VisibleFalseShowsTheFormThroughButKeepsTheCaption) {
    wide_.SetVisible(false);
    EXPECT_FALSE(wide_.Visible());
    ButtonPixels face(wide_);
    EXPECT_LE(Distance(face.At(1, 12), RGB(30, 30, 90)), 10) << "the form's colour where the frame was";
    EXPECT_GT(face.DarkPixelsInMiddle(), 10) << "the caption stays";
}

TEST_F(CommandButtonTest, ARealClickRaisesClickOnce) {
    MovePointerTo(CentreOf(wide_));
    ASSERT_TRUE(RunUntil([&] { return wide_.faceState() == 2; })) << "hovered";
    wintest::ClickAt(CentreOf(wide_));
    ASSERT_TRUE(RunUntil([&] { return wideClicks_ > 0; }));
    // Everything the click caused has been handled once the face settles.
    ASSERT_TRUE(RunUntil([&] { return wide_.faceState() == 4; }));
    EXPECT_EQ(wideClicks_, 1);
    EXPECT_EQ(narrowClicks_, 0);
}

TEST_F(CommandButtonTest, APressDraggedOffAndReleasedRaisesNone) {
    MovePointerTo(CentreOf(wide_));
    ASSERT_TRUE(RunUntil([&] { return wide_.faceState() == 2; }));
    wintest::PressLeftButtonAt(CentreOf(wide_));
    ASSERT_TRUE(RunUntil([&] { return wide_.faceState() == 4; })) << "pressed and focused";
    MovePointerTo(POINT{5, 5});
    ASSERT_TRUE(RunUntil([&] { return wide_.faceState() == 3; })) << "Selected once the hover ends";
    wintest::ReleaseLeftButtonAt(POINT{5, 5});
    // Back over the button with the button up: HighLightSelect shows the release was seen.
    MovePointerTo(CentreOf(wide_));
    ASSERT_TRUE(RunUntil([&] { return wide_.faceState() == 4; }));
    EXPECT_EQ(wideClicks_, 0);
}

TEST_F(CommandButtonTest, APressDraggedOffAndBackRaisesNone) {
    MovePointerTo(CentreOf(narrow_));
    ASSERT_TRUE(RunUntil([&] { return narrow_.faceState() == 2; }));
    wintest::PressLeftButtonAt(CentreOf(narrow_));
    ASSERT_TRUE(RunUntil([&] { return narrow_.faceState() == 4; }));
    MovePointerTo(POINT{5, 5});
    ASSERT_TRUE(RunUntil([&] { return narrow_.faceState() == 3; }));
    const POINT back = CentreOf(narrow_);
    MovePointerTo(back);
    wintest::ReleaseLeftButtonAt(back);
    // A move with the button up is what turns it back to HighLightSelect.
    MovePointerTo(POINT{back.x + 1, back.y});
    ASSERT_TRUE(RunUntil([&] { return narrow_.faceState() == 4; }));
    EXPECT_EQ(narrowClicks_, 0);
}

TEST(ButtonGallery, ShowsEveryStateForAScreenshot) {
    std::string gallery = GALLERY_PATH;
    for (char& c : gallery) if (c == '/') c = '\\';
    auto process = wintest::ChildProcess::Start("Z:" + gallery);
    ASSERT_TRUE(process.has_value());
    HWND window = wintest::WaitForWindow("Vaporquill button gallery (ready)", kGenerousMs);
    ASSERT_NE(window, nullptr);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT frame;
    GetWindowRect(window, &frame);
    const wintest::Screenshot shot = wintest::CaptureScreen();
    std::string path = gallery.substr(0, gallery.find_last_of('\\')) + "\\button_gallery.bmp";
    EXPECT_TRUE(shot.SaveBmp("Z:" + path));
    EXPECT_NE(shot.Pixel((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2), 0u);
}

}  // namespace
