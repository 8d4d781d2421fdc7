#include "skin/manager/preview_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "skin/manager/engine_start.h"
#include "tests/skin/fake_platform.h"

namespace velmora::skin {
namespace {

using Bytes = std::vector<uint8_t>;

// A record as a sender lays it out: the marker and three zero-filled fields.
Bytes Record(const std::string& name, const std::string& directory, const std::string& options) {
  Bytes bytes(30645, 0);
  bytes[0] = 0x00;
  bytes[1] = 0xA4;
  std::memcpy(&bytes[4], name.data(), name.size());
  std::memcpy(&bytes[132], directory.data(), directory.size());
  std::memcpy(&bytes[644], options.data(), options.size());
  return bytes;
}

TEST(PreviewRecord, ReadsTheThreeFields) {
  const auto record = ParsePreviewRecord(Record("Night", "c:\\Preview", "[GLOBALINFO]\n"));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->SkinName, "Night");
  EXPECT_EQ(record->SkinDirectory, "c:\\Preview");
  EXPECT_EQ(record->Options, "[GLOBALINFO]\n");
}

TEST(PreviewRecord, NeedsTheMarkerAndASkinName) {
  EXPECT_FALSE(ParsePreviewRecord({}));
  EXPECT_FALSE(ParsePreviewRecord(Bytes{0x00, 0xA4, 0x00}));
  Bytes wrong = Record("Night", "", "");
  wrong[2] = 1;
  EXPECT_FALSE(ParsePreviewRecord(wrong));
  EXPECT_FALSE(ParsePreviewRecord(Record("", "c:\\Preview", "")));
}

TEST(PreviewRecord, ReadsOnlyWhatArrived) {
  Bytes shortRecord = Record("Night", "", "");
  shortRecord.resize(4 + 6);  // the marker and "Night" with its terminator
  const auto record = ParsePreviewRecord(shortRecord);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->SkinName, "Night");
  EXPECT_EQ(record->SkinDirectory, "");
  Bytes longer = Record("Night", "d", "o");
  longer.resize(40000, 'x');  // beyond the record: not read
  EXPECT_TRUE(ParsePreviewRecord(longer));
}

TEST(PreviewRecord, RefusesAStringThatRunsOutOfItsField) {
  EXPECT_FALSE(ParsePreviewRecord(Record(std::string(128, 'n'), "", "")));
  EXPECT_TRUE(ParsePreviewRecord(Record(std::string(127, 'n'), "", "")));
  EXPECT_FALSE(ParsePreviewRecord(Record("Night", std::string(512, 'd'), "")));
  EXPECT_FALSE(ParsePreviewRecord(Record("Night", "", std::string(30001, 'o'))));
  Bytes cut = Record("Night", "c:\\Preview", "");
  cut.resize(4 + 3);  // the name's bytes stop before its terminator
  EXPECT_FALSE(ParsePreviewRecord(cut));
}

TEST(EngineStart, ShowsTheVersionOnceWhenAsked) {
  EXPECT_TRUE(AsksForVersion(std::vector<std::string>{"x", "/ACVER"}));
  EXPECT_FALSE(AsksForVersion(std::vector<std::string>{"acver", "/acver2"}));
  test::FakePlatform platform;
  const std::vector<std::string> arguments{"/acver"};
  StartEngine(arguments, platform);
  StartEngine(arguments, platform);
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].first, "Quenlith v12.22");
}

}  // namespace
}  // namespace velmora::skin
