// velmora-face-pictures: draws the six face pictures of the button and writes
// them as 24-bit bitmaps <Name>.bmp into a folder, from which the resources of
// Velmora.scr carry them.
//
//   velmora-face-pictures FOLDER

#include <cstdio>
#include <string>

#include "bmp_file.h"
#include "face_pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "velmora-face-pictures: give the folder to write into\n");
        return 2;
    }
    const std::string folder = argv[1];
    const FacePictureSet pictures = DrawFacePictures();
    for (FacePicture picture : kFacePictures) {
        const std::string path = folder + "/" + FacePictureName(picture) + ".bmp";
        std::string error;
        if (!WriteBmpFile(path, pictures[FacePictureIndex(picture)], error)) {
            std::fprintf(stderr, "velmora-face-pictures: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
