// Writes the cloud picture as a BMP file: cloud_generator <output.bmp>.
// The committed assets/cloud.bmp is this program's output; a test keeps the two in step.
#include <cstdio>

#include "cloud_picture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cloud_generator <output.bmp>\n");
        return 2;
    }
    const auto file = cloud::MakeCloudBitmapFile();
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const size_t written = std::fwrite(file.data(), 1, file.size(), out);
    const bool closed = std::fclose(out) == 0;
    if (written != file.size() || !closed) {
        std::fprintf(stderr, "cloud_generator: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
