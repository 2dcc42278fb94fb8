// The face's frame pieces, gradient and caption place at the sizes the dialog uses.
#include "controls/face_geometry.h"

#include <gtest/gtest.h>

#include "controls/button_state.h"

namespace {

enum Piece { kTopLeft, kTop, kTopRight, kRight, kBottomRight, kBottom, kBottomLeft, kLeft };

struct SizeCase {
    int width, height;
    int topEdgeWidth;    // pieces 2 and 6, stretched to the control
    int sideEdgeHeight;  // pieces 4 and 8
    int rightX;          // the right column
    int bottomY;         // the bottom row
};
class FaceSlices : public testing::TestWithParam<SizeCase> {};

TEST_P(FaceSlices, CornersKeepTheirSizeAndEdgesStretchBetweenThem) {
    const SizeCase& c = GetParam();
    controls::FaceSliceTable t;
    controls::UpdateFaceSlices(t, c.width, c.height);
    EXPECT_EQ(t[kTop].destWidth, c.topEdgeWidth);
    EXPECT_EQ(t[kBottom].destWidth, c.topEdgeWidth);
    EXPECT_EQ(t[kRight].destHeight, c.sideEdgeHeight);
    EXPECT_EQ(t[kLeft].destHeight, c.sideEdgeHeight);
    for (Piece p : {kTopRight, kRight, kBottomRight}) EXPECT_EQ(t[p].destX, c.rightX) << p;
    for (Piece p : {kBottomRight, kBottom, kBottomLeft}) EXPECT_EQ(t[p].destY, c.bottomY) << p;
    // The corners meet their edges without a gap or an overlap.
    EXPECT_EQ(t[kTop].destX + t[kTop].destWidth, t[kTopRight].destX);
    EXPECT_EQ(t[kRight].destY + t[kRight].destHeight, t[kBottomRight].destY);
    for (Piece p : {kTopLeft, kTopRight, kBottomRight, kBottomLeft}) {
        EXPECT_EQ(t[p].destWidth, 60) << p;
        EXPECT_EQ(t[p].destHeight, 60) << p;
    }
    // Every piece is cut from inside the 960 x 375 twip picture.
    for (const controls::FaceSlice& s : t) {
        EXPECT_GE(s.sourceX, 0);
        EXPECT_LE(s.sourceX + s.sourceWidth, 960);
        EXPECT_GE(s.sourceY, 0);
        EXPECT_LE(s.sourceY + s.sourceHeight, 375);
    }
}

INSTANTIATE_TEST_SUITE_P(DialogSizes, FaceSlices, testing::Values(
    SizeCase{960, 375, 840, 255, 900, 315},   // the picture's own size: nothing stretched
    SizeCase{435, 315, 315, 195, 375, 255},   // the "..." button
    SizeCase{1215, 375, 1095, 255, 1155, 315},  // "設定" and "ｷｬﾝｾﾙ"
    SizeCase{120, 375, 0, 255, 60, 315},      // the top and bottom edges vanish, the corners meet
    SizeCase{960, 120, 840, 0, 900, 60}));

TEST(FaceSlices, AtThePicturesOwnSizeNoPieceIsStretched) {
    controls::FaceSliceTable t;
    controls::UpdateFaceSlices(t, 960, 375);
    for (const controls::FaceSlice& s : t) {
        EXPECT_EQ(s.destWidth, s.sourceWidth);
        EXPECT_EQ(s.destHeight, s.sourceHeight);
    }
}

TEST(FaceSlices, ASizeThatOverflowsSixteenBitsKeepsThePreviousValues) {
    controls::FaceSliceTable t;
    controls::UpdateFaceSlices(t, 1215, 375);
    controls::UpdateFaceSlices(t, 40000, 375);
    EXPECT_EQ(t[kTop].destWidth, 1095);
    EXPECT_EQ(t[kTopRight].destX, 1155);
    EXPECT_EQ(t[kRight].destHeight, 255) << "the height's values are still updated";
}

TEST(FaceGradient, ColourTextsReadAsRedGreenBluePairsInTheOrderWritten) {
    EXPECT_EQ(controls::GradientColourOf("&HFFFFFF"), (controls::GradientColour{0xFF00, 0xFF00, 0xFF00}));
    EXPECT_EQ(controls::GradientColourOf("&HC6C5D7"), (controls::GradientColour{0xC600, 0xC500, 0xD700}));
    EXPECT_EQ(controls::GradientColourOf("&HC6C5"), std::nullopt);
    EXPECT_EQ(controls::GradientColourOf("#C6C5D7"), std::nullopt);
    EXPECT_EQ(controls::GradientColourOf("&HC6C5DX"), std::nullopt);
}

TEST(FaceGradient, UprightRunsWhiteToLavenderDownTheWholeFace) {
    const auto v = controls::GradientVertices(false, 81, 25);
    EXPECT_EQ(v[0].x, 0);
    EXPECT_EQ(v[0].y, 0);
    EXPECT_EQ(v[0].red, 0xFF00);
    EXPECT_EQ(v[1].x, 80);
    EXPECT_EQ(v[1].y, 24);
    EXPECT_EQ(v[1].blue, 0xD700);
    EXPECT_EQ(v[2].x, 0) << "the third vertex stays zero";
    const auto inverted = controls::GradientVertices(true, 81, 25);
    EXPECT_EQ(inverted[0].red, 0xC600) << "lavender on top";
    EXPECT_EQ(inverted[1].green, 0xFF00);
}

TEST(FaceGradient, HighLightSelectKeepsTheOrientationOfThePaintBefore) {
    bool inverted = true;
    controls::OrientGradient(inverted, controls::kFaceSelected);
    controls::OrientGradient(inverted, controls::kFaceHighLightSelect);
    EXPECT_FALSE(inverted) << "entered from Selected: white at the top";
    controls::OrientGradient(inverted, controls::kFaceHighLight);
    controls::OrientGradient(inverted, controls::kFaceHighLightSelect);
    controls::OrientGradient(inverted, controls::kFaceHighLightSelect);
    EXPECT_TRUE(inverted) << "entered from HighLight: white at the bottom, paint after paint";
}

TEST(FaceCaption, SitsCentredTwentyTwipsHigh) {
    EXPECT_DOUBLE_EQ(controls::CaptionTopTwips(375, 195), 80.0);
    EXPECT_DOUBLE_EQ(controls::CaptionTopTwips(315, 195), 50.0);
    EXPECT_DOUBLE_EQ(controls::CaptionTopTwips(376, 195), 80.5);
}

}  // namespace
