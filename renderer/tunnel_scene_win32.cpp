// The tunnel scene in the renderer program: the texture file with its failure message, the
// flight, and the frame's grid handed to the shared GL drawing (tunnel_gl_drawing).
#include "renderer/tunnel_scene_win32.h"

#include <windows.h>

#include "renderer/bmp_file_win32.h"

namespace renderer {

GLuint BuildCloudTexture(const std::string& path) {
    const renderer::BitmapRead bitmap = ReadBitmapFile(path);
    if (!bitmap.HasData()) {
        const std::string text = "Unable to load " + path;
        MessageBoxA(nullptr, text.c_str(), "Loading Textures", MB_OK);
        // The window and context are left to the end of the process to release.
        ExitProcess(1);
    }
    return UploadCloudTexture(bitmap);
}

void TunnelScene::Prepare(const std::string& texturePath) {
    SetSceneState();
    cloudTexture_ = BuildCloudTexture(texturePath);
    flight_.Reset();
}

void TunnelScene::DrawFrame(double stepFraction, GridMethod method) {
    drawnTime_ = flight_.PresentedTime(stepFraction);
    if (method == GridMethod::PerRing) {
        ComputeTunnelFrame(drawnTime_, frame_);
    } else {
        ComputeTunnelGridDirect(drawnTime_, frame_);
    }
    if (monitorViewports_.empty()) {
        DrawTunnel(frame_);
    } else {
        DrawTunnelInViewports(frame_, monitorViewports_);
    }
}

void TunnelScene::SetViewports(const std::vector<GlViewport>& viewports) {
    if (viewports.size() > 1) {
        monitorViewports_ = viewports;
    } else {
        monitorViewports_.clear();
    }
}

}  // namespace renderer
