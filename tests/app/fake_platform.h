#pragma once
#include <string>

#include "app/form_platform.h"
#include "tests/scene/recording_engine.h"

namespace velmora::testing {

struct ProcessEnded {
  int exitCode;
};

// The desktop as the start-up sees it; writes into the engine's log so that one list shows the
// order of everything.
struct FakePlatform : app::FormPlatform {
  bool anotherCopyRuns = false;

  bool ClaimSingleInstance() override {
    Engine().calls.push_back("ClaimSingleInstance");
    return !anotherCopyRuns;
  }
  void ShowErrorBox(const std::string& text) override {
    Engine().calls.push_back("ErrorBox(" + text + ")");
  }
  [[noreturn]] void EndProcess(int exitCode) override {
    Engine().calls.push_back("EndProcess(" + std::to_string(exitCode) + ")");
    throw ProcessEnded{exitCode};
  }
  void* WindowHandle() const override { return const_cast<FakePlatform*>(this); }
};

}  // namespace velmora::testing
