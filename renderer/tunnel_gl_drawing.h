// The tunnel's OpenGL 1.1 drawing, shared by the renderer program and the native generator of
// the preview picture, so the still picture is drawn by the same code as the flight: the scene's
// GL state, the cloud texture's upload and one frame of the tube in each viewport. Needs a
// current GL context; knows nothing of windows, files or message boxes.
#pragma once
#ifdef _WIN32
#include <windows.h>  // NOTE: the Windows GL headers use its declarations
#endif
#include <GL/gl.h>

#include <optional>
#include <utility>
#include <vector>

#include "renderer/bmp_decode.h"
#include "renderer/monitor_layout.h"
#include "renderer/tunnel_geometry.h"

namespace renderer {

// A texture object, deleted when its owner goes. The deletion needs the context that made it
// still current: declare the owner after the context's, so it goes first.
class GlTexture {
  public:
    GlTexture() = default;
    explicit GlTexture(GLuint name) : name_(name) {}
    ~GlTexture() {
        if (name_) glDeleteTextures(1, &name_);
    }
    GlTexture(GlTexture&& other) noexcept : name_(other.name_) { other.name_ = 0; }
    GlTexture& operator=(GlTexture&& other) noexcept {
        std::swap(name_, other.name_);  // the texture held before goes with `other`
        return *this;
    }
    GlTexture(const GlTexture&) = delete;
    GlTexture& operator=(const GlTexture&) = delete;

  private:
    GLuint name_ = 0;
};

// The GL state of PrepareScene before the texture: white clear colour, clear depth 1.0, depth
// test, smooth shading, the nicest perspective correction and 2D texturing.
void SetSceneState();

// The texture set-up of BuildCloudTexture once the bitmap is read: a texture object with the
// GL_MODULATE environment, linear filters, the default repeating wrap and its mipmaps. The
// bitmap must have data (HasData()); it stays bound.
GlTexture UploadCloudTexture(const BitmapRead& bitmap);

// The viewport whose projection GL holds; none before the first frame. GL keeps it from frame
// to frame, so a window that shows one picture sets its projection once.
using HeldProjection = std::optional<GlViewport>;

// The GL side of DrawTunnelFrame: clears the window, then draws the 31 bands of the frame's grid
// (12 textured quads each, the far ones faded) into each viewport with a 45-degree perspective
// of the viewport's own aspect ratio, so every monitor shows the whole tunnel centred and none
// is stretched across a bezel. The caller presents the frame.
void DrawTunnel(const TunnelFrame& frame, const std::vector<GlViewport>& viewports, HeldProjection& held);

}  // namespace renderer
