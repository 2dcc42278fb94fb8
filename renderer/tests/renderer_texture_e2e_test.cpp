// The renderer's texture file under Wine: a missing file and damaged ones give the messages
// in order, while the window is open, and the right exit. One file for each way the reading
// ends; which headers are refused is bmp_decode_test's table.
#include <vector>

#include "renderer/tests/renderer_e2e.h"

namespace {

using namespace renderer_e2e;

struct BoxExpected {
    const wchar_t* caption;
    std::wstring text;
};

const std::wstring kUnableToLoad = std::wstring(L"Unable to load ") + kTexturePathAsShown;

// Reads each expected box of the renderer in turn, with the renderer's window still open
// behind it, and presses OK.
void ExpectBoxesInOrder(const wintest::ChildProcess& renderer, const std::vector<BoxExpected>& boxes) {
    for (const BoxExpected& expected : boxes) {
        const auto box = wintest::WaitForMessageBox(renderer.id(), kWindowTimeoutMs);
        ASSERT_TRUE(box.has_value()) << "missing box: " << wintest::Utf8(expected.text);
        EXPECT_EQ(wintest::Utf8(box->caption), wintest::Utf8(expected.caption));
        EXPECT_EQ(wintest::Utf8(box->text), wintest::Utf8(expected.text));
        EXPECT_EQ(box->buttons.size(), 1u) << "OK only";
        const HWND window = FindWindowA(kClass, kTitle);
        EXPECT_TRUE(window && wintest::WindowProcessId(window) == renderer.id()) << "the window is gone";
        ASSERT_TRUE(wintest::DismissMessageBox(*box));
    }
}

TEST(RendererTexture, MissingFileGivesTwoMessagesThenExitCodeOne) {
    ExpectNoRendererLeft();
    DeleteFileA(kTexturePath);
    ASSERT_FALSE(wintest::FileExists(kTexturePath));
    auto renderer = StartRenderer();
    ASSERT_TRUE(renderer.has_value());
    ExpectBoxesInOrder(*renderer, {
        {L"BMP Unit", std::wstring(L"Error opening \"") + kTexturePathAsShown},
        {L"Loading Textures", kUnableToLoad},
    });
    EXPECT_EQ(renderer->WaitExit(kExitTimeoutMs), std::optional<DWORD>(1));
}

std::string Le32(uint32_t v) {
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}

std::string WithField(std::string file, size_t offset, uint32_t value) {
    file.replace(offset, 4, Le32(value));
    return file;
}

struct DamagedFileCase {
    const char* name;
    std::string (*make)(const std::string& cloud);
    std::vector<BoxExpected> boxes;
    bool flies;  // true: runs on afterwards; false: ends with exit code 1
};

class RendererDamagedTexture : public testing::TestWithParam<DamagedFileCase> {};

TEST_P(RendererDamagedTexture, ShowsWhatHappenedAndNeverCrashes) {
    ExpectNoRendererLeft();
    const std::string cloud = CloudBytes();
    ASSERT_EQ(cloud.size(), 49206u);
    ASSERT_TRUE(PutTexture(GetParam().make(cloud)));
    auto renderer = StartRenderer();
    ASSERT_TRUE(renderer.has_value());
    ExpectBoxesInOrder(*renderer, GetParam().boxes);
    if (!GetParam().flies) {
        EXPECT_EQ(renderer->WaitExit(kExitTimeoutMs), std::optional<DWORD>(1));
        return;
    }
    HWND window = WaitForFlyingWindow(*renderer);
    ASSERT_NE(window, nullptr);
    // Flying means past the texture load and every message it can show: one look is enough.
    EXPECT_FALSE(wintest::WaitForMessageBox(renderer->id(), 0).has_value()) << "no further message";
    EXPECT_TRUE(renderer->IsRunning());
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(renderer->WaitExit(kExitTimeoutMs), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(Files, RendererDamagedTexture, testing::Values(
    DamagedFileCase{"PixelDataCutShort", [](const std::string& c) { return c.substr(0, 30000); },
                    {{L"BMP Unit", L"Error reading bitmap data"}}, true},
    // The announced colour table (100000 entries, or bytes) runs past the end of the file.
    DamagedFileCase{"ColourTablePastTheEnd", [](const std::string& c) { return WithField(c, 46, 100000); },
                    {{L"BMP Unit", L"Error reading palette"}, {L"Loading Textures", kUnableToLoad}}, false},
    DamagedFileCase{"HugeWidthRefused", [](const std::string& c) { return WithField(c, 18, 1000000); },
                    {{L"Loading Textures", kUnableToLoad}}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
