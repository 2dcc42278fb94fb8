// Writes the settings dialog's stored pictures (six button faces, two kind markers):
//   dialog_pictures_generator <assets folder>     the committed .bmp files
//   dialog_pictures_generator --preview <folder>  contact_sheet.bmp and painted_faces.bmp, to look at
// A test keeps the committed files equal to this program's output.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/bitmap_writer.h"
#include "assets/dialog_pictures.h"
#include "assets/picture_preview.h"

namespace {

bool Write(const std::string& path, const pictures::Canvas& picture) {
    if (bitmap::WriteWholeFile(path, pictures::BitmapFileOf(picture))) return true;
    std::perror(path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const bool isPreview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
    if (argc != 2 && !isPreview) {
        std::fprintf(stderr, "usage: dialog_pictures_generator <assets folder> | --preview <folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[argc - 1]) + "/";
    const auto stored = pictures::MakeDialogPictures();
    if (isPreview) {
        const bool written = Write(folder + "contact_sheet.bmp", pictures::MakeContactSheet(stored)) &&
                             Write(folder + "painted_faces.bmp", pictures::MakePaintedFaces());
        return written ? 0 : 1;
    }
    for (const auto& picture : stored) {
        if (!Write(folder + picture.fileName, picture.picture)) return 1;
    }
    return 0;
}
