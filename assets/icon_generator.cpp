// Writes the program icon as an .ico file: icon_generator <output.ico>.
// The committed assets/vaporquill.ico is this program's output; a test keeps the two in step.
#include <cstdio>

#include "assets/bitmap_writer.h"
#include "assets/icon_picture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_generator <output.ico>\n");
        return 2;
    }
    if (!bitmap::WriteWholeFile(argv[1], icon::MakeIconFile())) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
