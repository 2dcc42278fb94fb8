// The preview picture; see preview_picture.h.
#include "assets/preview_picture.h"

#include "assets/jpeg_codec.h"

namespace preview {

bmp::BitmapRead CloudTextureOf(const std::vector<uint8_t>& bitmapFile) {
    bmp::MemorySource source(bitmapFile.data(), bitmapFile.size());
    return bmp::ReadBitmap(source);
}

snapshot::SnapshotScene FirstFrameScene(const bmp::BitmapRead* cloudTexture) {
    return snapshot::SnapshotScene{kWidthPx, kHeightPx, /*animationSteps*/ 1, cloudTexture};
}

std::vector<uint8_t> MakePreviewJpeg(const std::vector<uint8_t>& cloudBitmapFile) {
    const bmp::BitmapRead cloud = CloudTextureOf(cloudBitmapFile);
    if (!cloud.HasData()) return {};
    const auto frame = snapshot::RenderTunnelSnapshot(FirstFrameScene(&cloud));
    if (!frame) return {};
    return jpeg::EncodeBaseline(*frame, kJpegQuality);
}

}  // namespace preview
