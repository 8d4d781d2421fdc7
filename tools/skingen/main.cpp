// velmora-skingen: draws and packs the program's stored skin, "Emerald.asz", into FOLDER, with a
// sheet of the whole skin beside it for review ("skin-sheet.png"). With --contrast it prints the
// measured text contrast instead. The same build writes the same bytes.
//
//   velmora-skingen FOLDER
//   velmora-skingen --contrast
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "skingen/contrast.h"
#include "skingen/package.h"
#include "skingen/skin_sheet.h"

namespace {

void WriteFile(const std::filesystem::path& path, const skingen::Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velmora-skingen FOLDER | --contrast\n");
    return 2;
  }
  try {
    const skingen::StoredSkin skin = skingen::BuildStoredSkin();
    if (std::string(argv[1]) == "--contrast") {
      for (const skingen::ContrastCheck& check : skingen::MeasureContrast(skin))
        std::printf("%-24s %5.2f : 1  (at least %.1f)\n", check.Name.c_str(), check.Ratio,
                    check.Required);
      return 0;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    WriteFile(folder / "Emerald.asz", skin.Package);
    WriteFile(folder / "skin-sheet.png", skingen::EncodePng(skingen::RenderSkinSheet(skin), false));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmora-skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
