// The renderer's tunnel scene: one-time set-up with the cloud texture file, the flight, and
// each frame's grid drawn through the shared GL drawing (tunnel_gl_drawing) into the window's
// viewports. Declare it after the window whose context it draws with: its texture is deleted
// while that context is still current.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "renderer/monitor_layout.h"
#include "renderer/presented_flight.h"
#include "renderer/tunnel_geometry.h"
#include "renderer/tunnel_gl_drawing.h"

namespace renderer {

// How the grid is computed each frame; the per-vertex formula is only for the benchmark.
enum class GridMethod { PerRing, PerVertex };

class TunnelScene {
  public:
    // PrepareScene: GL state, the cloud texture, the flight reset. Needs the current context.
    // False when the texture file yields no pixels, once the user has been told so.
    bool Prepare(const std::string& texturePath);
    // The animation steps the frame pacer gave this frame, each reading the keys.
    void TakeSteps(int steps, const SpeedKeys& keys) { flight_.TakeSteps(steps, keys); }
    // DrawTunnelFrame without its phase step (TakeSteps made it): draws the whole tube into each
    // viewport at the moment stepFraction of the way from the previous step to the latest (the
    // frame pacer's StepFraction; 1 draws the latest step itself); the caller swaps.
    void DrawFrame(const std::vector<GlViewport>& viewports, double stepFraction = 1.0,
                   GridMethod method = GridMethod::PerRing);
    const Flight& flight() const { return flight_.flight(); }
    // The flight's time the latest frame was drawn at.
    double drawnTime() const { return drawnTime_; }

  private:
    PresentedFlight flight_;
    double drawnTime_ = 0.0;
    TunnelFrame frame_{};
    HeldProjection heldProjection_;
    GlTexture cloudTexture_;  // CloudTexture: bound for the whole run
};

// BuildCloudTexture: reads the file and uploads it with its mipmaps; when the file yields no
// pixels, says so and gives none.
std::optional<GlTexture> BuildCloudTexture(const std::string& path);

}  // namespace renderer
