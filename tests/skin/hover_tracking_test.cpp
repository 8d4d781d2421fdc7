#include "skin/manager/hover_tracking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/simulated_time.h"

namespace velmora::skin {
namespace {

struct Heard {
  std::string Target;
  EngineCommand Command;
  bool operator==(const Heard&) const = default;
};

class FakeTarget : public HoverTarget {
 public:
  FakeTarget(std::string name, std::vector<Heard>& log, const FakeTarget* parent = nullptr)
      : name_(std::move(name)), log_(log), parent_(parent) {}
  bool CursorInside() const override { return cursorInside; }
  bool IsAncestorOf(const HoverTarget& other) const override {
    for (auto* p = static_cast<const FakeTarget&>(other).parent_; p; p = p->parent_)
      if (p == this) return true;
    return false;
  }
  bool BeingDestroyed() const override { return destroying; }
  bool KeepsHover() override { return keeps; }
  void Deliver(EngineCommand command, intptr_t) override { log_.push_back({name_, command}); }

  bool cursorInside = true, destroying = false, keeps = false;

 private:
  std::string name_;
  std::vector<Heard>& log_;
  const FakeTarget* parent_;
};

class HoverTrackingTest : public ::testing::Test {
 protected:
  std::vector<Heard> log;
  ui::ComponentOwner owner;
  ui::Timer timer{owner, "hover", 1};
  bool ownerDestroying = false;
  HoverTracker hover{timer, 1, [this] { return ownerDestroying; }};
  testing::SimulatedTime time{{&timer}};
  FakeTarget panel{"panel", log}, button{"button", log, &panel}, other{"other", log},
      control{"control", log};
};

using enum EngineCommand;

TEST_F(HoverTrackingTest, EnteringAndLeavingWindowsIsTold) {
  hover.SetHoveredWindow(&panel);
  hover.SetHoveredWindow(&panel);
  hover.SetHoveredWindow(&button);
  EXPECT_EQ(log, (std::vector<Heard>{{"panel", MouseEntered},
                                     {"panel", MouseLeft},
                                     {"button", MouseEntered}}));
  // Back onto the ancestor while the cursor is still over the button: no change.
  log.clear();
  hover.SetHoveredWindow(&panel);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(hover.HoveredWindow(), &button);
}

TEST_F(HoverTrackingTest, TheTimerReleasesWhatTheCursorLeftWithinOnePeriod) {
  EXPECT_FALSE(timer.Enabled());
  hover.SetHoveredWindow(&panel);
  hover.SetHoveredControl(&control);
  EXPECT_EQ(timer.Interval(), 100u);
  EXPECT_TRUE(timer.Enabled());
  time.Advance(250);
  EXPECT_EQ(log.size(), 1u);  // only the entry
  panel.cursorInside = false;
  control.cursorInside = false;
  time.Advance(49);  // the next check is at 300 ms
  EXPECT_EQ(log.size(), 1u);
  time.Advance(1);
  EXPECT_EQ(log, (std::vector<Heard>{{"panel", MouseEntered},
                                     {"panel", MouseLeft},
                                     {"control", MouseLeft}}));
  EXPECT_EQ(hover.HoveredWindow(), nullptr);
  EXPECT_FALSE(timer.Enabled());  // nothing hovered, nothing polled
  time.Advance(1000);
  EXPECT_EQ(log.size(), 3u);
}

TEST_F(HoverTrackingTest, AControlThatKeepsTheHoverHoldsEverything) {
  hover.SetHoveredWindow(&panel);
  hover.SetHoveredControl(&control);
  control.keeps = true;
  log.clear();
  hover.SetHoveredWindow(&other);
  hover.SetHoveredControl(nullptr);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(hover.HoveredWindow(), &panel);
  EXPECT_EQ(hover.HoveredControl(), &control);
  FakeTarget next{"next", log};
  hover.SetHoveredControl(&next);  // another control takes the hover over
  EXPECT_EQ(log, (std::vector<Heard>{{"control", MouseLeft}}));
  log.clear();
  hover.SetHoveredWindow(&other);
  EXPECT_EQ(log, (std::vector<Heard>{{"next", MouseLeft},
                                     {"panel", MouseLeft},
                                     {"other", MouseEntered}}));
}

TEST_F(HoverTrackingTest, NothingChangesWhileTheOwnerIsDestroyed) {
  ownerDestroying = true;
  hover.SetHoveredControl(&control);
  EXPECT_EQ(hover.HoveredControl(), nullptr);
}

TEST_F(HoverTrackingTest, AForgottenTargetIsNeverToldAgain) {
  hover.SetHoveredWindow(&panel);
  hover.Forget(&panel);
  panel.cursorInside = false;
  time.Advance(500);
  EXPECT_EQ(log, (std::vector<Heard>{{"panel", MouseEntered}}));
  EXPECT_FALSE(timer.Enabled());
}

}  // namespace
}  // namespace velmora::skin
