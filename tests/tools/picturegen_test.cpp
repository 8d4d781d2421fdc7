// The generated pictures: their subjects as colours and shapes, and files the program can read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "picturegen/canvas.h"
#include "picturegen/emblems.h"
#include "picturegen/fern.h"
#include "picturegen/picture_files.h"
#include "skin/data/decoded_image.h"

namespace picturegen {
namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::filesystem::path TempPath(const char* name) {
  return std::filesystem::temp_directory_path() /
         (std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + name);
}

TEST(Ferns, AreADarkGreenPictureThatEveryBuildPaintsAlike) {
  const Canvas ferns = RenderFerns(160, 120);
  double red = 0, green = 0, blue = 0;
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 160; ++x) {
      red += ferns.At(x, y).r;
      green += ferns.At(x, y).g;
      blue += ferns.At(x, y).b;
    }
  }
  const double pixels = 160.0 * 120;
  EXPECT_LT(green / pixels, 0.15) << "dark";
  EXPECT_GT(green, 2.5 * red);
  EXPECT_GT(green, 2.5 * blue);
  EXPECT_EQ(RenderFerns(160, 120).ToBgra(false), ferns.ToBgra(false));
}

TEST(Emblems, TheIconIsARoundPictureAndTheTrayPictureIsCrossedOutInRedOnlyWhenAsked) {
  const Canvas icon = RenderProgramIcon(64);
  EXPECT_EQ(icon.At(0, 0).a, 0) << "clear corners";
  EXPECT_EQ(icon.At(32, 60).a, 1);
  const auto reddish = [](const Canvas& canvas) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        const Colour& c = canvas.At(x, y);
        count += c.a > 0.5f && c.r > 0.5f && c.g < 0.2f;
      }
    }
    return count;
  };
  EXPECT_EQ(reddish(RenderTrayPicture(20, false)), 0);
  EXPECT_GT(reddish(RenderTrayPicture(20, true)), 30);
}

TEST(PictureFiles, TheJpegDecodesToThePaintedPicture) {
  Canvas canvas(16, 8, {0.0f, 0.5f, 0.0f, 1});
  const auto path = TempPath("picture.jpg");
  WriteJpeg(path.string(), canvas, 95);
  const auto picture = velmora::skin::ReadJpeg(ReadFile(path)).Pixels;
  std::filesystem::remove(path);
  EXPECT_EQ(picture.Width, 16);
  EXPECT_EQ(picture.Height, 8);
  const uint32_t pixel = picture.At(3, 3);
  EXPECT_NEAR((pixel >> 8) & 0xFF, canvas.ToBgra(false)[1], 3);  // green
  EXPECT_LT((pixel >> 16) & 0xFF, 8u);                            // red
}

TEST(PictureFiles, TheIconHoldsOne32BitPictureWithItsMask) {
  const auto path = TempPath("icon.ico");
  WriteIcon(path.string(), RenderProgramIcon(64));
  const std::vector<uint8_t> bytes = ReadFile(path);
  std::filesystem::remove(path);
  const size_t expected = 6 + 16 + 40 + 64 * 64 * 4 + 64 * 8;
  ASSERT_EQ(bytes.size(), expected);
  EXPECT_EQ(bytes[2], 1);   // an icon
  EXPECT_EQ(bytes[4], 1);   // one picture
  EXPECT_EQ(bytes[6], 64);  // width
  EXPECT_EQ(bytes[12], 32); // bits per pixel
  EXPECT_EQ(bytes[22 + 8], 128) << "the header's height counts colour and mask";
}

}  // namespace
}  // namespace picturegen
