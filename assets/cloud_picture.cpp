// Cloud picture from several octaves of value noise whose lattices wrap at the picture's
// edge. Integer-only so that the committed file can be remade bit for bit anywhere.
#include "assets/cloud_picture.h"

#include <algorithm>

#include "assets/bitmap_writer.h"

namespace cloud {
namespace {

constexpr int64_t kOne = 4096;  // fixed-point 1.0 for the interpolation weights

uint32_t Hash(uint32_t x, uint32_t y, uint32_t octave) {
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ (octave + 1) * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

// Lattice value 0..255 at a wrapped lattice point of an octave with `cells` cells per side.
int64_t Lattice(int ix, int iy, int cells, uint32_t octave) {
    return static_cast<int64_t>(Hash(static_cast<uint32_t>(ix % cells), static_cast<uint32_t>(iy % cells), octave) & 0xFF);
}

// Smoothstep of t in [0, kOne]: flat at the lattice points, so cell borders do not show.
int64_t Smooth(int64_t t) { return t * t * (3 * kOne - 2 * t) / (kOne * kOne); }

// One octave at pixel (x, y), in 0..255 * kOne.
int64_t Octave(int x, int y, int cells, uint32_t octave) {
    const int cellPx = kSidePx / cells;
    const int ix = x / cellPx;
    const int iy = y / cellPx;
    const int64_t tx = Smooth(static_cast<int64_t>(x % cellPx) * kOne / cellPx);
    const int64_t ty = Smooth(static_cast<int64_t>(y % cellPx) * kOne / cellPx);
    const int64_t v00 = Lattice(ix, iy, cells, octave);
    const int64_t v10 = Lattice(ix + 1, iy, cells, octave);
    const int64_t v01 = Lattice(ix, iy + 1, cells, octave);
    const int64_t v11 = Lattice(ix + 1, iy + 1, cells, octave);
    const int64_t bottom = v00 * (kOne - tx) + v10 * tx;
    const int64_t top = v01 * (kOne - tx) + v11 * tx;
    return (bottom * (kOne - ty) + top * ty) / kOne;
}

// Fractal sum: broad billows from the coarse octaves, soft detail from the fine ones.
int CloudDensity(int x, int y) {
    struct Layer { int cells; int64_t weight; };
    constexpr Layer kLayers[] = {{4, 100}, {8, 56}, {16, 28}, {32, 12}, {64, 5}};
    int64_t sum = 0;
    int64_t weights = 0;
    uint32_t octave = 0;
    for (const Layer& layer : kLayers) {
        sum += Octave(x, y, layer.cells, octave++) * layer.weight;
        weights += layer.weight;
    }
    return static_cast<int>(sum / (weights * kOne));  // 0..255
}

}  // namespace

std::vector<uint8_t> MakeCloudPixels() {
    // Gaps between the clouds are a light cool grey; dense cloud is white.
    constexpr int kGapBgr[3] = {196, 184, 176};
    constexpr int kCloudLow = 68;    // density at and below which only the gap colour shows
    constexpr int kCloudHigh = 140;  // density at and above which the cloud is pure white
    std::vector<uint8_t> pixels;
    pixels.reserve(static_cast<size_t>(kSidePx) * kSidePx * 3);
    for (int y = 0; y < kSidePx; ++y) {
        for (int x = 0; x < kSidePx; ++x) {
            const int density = std::clamp(CloudDensity(x, y), kCloudLow, kCloudHigh);
            const int64_t t = Smooth((density - kCloudLow) * kOne / (kCloudHigh - kCloudLow));
            for (int gap : kGapBgr) {
                pixels.push_back(static_cast<uint8_t>(gap + (255 - gap) * t / kOne));
            }
        }
    }
    return pixels;
}

std::vector<uint8_t> MakeCloudBitmapFile() { return bitmap::MakeBitmapFile(kSidePx, kSidePx, MakeCloudPixels()); }

}  // namespace cloud
