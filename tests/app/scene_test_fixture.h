#pragma once
// The main window started against the recording engine, its four timers on simulated time and
// the scene's random sequence as at program start.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/form_player.h"
#include "scene/random_draw.h"
#include "tests/app/fake_platform.h"
#include "tests/ui/simulated_time.h"

namespace velmora::testing {

inline const std::string kOneShots = "C:\\Velmora\\samp_raz\\";
inline const std::string kLoopFolder = "C:\\Velmora\\samp_povt\\";

class SceneTest : public ::testing::Test {
 protected:
  SceneTest() {
    ResetEngine();
    scene::SceneRandom() = scene::RandomSequence{};
    form = std::make_unique<app::TForm_player>(platform, "C:\\Velmora");
    time = std::make_unique<SimulatedTime>(
        std::vector<ui::Timer*>{&form->Timer1, &form->tmr2, &form->tmr3, &form->tmr4});
    form->FormCreate();
    Engine().Take();
  }

  void Seconds(double seconds) { time->Advance(static_cast<std::uint64_t>(seconds * 1000)); }

  // The calls since the last look that match `prefix`; the rest are forgotten.
  static std::vector<std::string> Taken(const std::string& prefix) {
    std::vector<std::string> matching;
    for (const std::string& call : Engine().Take()) {
      if (call.starts_with(prefix)) matching.push_back(call);
    }
    return matching;
  }

  static std::string Created(const std::string& path, unsigned flags) {
    char tail[32];
    std::snprintf(tail, sizeof tail, ", 0, 0, 0, 0x%X)", flags);
    return "StreamCreateFile(" + path + tail;
  }

  FakePlatform platform;
  std::unique_ptr<app::TForm_player> form;
  std::unique_ptr<SimulatedTime> time;
};

}  // namespace velmora::testing
