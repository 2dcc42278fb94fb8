// The preview picture: the renderer's first frame at the size of the display settings' usual
// preview pane, with the cloud picture as its texture, kept as a baseline JPEG
// (assets/preview.jpg, made by preview_generator). Native build only.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "renderer/bmp_decode.h"
#include "assets/rgb_image.h"
#include "assets/tunnel_snapshot.h"

namespace preview {

constexpr int kWidthPx = 152;
constexpr int kHeightPx = 112;
// High enough that the soft cloud shading shows no blocks or ringing.
constexpr int kJpegQuality = 90;

// The cloud texture read from the bytes of a BMP file by the renderer's own reader.
renderer::BitmapRead CloudTextureOf(const std::vector<uint8_t>& bitmapFile);

// The scene the preview shows: the first frame after the flight's reset, at the preview's size.
snapshot::SnapshotScene FirstFrameScene(const renderer::BitmapRead* cloudTexture);

// The preview file for a cloud picture file: render, then encode. Empty when either fails.
std::vector<uint8_t> MakePreviewJpeg(const std::vector<uint8_t>& cloudBitmapFile);

}  // namespace preview
