// Writes the preview picture: preview_generator <cloud.bmp> <output.jpg>.
// The committed assets/preview.jpg is this program's output for assets/cloud.bmp; a test
// checks that it still looks like a fresh render (encoders differ, so not byte for byte).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "assets/bitmap_writer.h"
#include "assets/preview_picture.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: preview_generator <cloud.bmp> <output.jpg>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::perror(argv[1]);
        return 1;
    }
    const std::vector<uint8_t> cloud((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::vector<uint8_t> picture = preview::MakePreviewJpeg(cloud);
    if (picture.empty()) {
        std::fprintf(stderr, "preview_generator: %s gave no picture (not a 24-bit bitmap, or no off-screen GL)\n",
                     argv[1]);
        return 1;
    }
    if (!bitmap::WriteWholeFile(argv[2], picture)) {
        std::perror(argv[2]);
        return 1;
    }
    return 0;
}
