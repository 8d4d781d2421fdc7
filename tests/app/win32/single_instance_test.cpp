// The single-instance marker: the first claim holds it for the process, every later one fails.
#include "app/win32/single_instance.h"

#include <gtest/gtest.h>

namespace velmora::app {
namespace {

TEST(SingleInstance, OnlyTheFirstClaimSucceeds) {
  EXPECT_TRUE(ClaimSingleInstance());
  EXPECT_FALSE(ClaimSingleInstance());
  EXPECT_FALSE(ClaimSingleInstance());
}

}  // namespace
}  // namespace velmora::app
