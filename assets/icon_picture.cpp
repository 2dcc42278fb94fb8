// The program icon's pixels and file; see icon_picture.h. The images' info headers are the
// bitmap file's (common/bitmap_file.h).
#include "assets/icon_picture.h"

#include <algorithm>
#include <cmath>

#include "common/bitmap_file.h"

namespace icon {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Smooth noise that repeats after `period` along its coordinate, so the rings close.
double PeriodicNoise(double x, int period, uint32_t seed) {
    auto lattice = [&](int i) {
        uint32_t h = static_cast<uint32_t>(((i % period) + period) % period) * 374761393u + seed * 668265263u;
        h = (h ^ (h >> 13)) * 1274126177u;
        return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
    };
    const int i = static_cast<int>(std::floor(x));
    const double f = x - i;
    const double s = f * f * (3 - 2 * f);
    return lattice(i) * (1 - s) + lattice(i + 1) * s;
}

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;
};

// Colour of one pixel of a size x size icon, averaged over 4 x 4 samples: white cloud on
// a pale blue sky toward the rim, fading to grey toward the vanishing point.
Rgba Shade(int size, int px, int py) {
    Rgba sum;
    for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
            const double x = (px + (sx + 0.5) / 4) / size * 2 - 1;
            const double y = (py + (sy + 0.5) / 4) / size * 2 - 1;
            const double r = std::sqrt(x * x + y * y);
            if (r > 1.0) continue;  // a round icon
            const double angle = std::atan2(y, x) / (2 * kPi) + 0.5;
            const double depth = 1.0 / std::max(r, 0.08);
            const double noise = 0.6 * PeriodicNoise(angle * 6 + depth * 0.9, 6, 1) +
                                 0.4 * PeriodicNoise(angle * 14 - depth * 1.7, 14, 2);
            const double cloud = std::clamp((noise - 0.35) * 2.5, 0.0, 1.0);
            const double fade = std::clamp((r - 0.05) * 1.5, 0.0, 1.0);  // far end is grey
            const double rim = r > 0.88 ? 0.55 : 1.0;                     // a darker frame
            const double skyR = 0.50, skyG = 0.66, skyB = 0.88;
            const double grey = 0.55;
            const double cr = (skyR + (1 - skyR) * cloud) * fade + grey * (1 - fade);
            const double cg = (skyG + (1 - skyG) * cloud) * fade + grey * (1 - fade);
            const double cb = (skyB + (1 - skyB) * cloud) * fade + grey * (1 - fade);
            sum.r += cr * rim;
            sum.g += cg * rim;
            sum.b += cb * rim;
            sum.a += 1;
        }
    }
    if (sum.a > 0) {
        sum.r /= sum.a;
        sum.g /= sum.a;
        sum.b /= sum.a;
    }
    sum.a /= 16;
    return sum;
}

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> IconImage(int size) {
    std::vector<uint8_t> image;
    common::bitmap_file::AppendInfoHeader(image, size, size * 2, 32, 0);  // colour rows plus mask rows
    for (int row = size - 1; row >= 0; --row) {  // bottom-up
        for (int col = 0; col < size; ++col) {
            const Rgba c = Shade(size, col, row);
            image.push_back(static_cast<uint8_t>(std::lround(255 * c.b)));
            image.push_back(static_cast<uint8_t>(std::lround(255 * c.g)));
            image.push_back(static_cast<uint8_t>(std::lround(255 * c.r)));
            image.push_back(static_cast<uint8_t>(std::lround(255 * c.a)));
        }
    }
    // The AND mask, for systems that ignore the alpha channel.
    const int maskRowBytes = ((size + 31) / 32) * 4;
    for (int row = size - 1; row >= 0; --row) {
        std::vector<uint8_t> bits(static_cast<size_t>(maskRowBytes), 0);
        for (int col = 0; col < size; ++col) {
            if (Shade(size, col, row).a < 0.5) bits[static_cast<size_t>(col / 8)] |= static_cast<uint8_t>(0x80 >> (col % 8));
        }
        image.insert(image.end(), bits.begin(), bits.end());
    }
    return image;
}

}  // namespace

std::vector<uint8_t> MakeIconFile() {
    std::vector<std::vector<uint8_t>> images;
    for (int size : kIconSidesPx) images.push_back(IconImage(size));
    std::vector<uint8_t> out;
    PutLe(out, 0, 2);
    PutLe(out, 1, 2);  // an icon
    PutLe(out, static_cast<uint32_t>(images.size()), 2);
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<uint8_t>(kIconSidesPx[i]));
        out.push_back(static_cast<uint8_t>(kIconSidesPx[i]));
        out.push_back(0);  // no palette
        out.push_back(0);
        PutLe(out, 1, 2);
        PutLe(out, 32, 2);
        PutLe(out, static_cast<uint32_t>(images[i].size()), 4);
        PutLe(out, offset, 4);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const std::vector<uint8_t>& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

}  // namespace icon
