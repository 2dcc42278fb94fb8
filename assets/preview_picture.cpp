// The preview picture; see preview_picture.h.
#include "assets/preview_picture.h"

#include "assets/jpeg_codec.h"

namespace preview {

renderer::BitmapRead CloudTextureOf(const std::vector<uint8_t>& bitmapFile) {
    renderer::MemorySource source(bitmapFile.data(), bitmapFile.size());
    return renderer::ReadBitmap(source);
}

snapshot::SnapshotScene FirstFrameScene(const renderer::BitmapRead* cloudTexture) {
    return snapshot::SnapshotScene{kWidthPx, kHeightPx, /*animationSteps*/ 1, cloudTexture};
}

std::vector<uint8_t> MakePreviewJpeg(const std::vector<uint8_t>& cloudBitmapFile) {
    const renderer::BitmapRead cloud = CloudTextureOf(cloudBitmapFile);
    if (!cloud.HasData()) return {};
    const auto frame = snapshot::RenderTunnelSnapshot(FirstFrameScene(&cloud));
    if (!frame) return {};
    return jpeg::EncodeBaseline(*frame, kJpegQuality);
}

}  // namespace preview
