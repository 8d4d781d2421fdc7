// velmora-picturegen: paints the pictures the program holds and writes them into FOLDER:
// fern.jpg (the window's background), velmora.ico (the program's icon), tray-sound-on.bmp and
// tray-sound-off.bmp (the tray pictures). The same build writes the same bytes.
//
//   velmora-picturegen FOLDER
#include <cstdio>
#include <exception>
#include <filesystem>

#include "picturegen/emblems.h"
#include "picturegen/fern.h"
#include "picturegen/picture_files.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velmora-picturegen FOLDER\n");
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    picturegen::WriteJpeg((folder / "fern.jpg").string(), picturegen::RenderFerns(800, 600), 90);
    picturegen::WriteIcon((folder / "velmora.ico").string(), picturegen::RenderProgramIcon(64));
    picturegen::WriteBitmap((folder / "tray-sound-on.bmp").string(),
                            picturegen::RenderTrayPicture(20, false));
    picturegen::WriteBitmap((folder / "tray-sound-off.bmp").string(),
                            picturegen::RenderTrayPicture(20, true));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmora-picturegen: %s\n", e.what());
    return 1;
  }
  return 0;
}
