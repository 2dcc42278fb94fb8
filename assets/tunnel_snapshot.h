// One frame of the real tunnel scene, rendered off screen by Mesa (OSMesa) with the renderer's
// own GL drawing and read back: the source of the preview picture. Native build only.
#pragma once
#include <optional>

#include "renderer/bmp_decode.h"
#include "assets/rgb_image.h"

namespace snapshot {

struct SnapshotScene {
    int widthPx = 0;
    int heightPx = 0;
    // Animation steps taken from the flight's reset before the frame is drawn: 1 is the
    // renderer's first frame.
    int animationSteps = 1;
    // The cloud texture as the renderer reads it; none draws the tube untextured.
    const renderer::BitmapRead* texture = nullptr;
};

// The frame at the scene's size, top row first; nothing when Mesa cannot make a context.
std::optional<RgbImage> RenderTunnelSnapshot(const SnapshotScene& scene);

}  // namespace snapshot
