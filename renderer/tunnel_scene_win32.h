// The renderer's tunnel scene: one-time set-up with the cloud texture file, the flight, and
// each frame's grid drawn through the shared GL drawing (tunnel_gl_drawing).
#pragma once
#include <string>

#include "flight.h"
#include "tunnel_geometry.h"
#include "tunnel_gl_drawing.h"

namespace tunnel {

// How the grid is computed each frame; the per-vertex formula is only for the benchmark.
enum class GridMethod { PerRing, PerVertex };

class TunnelScene {
  public:
    // PrepareScene: GL state, the cloud texture (or the texture failure's exit), the flight
    // reset. Needs the current context.
    void Prepare(const std::string& texturePath);
    // The animation steps the frame pacer gave this frame, each reading the keys.
    void TakeSteps(int steps, const SpeedKeys& keys) {
        for (int n = 0; n < steps; ++n) TakeAnimationStep(flight_, keys);
    }
    // DrawTunnelFrame without its phase step (TakeSteps made it): draws the whole tube at the
    // flight's time; the caller swaps.
    void DrawFrame(GridMethod method = GridMethod::PerRing);
    const Flight& flight() const { return flight_; }

  private:
    Flight flight_;
    TunnelFrame frame_{};
    GLuint cloudTexture_ = 0;  // CloudTexture: bound for the whole run
};

// BuildCloudTexture: reads the file and uploads it with its mipmaps; when the file yields no
// pixels, says so and ends the process with exit code 1.
GLuint BuildCloudTexture(const std::string& path);

}  // namespace tunnel
