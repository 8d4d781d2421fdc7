// The window frame on the desktop with the stored skin: what an activation change costs (frame
// image rebuilt, four strips copied to the window) against a plain non-client repaint of a fresh
// image. Prints microseconds; run it in the harness by hand with the package's path:
//   velmora_harness.py wine STATE_DIR frame_activation_desktop.exe Z:\path\to\Emerald.asz
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/options_text.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_registry.h"
#include "skin/data/win32/win32_skin_platform.h"
#include "skin/frame/win32/skin_provider.h"
#include "skin/manager/win32/window_receivers.h"
#include "tests/skin/controls/fake_owner.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to, int rounds) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) * 1e6 / double(frequency.QuadPart) / rounds;
}

template <typename Step>
double PerRound(Step step) {
  constexpr int kRounds = 300;
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRounds; ++i) step(i);
  QueryPerformanceCounter(&end);
  return Microseconds(start, end, kRounds);
}

int Run(const char* packagePath) {
  std::ifstream file(packagePath, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  if (bytes.empty()) return std::puts("no skin package"), 1;
  ui::Application application;
  Win32SkinPlatform platform(L"Velmora");
  const TacSkinConvertor package = ReadSkinPackage(bytes);
  const OptionsText options = OptionsText::Parse(package.Options.value_or(""));
  const auto registry = SkinRegistry::Load(options, {&package, "", &platform}, {}, platform);
  if (!registry) return std::puts("the skin does not load"), 1;
  registry->CommonData().Applied = true;
  test::FakeManager manager{registry.get()};

  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraFrameBench", DefWindowProcW);
  const HWND form = CreateWindowExW(0, cls, L"Velmora",
                                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40,
                                    40, 770, 567, nullptr, nullptr, application.Module(), nullptr);
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  SendEngineCommand(form, {EngineCommand::NewSkin, manager.Identity()});
  ShowWindow(form, SW_SHOW);
  UpdateWindow(form);
  std::printf("activation change (770 x 567, image rebuilt and copied): %.1f us\n",
              PerRound([&](int i) { SendMessageW(form, WM_NCACTIVATE, i & 1, 0); }));
  std::printf("non-client repaint of a fresh image: %.1f us\n",
              PerRound([&](int) { SendMessageW(form, WM_NCPAINT, 1, 0); }));
  DestroyWindow(form);
  return 0;
}

}  // namespace
}  // namespace velmora::skin

int main(int argc, char** argv) { return argc > 1 ? velmora::skin::Run(argv[1]) : 1; }
