// The settings dialog of the real program ("Vaporquill.scr /c") opened for a test in a folder
// of its own, and what the tests of its scaling and its accessible parts share: the world's
// DPI, screenshots for a person, the program's end. Win32 only.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "testing/wintest/accessible_tree.h"
#include "testing/wintest/wintest.h"

namespace dialog_test {

constexpr DWORD kGenerousMs = 30000;

// The DPI the Wine world gives every program (its LogPixels).
inline int WorldDpi() {
    const char* dpi = std::getenv("VQ_LOGPIXELS");
    return dpi ? std::atoi(dpi) : 96;
}

class DialogUnderTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the test must run under code page 932";
        name_ = testing::UnitTest::GetInstance()->current_test_info()->name();
        folder_ = Install(name_);
    }
    void TearDown() override {
        dialog_.reset();
        wintest::DeleteTree(folder_);
    }

    static std::string Install(const std::string& name) {
        return wintest::InstallPairTo("dpi" + std::to_string(WorldDpi()) + "_" + name);
    }

    // Opens the dialog of the program in folder and waits until it is shown and drawn.
    void Open(const std::string& folder) {
        // Away from where the window opens: a window opening under the pointer hears of it late.
        wintest::MovePointerTo(POINT{5, 5});
        dialog_ = wintest::ChildProcess::Start("\"" + folder + "\\Vaporquill.scr\" /c", folder);
        ASSERT_TRUE(dialog_.has_value());
        window_ = wintest::WaitForWindow("<Vaporquill>", kGenerousMs);
        ASSERT_NE(window_, nullptr);
        // Drawn: the gradient's dark blue top row (0, 0, 30) is on the screen.
        ASSERT_TRUE(wintest::PumpUntil([&] {
            POINT corner{2, 0};
            return IsWindowVisible(window_) && ClientToScreen(window_, &corner) && wintest::ScreenPixel(corner) == 0x00001E;
        }, kGenerousMs)) << "the dialog's gradient is drawn";
        // And the buttons' faces, which their own windows paint after the dialog's: light just
        // inside the left edge, where no caption is.
        for (const wchar_t* button : {L"設定", L"ｷｬﾝｾﾙ"}) {
            ASSERT_TRUE(wintest::PumpUntil([&] {
                const std::optional<RECT> place = PlaceOf(button);
                if (!place) return false;
                const uint32_t rgb = wintest::ScreenPixel(
                    POINT{place->left + 3 * WorldDpi() / 96, (place->top + place->bottom) / 2});
                return (rgb >> 16) > 150 && ((rgb >> 8) & 0xFF) > 150 && (rgb & 0xFF) > 150;
            }, kGenerousMs)) << wintest::Utf8(button) << "'s face is drawn";
        }
    }

    // The screen place of the accessible part named name, as a screen reader reads it.
    std::optional<RECT> PlaceOf(const std::wstring& name) const {
        const auto children = wintest::ReadAccessibleChildren(window_);
        if (!children) return std::nullopt;
        for (const wintest::AccessibleChild& child : *children) {
            if (child.name == name) return child.place;
        }
        return std::nullopt;
    }
    void Open() { Open(folder_); }

    void ExpectEnds() {
        ASSERT_TRUE(dialog_->WaitExit(kGenerousMs).has_value()) << "the program did not end with the dialog";
    }
    // The screen as a bitmap file beside the test, for a person to look at.
    void SaveScreenshot(const std::string& what) {
        const char* dir = std::getenv("VQ_SCREENSHOT_DIR");
        if (!dir) return;
        std::string path = std::string("Z:") + dir + "/dpi" + std::to_string(WorldDpi()) + "_" + what + ".bmp";
        for (char& c : path) if (c == '/') c = '\\';
        wintest::CaptureScreen().SaveBmp(path);
    }
    std::string IniPath(const std::string& folder) const { return folder + "\\Vaporquill.ini"; }

    wintest::ComThread com_;  // the dialog is read as a screen reader reads it
    std::string name_;
    std::string folder_;
    std::optional<wintest::ChildProcess> dialog_;
    HWND window_ = nullptr;
};

}  // namespace dialog_test
