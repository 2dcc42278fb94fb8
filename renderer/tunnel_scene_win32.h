// The renderer's tunnel scene: one-time set-up with the cloud texture file, the flight, and
// each frame's grid drawn through the shared GL drawing (tunnel_gl_drawing).
#pragma once
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
    // PrepareScene: GL state, the cloud texture (or the texture failure's exit), the flight
    // reset. Needs the current context.
    void Prepare(const std::string& texturePath);
    // The animation steps the frame pacer gave this frame, each reading the keys.
    void TakeSteps(int steps, const SpeedKeys& keys) { flight_.TakeSteps(steps, keys); }
    // DrawTunnelFrame without its phase step (TakeSteps made it): draws the whole tube at the
    // moment stepFraction of the way from the previous step to the latest (the frame pacer's
    // StepFraction; 1 draws the latest step itself); the caller swaps.
    void DrawFrame(double stepFraction = 1.0, GridMethod method = GridMethod::PerRing);
    const Flight& flight() const { return flight_.flight(); }
    // The flight's time the latest frame was drawn at.
    double drawnTime() const { return drawnTime_; }
    // The window's viewports as laid out over the monitors. One viewport is the whole window,
    // whose projection the window sets itself (on opening and on each size notice); with
    // several, every frame draws the tunnel into each.
    void SetViewports(const std::vector<GlViewport>& viewports);

  private:
    PresentedFlight flight_;
    double drawnTime_ = 0.0;
    std::vector<GlViewport> monitorViewports_;  // empty while the window shows one picture
    TunnelFrame frame_{};
    GLuint cloudTexture_ = 0;  // CloudTexture: bound for the whole run
};

// BuildCloudTexture: reads the file and uploads it with its mipmaps; when the file yields no
// pixels, says so and ends the process with exit code 1.
GLuint BuildCloudTexture(const std::string& path);

}  // namespace renderer
