// Writes the cloud picture as a BMP file: cloud_generator <output.bmp>.
// The committed assets/cloud.bmp is this program's output; a test keeps the two in step.
#include <cstdio>

#include "assets/bitmap_writer.h"
#include "assets/cloud_picture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cloud_generator <output.bmp>\n");
        return 2;
    }
    if (!bitmap::WriteWholeFile(argv[1], cloud::MakeCloudBitmapFile())) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
