// The scene's draws: the sequence every start replays.
#include "scene/random_draw.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velmora::scene {
namespace {

TEST(DrawInRange, TheFirstDrawsOfAStartAreFixed) {
  SceneRandom() = RandomSequence{};
  // Worked out by hand from state := state * 134775813 + 1 and the upper half of state * n;
  // the very first state is 1, so the first draw always gives lo.
  const std::vector<std::pair<std::int32_t, std::int32_t>> ranges{
      {2, 7},     {3, 10}, {6, 18}, {3, 6},   {1, 11},     {40, 40},
      {200, 300}, {0, 0},  {3, 12}, {18, 36}, {0, 1000000}};
  const std::vector<std::int32_t> expected{2, 3, 16, 3, 3, 40, 231, 0, 6, 25, 82012};
  std::vector<std::int32_t> drawn;
  for (const auto& [lo, hi] : ranges) drawn.push_back(DrawInRange(lo, hi));
  EXPECT_EQ(drawn, expected);
}

TEST(DrawInRange, AnEmptyRangeStillAdvancesTheSequence) {
  SceneRandom() = RandomSequence{};
  DrawInRange(5, 5);
  EXPECT_EQ(DrawInRange(3, 10), 3) << "the second draw of a start, as above";
}

TEST(DrawInRange, StaysInsideItsRangeAndReachesBothEnds) {
  SceneRandom() = RandomSequence{};
  std::vector<int> seen(12, 0);
  for (int i = 0; i < 10000; ++i) {
    const std::int32_t n = DrawInRange(3, 12);
    ASSERT_GE(n, 3);
    ASSERT_LT(n, 12);
    ++seen[n];
  }
  for (int n = 3; n < 12; ++n) EXPECT_GT(seen[n], 900) << n << " comes about evenly";
}

TEST(DrawInRange, ANewStartReplaysTheSameSequence) {
  SceneRandom() = RandomSequence{};
  std::vector<std::int32_t> first;
  for (int i = 0; i < 50; ++i) first.push_back(DrawInRange(20, 70));
  SceneRandom() = RandomSequence{};
  std::vector<std::int32_t> again;
  for (int i = 0; i < 50; ++i) again.push_back(DrawInRange(20, 70));
  EXPECT_EQ(first, again);
}

}  // namespace
}  // namespace velmora::scene
