// Button face pictures, drawn from the outside in: the beige surround, a rounded frame, for the
// hover and focus looks a two-pixel coloured border, then the face.
#include "assets/button_face_pictures.h"

#include <algorithm>

namespace pictures {
namespace {

constexpr Rgb kSurround = Hex(0xECE9D8);  // the outermost ring, blending into the surroundings
constexpr Rgb kFrame = Hex(0x003C74);
constexpr Rgb kFace = Hex(0xF3F3EE);
constexpr Rgb kFaceBottom = Hex(0xD6D0C5);

// The frame one pixel in from the edge, and what lies inside it.
constexpr PixelRect kFrameRect{1, 1, kFaceWidthPx - 1, kFaceHeightPx - 1};
constexpr PixelRect kInsideFrame{2, 2, kFaceWidthPx - 2, kFaceHeightPx - 2};
// NOTE: the rounding must end within the 4 x 4 corner pieces, or the stretched edges would
// carry part of the curve: the frame's radius is at most 3 pixels (24 eighths).
constexpr int kFrameRadiusEighths = 24;

Rgb FaceShade(int y) {
    // Flat over the upper part, turning darker over the last rows above the frame.
    constexpr int kShadeFromRow = 15;
    constexpr int kLastFaceRow = kFaceHeightPx - 3;
    if (y <= kShadeFromRow) return kFace;
    return Mix(kFace, kFaceBottom, y - kShadeFromRow, kLastFaceRow - kShadeFromRow);
}

// A two-pixel border just inside the frame, listed from the frame inward.
struct BorderColours {
    Rgb top[2];
    Rgb side[2];
    Rgb bottom[2];
};

constexpr BorderColours kHighLightBorder{{Hex(0xFFF0CF), Hex(0xFDD889)},
                                         {Hex(0xFCCA69), Hex(0xFCCA69)},
                                         {Hex(0xE59700), Hex(0xF8B330)}};
constexpr BorderColours kSelectedBorder{{Hex(0xCEE7FF), Hex(0xBCD4F6)},
                                        {Hex(0xA9C5EF), Hex(0xA9C5EF)},
                                        {Hex(0x6982EE), Hex(0x89A6EE)}};

// Colour of the border at (x, y): the nearest side's, half and half where a side meets the top
// or the bottom at the same depth; the face beyond the border's two pixels.
Rgb BorderAt(const BorderColours& colours, int x, int y) {
    const int fromTop = y - kInsideFrame.top;
    const int fromBottom = kInsideFrame.bottom - 1 - y;
    const int fromSide = std::min(x - kInsideFrame.left, kInsideFrame.right - 1 - x);
    const int fromTopOrBottom = std::min(fromTop, fromBottom);
    const int depth = std::min(fromSide, fromTopOrBottom);
    if (depth >= 2) return FaceShade(y);
    const Rgb& across = fromTop <= fromBottom ? colours.top[depth] : colours.bottom[depth];
    if (fromSide > fromTopOrBottom) return across;
    if (fromSide < fromTopOrBottom) return colours.side[depth];
    return Mix(across, colours.side[depth], 1, 2);
}

Canvas FramedFace(Rgb frame, const Paint& inside) {
    Canvas canvas(kFaceWidthPx, kFaceHeightPx, kSurround);
    canvas.FillRounded(kFrameRect, kFrameRadiusEighths, [frame](int, int) { return frame; });
    canvas.FillRounded(kInsideFrame, kFrameRadiusEighths - 8, inside);
    return canvas;
}

Canvas BorderedFace(const BorderColours& colours) {
    return FramedFace(kFrame, [&colours](int x, int y) { return BorderAt(colours, x, y); });
}

Canvas PressedFace() {
    // The frame one pixel further in, its face shaded darkest at the top as if pushed in.
    constexpr int kPressedRadiusEighths = 16;
    constexpr Rgb kShadowTop = Hex(0xD1CCC1);
    constexpr Rgb kLitBottom = Hex(0xE2E1D9);
    Canvas canvas(kFaceWidthPx, kFaceHeightPx, kSurround);
    canvas.FillRounded(kInsideFrame, kPressedRadiusEighths, [](int, int) { return kFrame; });
    constexpr PixelRect kPressedInside{3, 3, kFaceWidthPx - 3, kFaceHeightPx - 3};
    constexpr int kFirstRow = kPressedInside.top;
    constexpr int kLastRow = kPressedInside.bottom - 1;
    canvas.FillRounded(kPressedInside, kPressedRadiusEighths - 8,
                       [](int, int y) { return Mix(kShadowTop, kLitBottom, y - kFirstRow, kLastRow - kFirstRow); });
    return canvas;
}

}  // namespace

Canvas MakeButtonFace(ButtonFace face) {
    switch (face) {
        case ButtonFace::Normal:
            return FramedFace(kFrame, [](int, int y) { return FaceShade(y); });
        case ButtonFace::HighLight:
        case ButtonFace::HighLightSelect:
            return BorderedFace(kHighLightBorder);
        case ButtonFace::Selected:
            return BorderedFace(kSelectedBorder);
        case ButtonFace::Pressed:
            return PressedFace();
        case ButtonFace::Disable:
            return FramedFace(Hex(0xC9C7BA), [](int, int) { return Hex(0xF5F4EA); });
    }
    return Canvas(kFaceWidthPx, kFaceHeightPx, kSurround);
}

}  // namespace pictures
