#pragma once
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form_platform.h"
#include "tests/scene/recording_engine.h"
#include "tests/skin/manager_fakes.h"

namespace velmora::testing {

struct ProcessEnded {
  int exitCode;
};

// The desktop as the start-up sees it; writes into the engine's log so that one list shows the
// order of everything.
struct FakePlatform : app::FormPlatform {
  bool anotherCopyRuns = false;
  std::optional<std::string> settingsFile = "";  // empty: design values stay; nothing: no file
  bool settingsFileReadOnly = false;
  // The device volume and the tray picture, apart from the engine's log.
  std::vector<std::string> desktop;

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
  void ShowMessage(const std::string& text) override {
    Engine().calls.push_back("Message(" + text + ")");
  }
  std::optional<std::string> ReadSettingsFile() override { return settingsFile; }
  void WriteSettingsFile(std::string_view content) override {
    if (settingsFileReadOnly) throw std::runtime_error("Cannot create file \"n_p_n.ini\"");
    settingsFile = std::string(content);
  }
  void SetDeviceVolume(std::uint32_t volume) override {
    char text[32];
    std::snprintf(text, sizeof text, "DeviceVolume(%08X)", static_cast<unsigned>(volume));
    desktop.push_back(text);
  }
  void SetTrayIconIndex(int index) override {
    desktop.push_back("TrayIconIndex(" + std::to_string(index) + ")");
  }
  skin::ManagerHost& SkinManagerHost() override { return skinHost; }

  skin::test::FakeManagerHost skinHost;
};

}  // namespace velmora::testing
