// The tunnel scene in the renderer program: the texture file with its failure message, the
// flight, and the frame's grid handed to the shared GL drawing (tunnel_gl_drawing).
#include "renderer/tunnel_scene_win32.h"

#include <windows.h>

#include "renderer/bmp_file_win32.h"

namespace renderer {

std::optional<GlTexture> BuildCloudTexture(const std::string& path) {
    const BitmapRead bitmap = ReadBitmapFile(path);
    if (!bitmap.HasData()) {
        // Shown while the window is still open; the run then ends through its owners.
        const std::string text = "Unable to load " + path;
        MessageBoxA(nullptr, text.c_str(), "Loading Textures", MB_OK);
        return std::nullopt;
    }
    return UploadCloudTexture(bitmap);
}

bool TunnelScene::Prepare(const std::string& texturePath) {
    SetSceneState();
    std::optional<GlTexture> texture = BuildCloudTexture(texturePath);
    if (!texture) return false;
    cloudTexture_ = std::move(*texture);
    flight_.Reset();
    return true;
}

void TunnelScene::DrawFrame(const std::vector<GlViewport>& viewports, double stepFraction, GridMethod method) {
    drawnTime_ = flight_.PresentedTime(stepFraction);
    if (method == GridMethod::PerRing) {
        ComputeTunnelFrame(drawnTime_, frame_);
    } else {
        ComputeTunnelGridDirect(drawnTime_, frame_);
    }
    DrawTunnel(frame_, viewports, heldProjection_);
}

}  // namespace renderer
