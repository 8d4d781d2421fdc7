#pragma once
#include <cstdint>
#include <functional>

namespace velmora::skin {

// A slider's events after the user scrolled it: OnUserChange for every notification,
// OnUserChanged only for line and page steps and the end of a thumb drag (codes below 5). A
// handler that scrolls the slider again does not raise them a second time inside the first.
class UserChangeEvents {
 public:
  std::function<void()> OnUserChange, OnUserChanged;

  void Raise(uint16_t scrollCode) {
    if (raising_) return;
    raising_ = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{raising_};
    if (OnUserChange) OnUserChange();
    if (scrollCode < 5 && OnUserChanged) OnUserChanged();
  }

 private:
  bool raising_ = false;
};

}  // namespace velmora::skin
