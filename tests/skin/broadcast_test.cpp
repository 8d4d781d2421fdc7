#include <gtest/gtest.h>

#include "tests/skin/manager_fakes.h"

namespace velmora::skin {
namespace {

using test::Delivered;
using test::RecordingReceiver;

TEST(EngineBroadcast, ReachesFormsLastToFirstThenSkinnedFormsThenProviders) {
  std::vector<Delivered> log;
  RecordingReceiver a{"A", log}, b{"B", log}, mdiChild{"MdiChild", log}, loading{"Loading", log},
      handled{"Handled", log}, skinned{"S", log}, gone{"Gone", log}, shown{"P", log},
      hidden{"Q", log};
  a.Add("a1").state.Windowed = false;
  a.Add("a2").state.HasWindow = false;
  RecordingReceiver& a3 = a.Add("a3");
  a3.Add("a3x");
  a3.Add("a3y");
  RecordingReceiver& a4 = a.Add("a4");
  a4.state.EngineHandled = true;
  a4.Add("a4x");
  RecordingReceiver& a5 = a.Add("a5");
  a5.state.Excluded = true;
  a5.Add("a5x");
  a.Add("a6").state.BeingDestroyed = true;
  a.Add("a7");
  a.mdiClient = std::make_unique<RecordingReceiver>("A client", log);
  b.Add("b1");
  mdiChild.state.MdiChild = true;
  loading.state.Loading = true;
  handled.state.EngineHandled = true;
  skinned.Add("s1");
  gone.state.BeingDestroyed = true;
  hidden.state.Visible = false;

  test::RecordingDirectory directory;
  directory.forms = {&a, &b, &mdiChild, &loading, &handled};
  directory.skinnedForms = {&skinned, &gone};
  directory.providers = {&shown, &hidden};
  Broadcast(directory, {EngineCommand::Refresh, 42});

  using enum Delivery;
  const auto refresh = EngineCommand::Refresh;
  const std::vector<Delivered> expected = {
      {"B", refresh, Sent},   {"b1", refresh, Sent},        {"A", refresh, Sent},
      {"a1", refresh, Direct}, {"a2", refresh, Direct},      {"a3", refresh, Sent},
      {"a3x", refresh, Sent}, {"a3y", refresh, Sent},       {"a4", refresh, Sent},
      {"a5", refresh, Sent},  {"A client", refresh, Sent},  {"S", refresh, Sent},
      {"s1", refresh, Sent},  {"P", refresh, Sent}};
  EXPECT_EQ(log, expected);
}

}  // namespace
}  // namespace velmora::skin
