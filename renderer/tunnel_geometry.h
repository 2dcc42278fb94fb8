// The tunnel's shape for one frame: a twelve-sided tube of 33 rings that winds away from the
// viewer, with its texture coordinates and the fade of the far bands. Portable; no GL.
#pragma once

namespace renderer {

constexpr int kSides = 12;         // quads around the tube; grid point 12 closes onto point 0
constexpr int kRings = 33;         // ring 0 nearest; ring 32 is computed but not drawn
constexpr int kDrawnBands = 31;    // band j spans rings j and j + 1
constexpr float kEyeDistance = 4.2f;

struct Vertex {
    float x, y, z;
};

// Everything the drawing of one frame needs, recomputed each frame in place (no allocation).
struct TunnelFrame {
    Vertex grid[kSides + 1][kRings];  // TunnelGrid, [around][ring]
    float ringTexRow[kRings];         // texture coordinate along the tube at each ring
};

// Fills the frame for phase `time`: the bends once per ring, the ring's circle from
// constant cos and sin tables. Gives the same single-precision numbers as the direct formula.
void ComputeTunnelFrame(double time, TunnelFrame& frame);

// The same grid with every sine and cosine taken at every vertex, as the formula reads.
// Kept as the reference that the fast path must match, and as the benchmark's baseline.
void ComputeTunnelGridDirect(double time, TunnelFrame& frame);

// The flowing texture offset, 0.02 per unit of time, wrapped into [0, 1). The texture
// repeats, so the wrap is invisible, and it keeps single-precision coordinates fine-grained
// however long the flight has run.
double TextureFlowOffset(double time);

// Texture coordinate around the tube at quad corner k (0..12): one copy of the texture
// wraps once around, turned by a quarter.
float AroundTexCoord(int k);

// Brightness of band j: full for the near bands, falling by a tenth per band past 24.
float BandBrightness(int band);

}  // namespace renderer
