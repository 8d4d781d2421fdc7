#include "ui/app_title.h"

#include <gtest/gtest.h>

#include "ui/dpi_scale.h"

namespace velmora::ui {
namespace {

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithLaterLettersLowered) {
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\Program Files\\Velmora\\Velmora.exe"), L"Velmora");
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\x\\VELMORA.EXE"), L"Velmora");
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\x\\night.forest.exe"), L"night");
  EXPECT_EQ(ApplicationTitleFromPath(L"/home/u/mIXER2.exe"), L"mixer2");
}

TEST(ApplicationTitle, LowersCyrillicAndKeepsTheFirstLetterAsItIs) {
  EXPECT_EQ(ApplicationTitleFromPath(L"D:\\ЛЕС.exe"), L"Лес");
  EXPECT_EQ(ApplicationTitleFromPath(L"D:\\ёЁЖ.exe"), L"ёёж");
}

TEST(ApplicationTitle, HandlesNamesWithoutDotsOrDirectories) {
  EXPECT_EQ(ApplicationTitleFromPath(L"PLAYER"), L"Player");
  EXPECT_EQ(ApplicationTitleFromPath(L".hidden"), L"");
  EXPECT_EQ(ApplicationTitleFromPath(L"C:\\dir.d\\"), L"");
}

TEST(DpiScale, IsIdentityAtTheDesignResolutionAndRoundsLikeMulDiv) {
  EXPECT_EQ(ScaleForDpi(764, 120), 764);
  EXPECT_EQ(ScaleForDpi(764, 96), 611);   // 611.2
  EXPECT_EQ(ScaleForDpi(537, 96), 430);   // 429.6
  EXPECT_EQ(ScaleForDpi(5, 96), 4);       // 4.0
  EXPECT_EQ(ScaleForDpi(3, 100), 3);      // 2.5 rounds away from zero
  EXPECT_EQ(ScaleForDpi(-3, 100), -3);
  EXPECT_EQ(ScaleForDpi(14, 144), 17);    // 16.8
}

}  // namespace
}  // namespace velmora::ui
