// The face's geometry: the eight frame pieces cut from a 960 x 375 twip face picture
// (corners at their own size, edges stretched to the control), the gradient's corners and
// colours, and where the caption sits. Twips unless a name says pixels. Portable.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace controls {

struct FaceSlice {
    int16_t destX = 0, destY = 0, destWidth = 0, destHeight = 0;
    int16_t sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
};
// In drawing order: top-left, top, top-right, right, bottom-right, bottom, bottom-left, left.
using FaceSliceTable = std::array<FaceSlice, 8>;

// Recomputes the pieces for a control of width x height twips. A value whose computation
// leaves the signed 16-bit range keeps what the table held.
void UpdateFaceSlices(FaceSliceTable& table, int width, int height);

// A colour as a gradient vertex takes it: 16 bits a channel, the 8-bit value times 256.
struct GradientColour {
    uint16_t red = 0, green = 0, blue = 0;
    bool operator==(const GradientColour& o) const { return red == o.red && green == o.green && blue == o.blue; }
};
// "&H" and six hexadecimal digits, read as red, green and blue pairs in the order written.
std::optional<GradientColour> GradientColourOf(std::string_view text);

struct GradientVertex {
    int32_t x = 0, y = 0;
    uint16_t red = 0, green = 0, blue = 0, alpha = 0;
};
// The face's gradient runs white to lavender from top to bottom, or the other way round
// when inverted. HighLight inverts it; Normal and Selected set it upright;
// HighLightSelect keeps what the previous paint left.
void OrientGradient(bool& inverted, uint8_t faceState);
// Vertex 0 at the top-left pixel, vertex 1 at the bottom-right one, the third unused.
std::array<GradientVertex, 3> GradientVertices(bool inverted, int widthPx, int heightPx);

// The caption label's top: centred in the height, 20 twips higher, as a fraction of twips.
double CaptionTopTwips(int height, int captionHeight);

}  // namespace controls
