// The tunnel's OpenGL 1.1 drawing, shared by the renderer program and the native generator of
// the preview picture, so the still picture is drawn by the same code as the flight: the scene's
// GL state, the projection, the cloud texture's upload and one frame of the tube. Needs a
// current GL context; knows nothing of windows, files or message boxes.
#pragma once
#ifdef _WIN32
#include <windows.h>  // NOTE: the Windows GL headers use its declarations
#endif
#include <GL/gl.h>

#include <vector>

#include "renderer/bmp_decode.h"
#include "renderer/monitor_layout.h"
#include "renderer/tunnel_geometry.h"

namespace renderer {

// SetProjection: viewport and a 45-degree perspective for a window of this size.
void SetProjection(int width, int height);

// The GL state of PrepareScene before the texture: white clear colour, clear depth 1.0, depth
// test, smooth shading, the nicest perspective correction and 2D texturing.
void SetSceneState();

// The texture set-up of BuildCloudTexture once the bitmap is read: a texture object with the
// GL_MODULATE environment, linear filters, the default repeating wrap and its mipmaps. The
// bitmap must have data (HasData()); it stays bound.
GLuint UploadCloudTexture(const renderer::BitmapRead& bitmap);

// The GL side of DrawTunnelFrame: clears, places the eye and draws the 31 bands of the frame's
// grid (12 textured quads each, the far ones faded). The caller presents the frame.
void DrawTunnel(const TunnelFrame& frame);

// DrawTunnel into each viewport of a window over several monitors, each with a perspective of its
// own aspect ratio, so every monitor shows the whole tunnel centred and none is stretched across
// a bezel. Leaves the last viewport's projection set.
void DrawTunnelInViewports(const TunnelFrame& frame, const std::vector<GlViewport>& viewports);

}  // namespace renderer
