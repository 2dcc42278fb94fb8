// The settings dialog of the real program at the DPI of its Wine world (LogPixels 96, 144 or
// 192, as a display at 100, 150 or 200 %): its client area is the described 453 x 206 scaled,
// every caption's text, measured in the dialog's font at that DPI, fits the place it is drawn
// in, and, in the 96 world, the dialog moved to a monitor of 144 DPI lays itself out again.
// Screenshots for a person to look at go beside the test.
#include <cmath>
#include <string>
#include <vector>

#include "settings/tests/dialog_under_test.h"
#include "testing/wintest/accessible_tree.h"

namespace {

using dialog_test::DialogUnderTest;
using dialog_test::kGenerousMs;
using dialog_test::WorldDpi;

struct ClientAt {
    int dpi;
    SIZE client;
};
// 453 x 206 times DPI/96; 679.5 rounds away from zero.
const ClientAt kClientSizes[] = {{96, {453, 206}}, {144, {680, 309}}, {192, {906, 412}}};

SIZE ExpectedClient(int dpi) {
    for (const ClientAt& at : kClientSizes) {
        if (at.dpi == dpi) return at.client;
    }
    ADD_FAILURE() << "no described size for " << dpi << " DPI";
    return SIZE{};
}

// Each caption and the room its place gives it at 96 DPI: a button's or the heading's frame
// its width, a label from its left edge to the next part on its row (a one-line label draws
// its whole caption, past its own described width if need be). NOTE: the described label
// widths were made for the original font; IPAPGothic, which Wine shows in its place, is a few
// pixels wider than four of them already at 96 DPI, so the room is what may not be overrun.
struct Caption {
    const wchar_t* text;
    int roomPx;
};
const Caption kCaptions[] = {{L"BGM", 101},
                             {L"音楽CD", 68},  // to the track box
                             {L"無し", 68},
                             {L"MP3、WAV", 68},  // to "..."
                             {L"曲目をﾘﾋﾟｰﾄ", 257},  // to the panel's edge
                             {L"...", 29},
                             {L"設定", 81},
                             {L"ｷｬﾝｾﾙ", 81},
                             {L"Designed by Mistloom Ver.1.0.0", 256},  // to 設定
                             {L"https://vaporquill.example/", 256}};

// The text's width in the dialog's font ("ＭＳ Ｐゴシック" 9.75 pt, Shift-JIS) made for dpi.
int TextWidthAt(const std::wstring& text, int dpi) {
    const int heightPx = static_cast<int>(std::lround(9.75 * dpi / 72.0));
    HFONT font = CreateFontW(-heightPx, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                             L"ＭＳ Ｐゴシック");
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
    return extent.cx;
}

void ExpectEveryCaptionFits(int dpi) {
    for (const Caption& caption : kCaptions) {
        // The room at dpi, rounded down: a caption that fits that fits any rounding.
        const int placePx = caption.roomPx * dpi / 96;
        EXPECT_LE(TextWidthAt(caption.text, dpi), placePx)
            << wintest::Utf8(caption.text) << " at " << dpi << " DPI in a place " << placePx << " pixels wide";
    }
}

// A block of the dialog's memory that the test writes and reads: WM_GETDPISCALEDSIZE and
// WM_DPICHANGED carry pointers, which the system fills in the receiving process.
class BlockInDialog {
  public:
    BlockInDialog(HANDLE process, SIZE_T bytes) : process_(process) {
        remote_ = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~BlockInDialog() {
        if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    }
    BlockInDialog(const BlockInDialog&) = delete;
    BlockInDialog& operator=(const BlockInDialog&) = delete;
    LPARAM address() const { return reinterpret_cast<LPARAM>(remote_); }
    template <typename T> bool Write(const T& value) {
        return remote_ && WriteProcessMemory(process_, remote_, &value, sizeof(T), nullptr);
    }
    template <typename T> bool Read(T& value) const {
        return remote_ && ReadProcessMemory(process_, remote_, &value, sizeof(T), nullptr);
    }

  private:
    HANDLE process_;
    void* remote_ = nullptr;
};

TEST(FrontEndManifest, DeclaresAwarenessOfEachMonitorsDpi) {
    const wintest::DpiDeclaration declared = wintest::DeclaredDpiAwareness(wintest::DistDir() + "\\Vaporquill.scr");
    // Windows 10 from 1703 takes the first value it knows; 1607 skips the v2 it does not know.
    ASSERT_TRUE(declared.dpiAwareness.has_value()) << "no manifest the system accepts, or no awareness in it";
    EXPECT_EQ(*declared.dpiAwareness, L"PerMonitorV2, PerMonitor");
    // Windows 8.1 and older Windows 10 read only this one.
    EXPECT_EQ(declared.dpiAware, std::optional<std::wstring>(L"true/pm"));
}

class DialogScaling : public DialogUnderTest {};

TEST_F(DialogScaling, TheClientIsTheDescribedSizeScaledAndEveryCaptionFitsItsPlace) {
    Open();
    const int dpi = WorldDpi();
    RECT client{};
    GetClientRect(window_, &client);
    const SIZE expected = ExpectedClient(dpi);
    EXPECT_EQ(client.right, expected.cx) << "at " << dpi << " DPI";
    EXPECT_EQ(client.bottom, expected.cy) << "at " << dpi << " DPI";
    std::printf("client at %d DPI: %ld x %ld\n", dpi, client.right, client.bottom);
    ExpectEveryCaptionFits(dpi);
    SaveScreenshot("open");
    // The pointer on 設定: its highlighted face at this scale, for a person to look at.
    const std::optional<RECT> set = PlaceOf(L"設定");
    ASSERT_TRUE(set.has_value());
    const POINT onSet{(set->left + set->right) / 2, (set->top + set->bottom) / 2};
    const uint32_t before = wintest::ScreenPixel(POINT{onSet.x, set->top + 3 * WorldDpi() / 96});
    wintest::MovePointerTo(onSet);
    EXPECT_TRUE(wintest::PumpUntil([&] { return wintest::ScreenPixel(POINT{onSet.x, set->top + 3 * WorldDpi() / 96}) != before; },
                                   kGenerousMs)) << "the hover face";
    SaveScreenshot("hover_set");
    PostMessageA(window_, WM_CLOSE, 0, 0);
    ExpectEnds();
}

TEST_F(DialogScaling, MovedToAMonitorOf144DpiItLaysItselfOutAgainInTheSuggestedRectangle) {
    if (WorldDpi() != 96) GTEST_SKIP() << "the move is made from a 96 DPI world";
    Open();
    // As the system does: it asks the window for its size at the new DPI, then suggests a
    // rectangle of that size where the window stands.
    BlockInDialog block(dialog_->handle(), sizeof(RECT));
    ASSERT_TRUE(block.Write(SIZE{}));
    ASSERT_TRUE(SendMessageA(window_, WM_GETDPISCALEDSIZE, 144, block.address())) << "the window gives its own size";
    SIZE frame{};
    ASSERT_TRUE(block.Read(frame));
    RECT now{};
    GetWindowRect(window_, &now);
    const RECT suggested{now.left + 10, now.top + 20, now.left + 10 + frame.cx, now.top + 20 + frame.cy};
    ASSERT_TRUE(block.Write(suggested));
    SendMessageA(window_, WM_DPICHANGED, MAKEWPARAM(144, 144), block.address());

    RECT placed{};
    GetWindowRect(window_, &placed);
    EXPECT_EQ(placed.left, suggested.left);
    EXPECT_EQ(placed.top, suggested.top);
    EXPECT_EQ(placed.right - placed.left, frame.cx);
    RECT client{};
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, ExpectedClient(144).cx);
    EXPECT_EQ(client.bottom, ExpectedClient(144).cy);
    // The buttons stand at their new places, and what a screen reader is told follows them.
    const std::optional<RECT> set = PlaceOf(L"設定");
    ASSERT_TRUE(set.has_value());
    const POINT centre{(set->left + set->right) / 2, (set->top + set->bottom) / 2};
    RECT button{};
    GetWindowRect(WindowFromPoint(centre), &button);
    EXPECT_TRUE(EqualRect(&button, &*set)) << "設定 drawn at " << button.left << "," << button.top << " "
                                           << button.right - button.left << "x" << button.bottom - button.top;
    EXPECT_EQ(set->right - set->left, 122) << "81 pixels at 150 %, rounded";
    // Redrawn: the gradient's top row again, at the new place.
    EXPECT_TRUE(wintest::PumpUntil([&] {
        POINT corner{2, 0};
        ClientToScreen(window_, &corner);
        return wintest::ScreenPixel(corner) == 0x00001E;
    }, kGenerousMs));
    SaveScreenshot("moved_to_144");
    PostMessageA(window_, WM_CLOSE, 0, 0);
    ExpectEnds();
}

}  // namespace
