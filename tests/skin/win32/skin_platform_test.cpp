#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "skin/data/win32/win32_skin_platform.h"

namespace velmora::skin {
namespace {

class Win32Platform : public ::testing::Test {
 protected:
  Win32SkinPlatform platform{L"Velmora"};
  std::string folder = platform.ApplicationDirectory() + "skin-platform-test";

  void SetUp() override {
    CreateDirectoryA(folder.c_str(), nullptr);
    std::FILE* file = std::fopen((folder + "\\Night.asz").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("ASzf", file);
    std::fclose(file);
    CreateDirectoryA((folder + "\\Dusk").c_str(), nullptr);
  }
  void TearDown() override {
    DeleteFileA((folder + "\\Night.asz").c_str());
    RemoveDirectoryA((folder + "\\Dusk").c_str());
    RemoveDirectoryA(folder.c_str());
  }
};

TEST_F(Win32Platform, FindsTheProgramFolderAndItsFiles) {
  const std::string app = platform.ApplicationDirectory();
  ASSERT_TRUE(app.ends_with("\\"));
  EXPECT_TRUE(platform.DirectoryExists(app));
  EXPECT_TRUE(platform.DirectoryExists(folder));
  EXPECT_TRUE(platform.FileExists(folder + "\\Night.asz"));
  EXPECT_FALSE(platform.FileExists(folder + "\\Dusk"));
  EXPECT_FALSE(platform.DirectoryExists(folder + "\\Night.asz"));
  EXPECT_EQ(platform.ListFiles(folder), std::vector<std::string>{"Night.asz"});
}

TEST_F(Win32Platform, ReadsWholeFilesWithinTheirLimit) {
  const auto bytes = platform.ReadFile(folder + "\\Night.asz", 100);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "ASzf");
  EXPECT_FALSE(platform.ReadFile(folder + "\\Night.asz", 3));
  EXPECT_FALSE(platform.ReadFile(folder + "\\Missing.asz", 100));
}

TEST_F(Win32Platform, AnswersSystemColoursAndMetrics) {
  EXPECT_EQ(platform.SystemColourValue(SystemColour::ButtonFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(platform.SystemColourValue(SystemColour::InfoBackground), GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(platform.SystemMetricValue(SystemMetric::SizingFrameWidth),
            GetSystemMetrics(SM_CXSIZEFRAME));
  EXPECT_EQ(platform.SystemMetricValue(SystemMetric::VerticalScrollWidth),
            GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace
}  // namespace velmora::skin
