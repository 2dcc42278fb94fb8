// The face's geometry; see face_geometry.h.
#include "controls/face_geometry.h"


#include "controls/button_state.h"

namespace controls {

namespace {

constexpr int kCorner = 60;          // a corner piece, both ways: 4 pixels
constexpr int kPictureWidth = 960;   // 64 pixels
constexpr int kPictureHeight = 375;  // 25 pixels
constexpr int kEdgeSourceWidth = kPictureWidth - 2 * kCorner;    // 840
constexpr int kEdgeSourceHeight = kPictureHeight - 2 * kCorner;  // 255
constexpr int kRightSourceX = kEdgeSourceWidth + kCorner;        // 900
constexpr int kBottomSourceY = kCorner + kEdgeSourceHeight;      // 315
// One twip: the first pixel of the left column and the top row.
constexpr int kFirstPixel = 1;

void Set(int16_t& field, long value) {
    if (value >= INT16_MIN && value <= INT16_MAX) field = static_cast<int16_t>(value);
}

void SetSlice(FaceSlice& slice, long destX, long destY, long destWidth, long destHeight, long sourceX,
              long sourceY, long sourceWidth, long sourceHeight) {
    Set(slice.destX, destX);
    Set(slice.destY, destY);
    Set(slice.destWidth, destWidth);
    Set(slice.destHeight, destHeight);
    Set(slice.sourceX, sourceX);
    Set(slice.sourceY, sourceY);
    Set(slice.sourceWidth, sourceWidth);
    Set(slice.sourceHeight, sourceHeight);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

void UpdateFaceSlices(FaceSliceTable& t, int width, int height) {
    const long w = width;
    const long h = height;
    const long edgeWidth = w - 2 * kCorner;
    const long edgeHeight = h - 2 * kCorner;
    const long right = kCorner + edgeWidth;
    const long bottom = kCorner + edgeHeight;
    SetSlice(t[0], kFirstPixel, kFirstPixel, kCorner, kCorner, 0, 0, kCorner, kCorner);
    SetSlice(t[1], kCorner, kFirstPixel, edgeWidth, kCorner, kCorner, kFirstPixel, kEdgeSourceWidth, kCorner);
    SetSlice(t[2], right, kFirstPixel, kCorner, kCorner, kRightSourceX, kFirstPixel, kCorner, kCorner);
    SetSlice(t[3], right, kCorner, kCorner, edgeHeight, kRightSourceX, kCorner, kCorner, kEdgeSourceHeight);
    SetSlice(t[4], right, bottom, kCorner, kCorner, kRightSourceX, kBottomSourceY, kCorner, kCorner);
    SetSlice(t[5], kCorner, bottom, edgeWidth, kCorner, kCorner, kBottomSourceY, kEdgeSourceWidth, kCorner);
    SetSlice(t[6], kFirstPixel, bottom, kCorner, kCorner, 0, kBottomSourceY, kCorner, kCorner);
    SetSlice(t[7], kFirstPixel, kCorner, kCorner, edgeHeight, kFirstPixel, kCorner, kCorner, kEdgeSourceHeight);
}

std::optional<GradientColour> GradientColourOf(std::string_view text) {
    if (text.size() != 8 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h')) return std::nullopt;
    uint16_t channels[3];
    for (int pair = 0; pair < 3; ++pair) {
        const int high = HexDigit(text[2 + 2 * pair]);
        const int low = HexDigit(text[3 + 2 * pair]);
        if (high < 0 || low < 0) return std::nullopt;
        channels[pair] = static_cast<uint16_t>((high * 16 + low) << 8);
    }
    return GradientColour{channels[0], channels[1], channels[2]};
}

void OrientGradient(bool& inverted, uint8_t faceState) {
    if (faceState == kFaceNormal || faceState == kFaceSelected) inverted = false;
    if (faceState == kFaceHighLight) inverted = true;
}

std::array<GradientVertex, 3> GradientVertices(bool inverted, int widthPx, int heightPx) {
    // Both colours are fixed texts that always read.
    const GradientColour white = *GradientColourOf("&HFFFFFF");
    const GradientColour lavender = *GradientColourOf("&HC6C5D7");
    const GradientColour& first = inverted ? lavender : white;
    const GradientColour& second = inverted ? white : lavender;
    std::array<GradientVertex, 3> vertices{};
    vertices[0] = GradientVertex{0, 0, first.red, first.green, first.blue, 0};
    vertices[1] = GradientVertex{widthPx - 1, heightPx - 1, second.red, second.green, second.blue, 0};
    return vertices;
}

double CaptionTopTwips(int height, int captionHeight) { return (height - captionHeight - 20) / 2.0; }

}  // namespace controls
