// The preview form in the test's own process, inside a window of the test playing the display
// settings' preview pane. WINE: Wine shows no GDI drawing of a child whose top-level parent
// belongs to another process, and a window's printing (WM_PRINTCLIENT) can only be asked for
// with a device context of the window's own process; so the picture's pixels are checked here,
// where host and form share a process, both as the form prints itself and as the screen shows
// it. The real program in a host of another process: frontend_e2e_test.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frontend/preview_form_win32.h"
#include "host/form_host_win32.h"
#include "frontend/tests/test_window.h"
#include "testing/wintest/wintest.h"

namespace {

// Levels of 255 per channel that two JPEG decoders may differ by (their inverse transforms
// round differently); a misplaced, flipped or colour-swapped picture differs by far more.
constexpr int kDecoderTolerance = 8;

// The preview picture the program carries, decoded by the imaging component (WIC), a decoder
// apart from the picture loader the form uses: 0xRRGGBB per pixel, rows top-down.
struct ReferencePicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t Pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

std::optional<ReferencePicture> DecodeResourceWithWic(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10) /*RT_RCDATA*/);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return std::nullopt;
    CoInitialize(nullptr);
    std::optional<ReferencePicture> picture;
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICBitmapSource* converted = nullptr;
    UINT width = 0, height = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(bytes, SizeofResource(module, found))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, frame, &converted)) &&
        SUCCEEDED(converted->GetSize(&width, &height))) {
        std::vector<BYTE> bgr(static_cast<size_t>(width) * height * 3);
        if (SUCCEEDED(converted->CopyPixels(nullptr, width * 3, static_cast<UINT>(bgr.size()), bgr.data()))) {
            picture = ReferencePicture{static_cast<int>(width), static_cast<int>(height), {}};
            for (size_t i = 0; i < bgr.size(); i += 3) {
                picture->pixels.push_back((uint32_t{bgr[i + 2]} << 16) | (uint32_t{bgr[i + 1]} << 8) | bgr[i]);
            }
        }
    }
    for (IUnknown* object : std::vector<IUnknown*>{converted, frame, decoder, stream, factory}) {
        if (object) object->Release();
    }
    CoUninitialize();
    return picture;
}

int ChannelDistance(uint32_t a, uint32_t b) {
    int most = 0;
    for (int shift : {0, 8, 16}) {
        most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    }
    return most;
}

// What the windows of the test's thread were told while the preview was set up, in order: the
// style changes (WM_STYLECHANGED for GWL_STYLE), the size changes and the showing, each with
// the window's parent at that moment.
struct WindowNotice {
    HWND window;
    UINT message;
    HWND parent;
    DWORD styleBefore;  // style changes only
    DWORD styleAfter;
    SIZE size;  // WM_WINDOWPOSCHANGED only
};
std::vector<WindowNotice> g_notices;

LRESULT CALLBACK RecordNotices(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION) {
        WindowNotice notice{call->hwnd, call->message, GetParent(call->hwnd), 0, 0, {0, 0}};
        if (call->message == WM_STYLECHANGED && static_cast<int>(call->wParam) == GWL_STYLE) {
            const auto* styles = reinterpret_cast<const STYLESTRUCT*>(call->lParam);
            notice.styleBefore = styles->styleOld;
            notice.styleAfter = styles->styleNew;
            g_notices.push_back(notice);
        } else if (call->message == WM_WINDOWPOSCHANGED) {
            const auto* place = reinterpret_cast<const WINDOWPOS*>(call->lParam);
            if (!(place->flags & SWP_NOSIZE)) {
                notice.size = SIZE{place->cx, place->cy};
                g_notices.push_back(notice);
            }
        } else if (call->message == WM_SHOWWINDOW && call->wParam) {
            g_notices.push_back(notice);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct HostSize {
    int width;
    int height;
};

class PreviewInHost : public testing::TestWithParam<HostSize> {
  protected:
    void SetUp() override {
        reference_ = DecodeResourceWithWic("PREVIEW_PICTURE");
        ASSERT_TRUE(reference_.has_value()) << "the preview picture resource does not decode";
        ASSERT_EQ(reference_->width, 152);
        ASSERT_EQ(reference_->height, 112);
        ASSERT_TRUE(host_.get());
        g_notices.clear();
        hook_ = SetWindowsHookExA(WH_CALLWNDPROC, RecordNotices, nullptr, GetCurrentThreadId());
        ASSERT_TRUE(hook_);
        preview_.ShowPreview(static_cast<int32_t>(reinterpret_cast<intptr_t>(host_.get())));
        UnhookWindowsHookEx(hook_);
        form_ = FindWindowExA(host_.get(), nullptr, nullptr, "Preview Window");
        ASSERT_TRUE(form_) << "the form is not a child of the host";
        UpdateWindow(form_);
        PumpMessages();
    }

    // Every pixel of the host's client area as `shown` gives it: the picture where it reaches,
    // black beyond it.
    void ExpectPictureAtTopLeft(const std::function<uint32_t(int, int)>& shown, const char* source) {
        int misplaced = 0;
        std::string first;
        for (int y = 0; y < GetParam().height; ++y) {
            for (int x = 0; x < GetParam().width; ++x) {
                const bool inPicture = x < reference_->width && y < reference_->height;
                const uint32_t pixel = shown(x, y);
                const bool right = inPicture ? ChannelDistance(pixel, reference_->Pixel(x, y)) <= kDecoderTolerance
                                             : pixel == 0x000000;
                if (right) continue;
                if (misplaced++ == 0) {
                    char text[96];
                    std::snprintf(text, sizeof(text), "(%d, %d) is %06lx, expected %s", x, y,
                                  static_cast<unsigned long>(pixel), inPicture ? "the picture's" : "black");
                    first = text;
                }
            }
        }
        EXPECT_EQ(misplaced, 0) << source << ": " << misplaced << " pixels wrong, first " << first;
    }

    TestWindow host_{"Display settings preview", /*visible*/ true, GetParam().width, GetParam().height};
    host::FormHost formHost_{GetModuleHandleA(nullptr)};
    frontend::PreviewForm preview_{formHost_};
    std::optional<ReferencePicture> reference_;
    HHOOK hook_ = nullptr;
    HWND form_ = nullptr;
};

TEST_P(PreviewInHost, IsAVisibleChildCoveringTheHost) {
    EXPECT_EQ(GetParent(form_), host_.get());
    EXPECT_TRUE(IsWindowVisible(form_));
    RECT place{};
    GetWindowRect(form_, &place);
    MapWindowPoints(nullptr, host_.get(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right, GetParam().width);
    EXPECT_EQ(place.bottom, GetParam().height);
    RECT client{};
    GetClientRect(form_, &client);
    EXPECT_EQ(client.right, GetParam().width) << "no border";
    EXPECT_EQ(client.bottom, GetParam().height) << "no caption";
    char title[64] = {};
    GetWindowTextA(form_, title, sizeof(title));
    EXPECT_STREQ(title, "Preview Window");
}

TEST_P(PreviewInHost, GetsOnlyWsChildAddedToItsLoadedStyle) {
    const WindowNotice* made = nullptr;  // the last style change is the preview's
    for (const WindowNotice& notice : g_notices) {
        if (notice.window == form_ && notice.message == WM_STYLECHANGED) made = &notice;
    }
    ASSERT_TRUE(made);
    EXPECT_EQ(made->styleAfter, made->styleBefore | WS_CHILD) << std::hex << made->styleBefore << " -> " << made->styleAfter;
    EXPECT_FALSE(made->styleBefore & WS_CHILD) << "loaded as a top-level form";
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(form_, GWL_STYLE)), made->styleAfter | WS_VISIBLE) << "then only shown";
}

TEST_P(PreviewInHost, TakesItsStepsInOrder) {
    // The style changes before the host becomes the parent; the host's size comes while the
    // host is the parent; the showing comes last.
    std::vector<std::string> steps;
    for (const WindowNotice& notice : g_notices) {
        if (notice.window != form_) continue;
        const bool inHost = notice.parent == host_.get();
        if (notice.message == WM_STYLECHANGED && (notice.styleAfter & WS_CHILD)) {
            steps.push_back(inHost ? "WS_CHILD added in the host" : "WS_CHILD added");
        } else if (notice.message == WM_WINDOWPOSCHANGED && notice.size.cx == GetParam().width &&
                   notice.size.cy == GetParam().height) {
            steps.push_back(inHost ? "host's size in the host" : "host's size outside the host");
        } else if (notice.message == WM_SHOWWINDOW) {
            steps.push_back(inHost ? "shown in the host" : "shown outside the host");
        }
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"WS_CHILD added", "host's size in the host", "shown in the host"}));
}

TEST_P(PreviewInHost, ShowsThePictureAtItsNaturalSizeAndBlackBeyond) {
    const wintest::Screenshot printed = wintest::PrintClient(form_);
    ASSERT_EQ(printed.width, GetParam().width);
    ExpectPictureAtTopLeft([&](int x, int y) { return printed.Pixel(x, y); }, "printed");

    POINT origin{0, 0};
    ClientToScreen(host_.get(), &origin);
    const wintest::Screenshot screen = wintest::CaptureScreen();
    ExpectPictureAtTopLeft([&](int x, int y) { return screen.Pixel(origin.x + x, origin.y + y); }, "on screen");
    // For a person to look at: the host's region of the screen (VQ_PREVIEW_SHOT, a Unix path).
    if (const char* shot = std::getenv("VQ_PREVIEW_SHOT"); shot && GetParam().width == 300) {
        std::string path = std::string("Z:") + shot;
        std::replace(path.begin(), path.end(), '/', '\\');
        EXPECT_TRUE(screen.SaveBmp(path)) << path;
    }
}

TEST_P(PreviewInHost, UnloadsWhenTheHostDestroysItsWindow) {
    EXPECT_EQ(formHost_.loadedFormCount(), 1);
    host_.Destroy();
    EXPECT_FALSE(IsWindow(form_));
    EXPECT_EQ(formHost_.loadedFormCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PreviewInHost,
                         testing::Values(HostSize{152, 112}, HostSize{300, 200}, HostSize{80, 60}),
                         [](const testing::TestParamInfo<HostSize>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

}  // namespace
