// The off-screen tunnel frame; see tunnel_snapshot.h.
#include "assets/tunnel_snapshot.h"

#include <GL/osmesa.h>

#include <cstring>
#include <vector>

#include "renderer/flight.h"
#include "renderer/tunnel_geometry.h"
#include "renderer/tunnel_gl_drawing.h"

// NOTE: Mesa's OSMesa keeps about 500 bytes of each context's framebuffer after the context is
// made not current and destroyed; the sanitized native build's leak check is told to pass over
// them rather than fail every program that renders.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
extern "C" __attribute__((used)) const char* __lsan_default_options() { return "print_suppressions=0"; }

namespace snapshot {
namespace {

// An OSMesa context drawing into a buffer of its own, current while it lives.
class OffScreenContext {
  public:
    OffScreenContext(int width, int height)
        : buffer_(static_cast<size_t>(width) * height * 4),
          // The renderer asks its pixel format for 16 depth bits; so does the picture.
          context_(OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr)) {
        current_ = context_ && OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width, height);
    }
    ~OffScreenContext() {
        // Made not current first: a context destroyed while current keeps its framebuffer.
        if (current_) OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
        if (context_) OSMesaDestroyContext(context_);
    }
    OffScreenContext(const OffScreenContext&) = delete;
    OffScreenContext& operator=(const OffScreenContext&) = delete;
    bool current() const { return current_; }

  private:
    std::vector<uint8_t> buffer_;
    OSMesaContext context_;
    bool current_ = false;
};

}  // namespace

std::optional<RgbImage> RenderTunnelSnapshot(const SnapshotScene& scene) {
    if (scene.widthPx <= 0 || scene.heightPx <= 0) return std::nullopt;
    OffScreenContext context(scene.widthPx, scene.heightPx);
    if (!context.current()) return std::nullopt;

    // The renderer's set-up, in its order: scene state, texture, flight reset; then the steps and
    // the frame, drawn as on a desk of one monitor: one picture filling the window.
    renderer::SetSceneState();
    renderer::GlTexture texture;  // after the context: deleted while it is still current
    if (scene.texture && scene.texture->HasData()) texture = renderer::UploadCloudTexture(*scene.texture);
    renderer::Flight flight;
    renderer::ResetTunnelAnimation(flight);
    for (int step = 0; step < scene.animationSteps; ++step) renderer::TakeAnimationStep(flight, {});
    renderer::TunnelFrame frame;
    renderer::ComputeTunnelFrame(flight.time, frame);
    renderer::HeldProjection projection;
    renderer::DrawTunnel(frame, {{0, 0, scene.widthPx, scene.heightPx}}, projection);
    glFinish();

    RgbImage image;
    image.width = scene.widthPx;
    image.height = scene.heightPx;
    const size_t rowBytes = static_cast<size_t>(scene.widthPx) * 3;
    std::vector<uint8_t> bottomUp(rowBytes * scene.heightPx);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, scene.widthPx, scene.heightPx, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    if (glGetError() != GL_NO_ERROR) return std::nullopt;
    image.rgb.resize(bottomUp.size());
    for (int y = 0; y < scene.heightPx; ++y) {
        std::memcpy(&image.rgb[static_cast<size_t>(y) * rowBytes],
                    &bottomUp[static_cast<size_t>(scene.heightPx - 1 - y) * rowBytes], rowBytes);
    }
    return image;
}

}  // namespace snapshot
