// The settings dialog's committed pictures: each is the generator's output in the stored
// layout, and shows what the button and the markers should show where a user would look.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "assets/dialog_pictures.h"

namespace {

using pictures::Hex;
using pictures::Rgb;

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

std::vector<uint8_t> ReadCommitted(const std::string& fileName) {
    std::ifstream in(std::string(COMMITTED_ASSETS_DIR) + "/" + fileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A committed picture read back from its file, addressed top-down as it is seen.
class StoredBitmap {
  public:
    // A missing or cut-short file fails the test and reads as an empty picture.
    explicit StoredBitmap(const std::string& fileName) : file_(ReadCommitted(fileName)) {
        if (file_.size() >= 54) {
            width_ = static_cast<int>(std::min(Le(file_, 18, 4), 4096u));
            height_ = static_cast<int>(std::min(Le(file_, 22, 4), 4096u));
        }
        if (file_.size() < 54 + Stride() * static_cast<size_t>(height_)) {
            ADD_FAILURE() << fileName << " is missing or short";
            width_ = height_ = 0;
        }
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return Hex(0xFF00FF);  // fits no check
        const size_t at = 54 + Stride() * static_cast<size_t>(height_ - 1 - y) + static_cast<size_t>(x) * 3;
        return Rgb{file_[at + 2], file_[at + 1], file_[at]};
    }
    const std::vector<uint8_t>& Bytes() const { return file_; }

  private:
    size_t Stride() const { return (static_cast<size_t>(width_) * 3 + 3) / 4 * 4; }
    std::vector<uint8_t> file_;
    int width_ = 0;
    int height_ = 0;
};

int Distance(Rgb a, Rgb b) { return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}); }
int Saturation(Rgb c) { return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}); }

const char* const kFaces[] = {"button_normal.bmp",          "button_highlight.bmp", "button_selected.bmp",
                              "button_highlightselect.bmp", "button_pressed.bmp",   "button_disable.bmp"};

struct PictureSize {
    const char* fileName;
    int width;
    int height;
};

class DialogPictureFiles : public testing::TestWithParam<PictureSize> {};

TEST_P(DialogPictureFiles, AreTheGeneratorsOutputAtTheirSize) {
    const PictureSize expected = GetParam();
    const StoredBitmap committed(expected.fileName);
    ASSERT_GT(committed.Width(), 0);
    const auto stored = pictures::MakeDialogPictures();
    const auto made = std::find_if(stored.begin(), stored.end(),
                                   [&](const pictures::StoredPicture& p) { return p.fileName == expected.fileName; });
    ASSERT_NE(made, stored.end());
    EXPECT_TRUE(committed.Bytes() == pictures::BitmapFileOf(made->picture))
        << expected.fileName << " is stale: rebuild and run dialog_pictures_generator assets";
    EXPECT_EQ(committed.Width(), expected.width);
    EXPECT_EQ(committed.Height(), expected.height);
}

INSTANTIATE_TEST_SUITE_P(
    All, DialogPictureFiles,
    testing::Values(PictureSize{"button_normal.bmp", 64, 25}, PictureSize{"button_highlight.bmp", 64, 25},
                    PictureSize{"button_selected.bmp", 64, 25}, PictureSize{"button_highlightselect.bmp", 64, 25},
                    PictureSize{"button_pressed.bmp", 64, 25}, PictureSize{"button_disable.bmp", 64, 25},
                    PictureSize{"marker_unselected.bmp", 12, 12}, PictureSize{"marker_selected.bmp", 12, 12}));

// A run of pixels that must all show one colour, within a little for shading.
struct ColourRun {
    const char* fileName;
    int x0, y0, x1, y1;
    uint32_t rgb;
};

class FaceColours : public testing::TestWithParam<ColourRun> {};

TEST_P(FaceColours, LieWhereTheButtonShowsThem) {
    const ColourRun run = GetParam();
    const StoredBitmap face(run.fileName);
    for (int y = run.y0; y <= run.y1; ++y) {
        for (int x = run.x0; x <= run.x1; ++x) {
            EXPECT_LE(Distance(face.At(x, y), Hex(run.rgb)), 6) << run.fileName << " at " << x << ", " << y;
        }
    }
}

// The frame along each straight edge (the part the painter stretches), and the borders.
INSTANTIATE_TEST_SUITE_P(
    All, FaceColours,
    testing::Values(ColourRun{"button_normal.bmp", 4, 1, 59, 1, 0x003C74},
                    ColourRun{"button_normal.bmp", 1, 4, 1, 20, 0x003C74},
                    ColourRun{"button_normal.bmp", 62, 4, 62, 20, 0x003C74},
                    ColourRun{"button_normal.bmp", 4, 23, 59, 23, 0x003C74},
                    ColourRun{"button_normal.bmp", 4, 2, 59, 3, 0xF3F3EE},
                    ColourRun{"button_highlight.bmp", 4, 1, 59, 1, 0x003C74},
                    ColourRun{"button_highlight.bmp", 4, 2, 59, 2, 0xFFF0CF},
                    ColourRun{"button_highlight.bmp", 4, 3, 59, 3, 0xFDD889},
                    ColourRun{"button_highlight.bmp", 2, 4, 3, 20, 0xFCCA69},
                    ColourRun{"button_highlight.bmp", 60, 4, 61, 20, 0xFCCA69},
                    ColourRun{"button_highlight.bmp", 4, 21, 59, 21, 0xF8B330},
                    ColourRun{"button_highlight.bmp", 4, 22, 59, 22, 0xE59700},
                    ColourRun{"button_selected.bmp", 1, 4, 1, 20, 0x003C74},
                    ColourRun{"button_selected.bmp", 4, 2, 59, 2, 0xCEE7FF},
                    ColourRun{"button_selected.bmp", 2, 4, 2, 20, 0xA9C5EF},
                    ColourRun{"button_selected.bmp", 61, 4, 61, 20, 0xA9C5EF},
                    ColourRun{"button_selected.bmp", 4, 22, 59, 22, 0x6982EE},
                    ColourRun{"button_pressed.bmp", 1, 4, 1, 20, 0xECE9D8},
                    ColourRun{"button_pressed.bmp", 2, 4, 2, 20, 0x003C74},
                    ColourRun{"button_pressed.bmp", 4, 2, 59, 2, 0x003C74},
                    ColourRun{"button_pressed.bmp", 61, 4, 61, 20, 0x003C74},
                    ColourRun{"button_pressed.bmp", 4, 22, 59, 22, 0x003C74},
                    ColourRun{"button_disable.bmp", 1, 4, 1, 20, 0xC9C7BA},
                    ColourRun{"button_disable.bmp", 4, 23, 59, 23, 0xC9C7BA},
                    ColourRun{"button_disable.bmp", 3, 3, 60, 21, 0xF5F4EA}));

TEST(ButtonFaces, AreRimmedInBeigeWithRoundedFrameCorners) {
    for (const char* fileName : kFaces) {
        const StoredBitmap face(fileName);
        const int w = face.Width();
        const int h = face.Height();
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y) {
                if (x > 0 && y > 0 && x < w - 1 && y < h - 1) continue;
                EXPECT_LE(Distance(face.At(x, y), Hex(0xECE9D8)), 12) << fileName << " rim at " << x << ", " << y;
            }
        }
        // Square corners would show the frame's colour in its corner pixel.
        const int in = std::string(fileName) == "button_pressed.bmp" ? 2 : 1;
        const Rgb frame = face.At(in, h / 2);
        for (const auto& [x, y] : {std::pair{in, in}, {w - 1 - in, in}, {in, h - 1 - in}, {w - 1 - in, h - 1 - in}}) {
            EXPECT_LT(Distance(face.At(x, y), Hex(0xECE9D8)), Distance(face.At(x, y), frame))
                << fileName << " corner at " << x << ", " << y;
        }
    }
}

TEST(ButtonFaces, HoverOnAFocusedButtonLooksLikeHover) {
    EXPECT_TRUE(StoredBitmap("button_highlightselect.bmp").Bytes() == StoredBitmap("button_highlight.bmp").Bytes());
}

TEST(ButtonFaces, DisabledFaceHasNoColour) {
    const StoredBitmap face("button_disable.bmp");
    for (int y = 0; y < face.Height(); ++y) {
        for (int x = 0; x < face.Width(); ++x) EXPECT_LE(Saturation(face.At(x, y)), 24) << x << ", " << y;
    }
}

TEST(KindMarkers, SelectedIsFilledBlueAndUnselectedIsEmptyInsideTheSameOutline) {
    const StoredBitmap unselected("marker_unselected.bmp");
    const StoredBitmap selected("marker_selected.bmp");
    for (int y = 2; y <= 9; ++y) {
        for (int x = 2; x <= 9; ++x) {
            const Rgb blue = selected.At(x, y);
            EXPECT_GE(blue.b - blue.r, 80) << "selected at " << x << ", " << y;
            EXPECT_GT(blue.b, blue.g) << "selected at " << x << ", " << y;
            const Rgb empty = unselected.At(x, y);
            EXPECT_GE(std::min({empty.r, empty.g, empty.b}), 0xD0) << "unselected at " << x << ", " << y;
            EXPECT_LE(Saturation(empty), 16) << "unselected at " << x << ", " << y;
        }
    }
    for (int i = 1; i < 11; ++i) {
        for (const auto& [x, y] : {std::pair{i, 0}, {i, 11}, {0, i}, {11, i}}) {
            EXPECT_EQ(selected.At(x, y), unselected.At(x, y)) << x << ", " << y;
            const Rgb edge = selected.At(x, y);
            EXPECT_LT(edge.r + edge.g + edge.b, 3 * 128) << "outline should be dark at " << x << ", " << y;
        }
    }
}

}  // namespace
