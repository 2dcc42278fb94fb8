// The grid: x = r cos a + 2 sin(u/29) + cos(u/13) - 2 sin(t/29) - cos(t/13),
//           y = r sin a + 2 cos(u/33) + sin(u/17) - 2 cos(t/33) - sin(t/17), z = -j,
// with r = 3 - j/12, a = i pi/6, u = 2j + t. The t-only terms centre ring 0 on the axis.
// Both paths add in the same order, so their single-precision results agree bit for bit.
#include "renderer/tunnel_geometry.h"

#include <array>
#include <cmath>

namespace renderer {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAngleStep = kPi / 6;
constexpr double kRingsPerTextureHeight = 32;
constexpr double kFlowPerTime = 0.02;

double RingRadius(int ring) { return 3 - ring / 12.0; }
double RingPhase(int ring, double time) { return 2 * ring + time; }  // u

struct AroundTable {
    std::array<double, kSides + 1> cosine;
    std::array<double, kSides + 1> sine;
};

AroundTable MakeAroundTable() {
    AroundTable table{};
    for (int i = 0; i <= kSides; ++i) {
        const double angle = i * kAngleStep;
        table.cosine[static_cast<size_t>(i)] = std::cos(angle);
        table.sine[static_cast<size_t>(i)] = std::sin(angle);
    }
    return table;
}

const AroundTable kAround = MakeAroundTable();

void FillTextureRows(double time, TunnelFrame& frame) {
    const double offset = TextureFlowOffset(time);
    for (int j = 0; j < kRings; ++j) {
        frame.ringTexRow[j] = static_cast<float>(j / kRingsPerTextureHeight + offset);
    }
}

}  // namespace

double TextureFlowOffset(double time) {
    const double flow = kFlowPerTime * time;
    return flow - std::floor(flow);
}

void ComputeTunnelFrame(double time, TunnelFrame& frame) {
    const double bendX1AtEye = 2 * std::sin(time / 29);
    const double bendX2AtEye = std::cos(time / 13);
    const double bendY1AtEye = 2 * std::cos(time / 33);
    const double bendY2AtEye = std::sin(time / 17);
    for (int j = 0; j < kRings; ++j) {
        const double r = RingRadius(j);
        const double u = RingPhase(j, time);
        const double bendX1 = 2 * std::sin(u / 29);
        const double bendX2 = std::cos(u / 13);
        const double bendY1 = 2 * std::cos(u / 33);
        const double bendY2 = std::sin(u / 17);
        const float z = static_cast<float>(-j);
        for (int i = 0; i <= kSides; ++i) {
            Vertex& v = frame.grid[i][j];
            v.x = static_cast<float>(r * kAround.cosine[static_cast<size_t>(i)] + bendX1 + bendX2 - bendX1AtEye - bendX2AtEye);
            v.y = static_cast<float>(r * kAround.sine[static_cast<size_t>(i)] + bendY1 + bendY2 - bendY1AtEye - bendY2AtEye);
            v.z = z;
        }
    }
    FillTextureRows(time, frame);
}

void ComputeTunnelGridDirect(double time, TunnelFrame& frame) {
    const double t = time;
    for (int i = 0; i <= kSides; ++i) {
        for (int j = 0; j < kRings; ++j) {
            const double r = RingRadius(j);
            const double a = i * kAngleStep;
            const double u = RingPhase(j, t);
            Vertex& v = frame.grid[i][j];
            v.x = static_cast<float>(r * std::cos(a) + 2 * std::sin(u / 29) + std::cos(u / 13) - 2 * std::sin(t / 29) - std::cos(t / 13));
            v.y = static_cast<float>(r * std::sin(a) + 2 * std::cos(u / 33) + std::sin(u / 17) - 2 * std::cos(t / 33) - std::sin(t / 17));
            v.z = static_cast<float>(-j);
        }
    }
    FillTextureRows(time, frame);
}

float AroundTexCoord(int k) { return static_cast<float>((k - 3) / 12.0); }

float BandBrightness(int band) {
    constexpr int kLastFullBand = 24;
    if (band <= kLastFullBand) return 1.0f;
    return static_cast<float>(1.0 - (band - kLastFullBand) / 10.0);
}

}  // namespace renderer
