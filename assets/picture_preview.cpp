// Preview pictures for judging the dialog's pictures by eye; see picture_preview.h.
#include "assets/picture_preview.h"

#include <algorithm>

#include "assets/button_face_pictures.h"
#include "assets/kind_marker_pictures.h"

namespace pictures {
namespace {

void Paste(Canvas& onto, const Canvas& picture, int left, int top, int scale) {
    for (int y = 0; y < picture.height() * scale; ++y) {
        for (int x = 0; x < picture.width() * scale; ++x) onto.Set(left + x, top + y, picture.At(x / scale, y / scale));
    }
}

void FillBox(Canvas& onto, const PixelRect& box, Rgb colour) {
    onto.FillRounded(box, 0, [colour](int, int) { return colour; });
}

// Copies a source rectangle onto a destination rectangle, stretching by nearest pixel.
void CopyStretched(Canvas& onto, const PixelRect& to, const Canvas& from, const PixelRect& source) {
    const int toWidth = to.right - to.left;
    const int toHeight = to.bottom - to.top;
    const int fromWidth = source.right - source.left;
    const int fromHeight = source.bottom - source.top;
    for (int y = 0; y < toHeight; ++y) {
        for (int x = 0; x < toWidth; ++x) {
            onto.Set(to.left + x, to.top + y,
                     from.At(source.left + x * fromWidth / toWidth, source.top + y * fromHeight / toHeight));
        }
    }
}

// The button's paint at width x height pixels with its top-left corner at (left, top).
void PaintButton(Canvas& onto, int left, int top, int width, int height, const Canvas& face, bool isInverted) {
    constexpr Rgb kWhite = Hex(0xFFFFFF);
    constexpr Rgb kLavender = Hex(0xC6C5D7);
    const Rgb upper = isInverted ? kLavender : kWhite;
    const Rgb lower = isInverted ? kWhite : kLavender;
    for (int y = 0; y < height - 1; ++y) {
        FillBox(onto, {left, top + y, left + width - 1, top + y + 1}, Mix(upper, lower, y, height - 1));
    }
    constexpr int kCorner = 4;
    const int edgeWidth = kFaceWidthPx - 2 * kCorner;
    const int edgeHeight = kFaceHeightPx - 2 * kCorner;
    const int right = left + width - kCorner;
    const int bottom = top + height - kCorner;
    const int sourceRight = kCorner + edgeWidth;
    const int sourceBottom = kCorner + edgeHeight;
    struct Piece {
        PixelRect to;
        PixelRect from;
    };
    const Piece pieces[] = {
        {{left, top, left + kCorner, top + kCorner}, {0, 0, kCorner, kCorner}},
        {{left + kCorner, top, right, top + kCorner}, {kCorner, 0, sourceRight, kCorner}},
        {{right, top, right + kCorner, top + kCorner}, {sourceRight, 0, kFaceWidthPx, kCorner}},
        {{right, top + kCorner, right + kCorner, bottom}, {sourceRight, kCorner, kFaceWidthPx, sourceBottom}},
        {{right, bottom, right + kCorner, bottom + kCorner}, {sourceRight, sourceBottom, kFaceWidthPx, kFaceHeightPx}},
        {{left + kCorner, bottom, right, bottom + kCorner}, {kCorner, sourceBottom, sourceRight, kFaceHeightPx}},
        {{left, bottom, left + kCorner, bottom + kCorner}, {0, sourceBottom, kCorner, kFaceHeightPx}},
        {{left, top + kCorner, left + kCorner, bottom}, {0, kCorner, kCorner, sourceBottom}},
    };
    for (const Piece& piece : pieces) CopyStretched(onto, piece.to, face, piece.from);
}

}  // namespace

Canvas MakeContactSheet(const std::vector<StoredPicture>& stored) {
    constexpr int kScale = 8;
    constexpr int kGap = 16;
    constexpr int kColumns = 2;
    // Each row as tall as its tallest picture; the columns as wide as the widest.
    std::vector<int> rowTops{kGap};
    int widest = 0;
    for (size_t first = 0; first < stored.size(); first += kColumns) {
        int tallest = 0;
        for (size_t i = first; i < stored.size() && i < first + kColumns; ++i) {
            tallest = std::max(tallest, stored[i].picture.height() * kScale);
            widest = std::max(widest, stored[i].picture.width() * kScale);
        }
        rowTops.push_back(rowTops.back() + tallest + kGap);
    }
    Canvas sheet(kGap + kColumns * (widest + kGap), rowTops.back(), Hex(0x808080));
    for (size_t i = 0; i < stored.size(); ++i) {
        const int column = static_cast<int>(i % kColumns);
        Paste(sheet, stored[i].picture, kGap + column * (widest + kGap), rowTops[i / kColumns], kScale);
    }
    return sheet;
}

Canvas MakePaintedFaces() {
    constexpr Rgb kDialogBlue = Hex(0x6D6D8B);  // the dialog's gradient beside its two big buttons
    constexpr Rgb kPanelGrey = Hex(0xB0B8C4);   // the gaps between the clouds
    constexpr Rgb kPanelWhite = Hex(0xFFFFFF);
    constexpr int kRowHeight = 33;
    struct Shown {
        ButtonFace face;
        bool isInverted;  // the gradient as it usually stands when this face is painted
    };
    constexpr Shown kShown[] = {{ButtonFace::Normal, false},         {ButtonFace::HighLight, true},
                                {ButtonFace::Selected, false},       {ButtonFace::HighLightSelect, false},
                                {ButtonFace::Pressed, true},         {ButtonFace::Disable, false}};
    Canvas sheet(150, kRowHeight * 7, kDialogBlue);
    FillBox(sheet, {97, 0, 150, kRowHeight * 6}, kPanelGrey);
    for (int i = 0; i < 6; ++i) {
        const Canvas face = MakeButtonFace(kShown[i].face);
        PaintButton(sheet, 8, i * kRowHeight + 4, 81, 25, face, kShown[i].isInverted);
        PaintButton(sheet, 110, i * kRowHeight + 6, 29, 21, face, kShown[i].isInverted);
    }
    const int markersTop = 6 * kRowHeight;
    FillBox(sheet, {0, markersTop, 75, markersTop + kRowHeight}, kPanelGrey);
    FillBox(sheet, {75, markersTop, 150, markersTop + kRowHeight}, kPanelWhite);
    for (int half = 0; half < 2; ++half) {
        Paste(sheet, MakeKindMarker(false), half * 75 + 20, markersTop + 10, 1);
        Paste(sheet, MakeKindMarker(true), half * 75 + 44, markersTop + 10, 1);
    }
    return sheet;
}

}  // namespace pictures
