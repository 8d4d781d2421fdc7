// The settings file's lines: integer conversion, line splitting and the reader's stop rules.
#include "scene/settings_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>

#include "scene/master_volume.h"

namespace velmora::scene {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(SettingsIntegerTest, ConvertsDecimalAndHexadecimalWithSignAndLeadingBlanks) {
  const std::pair<const char*, std::int32_t> good[] = {
      {"0", 0},           {"7", 7},           {" 7", 7},           {"   -5", -5},
      {"+12", 12},        {"007", 7},         {"$A", 10},          {"xff", 255},
      {"X1F", 31},        {"0x10", 16},       {"0XaB", 171},       {"-$A", -10},
      {"2147483647", 2147483647},             {"-2147483648", INT32_MIN},
      {"$FFFFFFFF", -1},  {"0x80000000", INT32_MIN}};
  for (const auto& [text, value] : good) {
    EXPECT_EQ(ParseSettingsInteger(text), value) << '"' << text << '"';
  }
}

TEST(SettingsIntegerTest, RejectsAnythingElse) {
  for (const char* text : {"", " ", "+", "-", "7 ", "7\t", "\t7", "2147483648", "-2147483649",
                           "99999999999999999999", "$", "0x", "x", "$123456789", "0x1G", "1.5",
                           "1e3", "--1", "+-1", "$ A", "seven", "0b1"}) {
    EXPECT_EQ(ParseSettingsInteger(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(SettingsLinesTest, SplitAtEveryLineEndAndAFinalEndStartsNoLine) {
  EXPECT_THAT(SplitLines(""), IsEmpty());
  EXPECT_THAT(SplitLines("1\r\n2\r\n"), ElementsAre("1", "2"));
  EXPECT_THAT(SplitLines("1\n2\r3"), ElementsAre("1", "2", "3"));
  EXPECT_THAT(SplitLines("1\r\n\r\n"), ElementsAre("1", ""));
  EXPECT_THAT(SplitLines("\n"), ElementsAre(""));
  EXPECT_EQ(JoinLines({"1", "-5"}), "1\r\n-5\r\n");
}

class SettingsReaderTest : public ::testing::Test {
 protected:
  std::string Read(const std::vector<std::string>& lines) {
    applied.clear();
    return ReadSettingsLines(lines, [this](std::size_t line, std::int32_t value) {
      applied.emplace_back(line, value);
    });
  }

  static std::vector<std::string> GoodFile() {
    std::vector<std::string> lines;
    for (const SettingsLine& line : kSettingsLines) {
      lines.push_back(std::to_string(line.max == INT32_MAX ? 1 : line.max));
    }
    return lines;
  }

  std::vector<std::pair<std::size_t, std::int32_t>> applied;
};

TEST_F(SettingsReaderTest, AppliesEveryLineOfAGoodFileInOrder) {
  EXPECT_EQ(Read(GoodFile()), "");
  ASSERT_EQ(applied.size(), kSettingsLineCount);
  for (std::size_t line = 0; line < kSettingsLineCount; ++line) {
    EXPECT_EQ(applied[line].first, line);
  }
  EXPECT_EQ(Read({}), "") << "an empty file is no error";
  EXPECT_THAT(applied, IsEmpty());
}

TEST_F(SettingsReaderTest, StopsAtTheFirstValueOutOfRangeWithItsMark) {
  EXPECT_EQ(Read({"1", "20", "5", "51", "0"}), "er4");
  EXPECT_THAT(applied, ElementsAre(std::pair<std::size_t, std::int32_t>{0, 1}, std::pair{1u, 20},
                                   std::pair{2u, 5}));
  EXPECT_EQ(Read({"2"}), "er1");
  EXPECT_EQ(Read({"0", "21"}), "er2");
  EXPECT_EQ(Read({"0", "0", "-6"}), "er3");
  auto lines = GoodFile();
  lines[17] = "5";
  EXPECT_EQ(Read(lines), "er5");
  lines = GoodFile();
  lines[27] = "4";
  EXPECT_EQ(Read(lines), "er6");
  lines = GoodFile();
  lines[30] = "101";
  EXPECT_EQ(Read(lines), "er7");
}

TEST_F(SettingsReaderTest, TheBrookAndCampfireVariantsTakeAnyIntegerButTheCricketsDoNot) {
  auto lines = GoodFile();
  lines[4] = "5";
  lines[9] = "-2147483648";
  EXPECT_EQ(Read(lines), "");
  EXPECT_EQ(applied[4].second, 5);
  lines[14] = "5";
  EXPECT_EQ(Read(lines), "er1");
  EXPECT_EQ(applied.size(), 14u);
}

TEST_F(SettingsReaderTest, LinesAfterTheTableAreConvertedButNeverApplied) {
  auto lines = GoodFile();
  lines.push_back("7");
  EXPECT_EQ(Read(lines), "");
  EXPECT_EQ(applied.size(), kSettingsLineCount);
  lines.push_back("x");
  EXPECT_EQ(Read(lines), "er");
  EXPECT_EQ(applied.size(), kSettingsLineCount) << "all 33 values came first";
}

TEST_F(SettingsReaderTest, ALineThatIsNoIntegerStopsWithTheReadMark) {
  EXPECT_EQ(Read({"1", "7 "}), "er");
  EXPECT_EQ(applied.size(), 1u);
  EXPECT_EQ(Read({""}), "er");
}

TEST(MasterVolumeTest, BothChannelsArePositionTimes650) {
  EXPECT_EQ(DeviceVolumeFor(100), 0xFDE8FDE8u);  // 65000 each
  EXPECT_EQ(DeviceVolumeFor(50), 32500u << 16 | 32500u);
  EXPECT_EQ(DeviceVolumeFor(0), 0u);
}

}  // namespace
}  // namespace velmora::scene
