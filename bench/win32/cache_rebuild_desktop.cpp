// A check box's cache rebuilt on the desktop, platform text included: the section over its
// parent's background, the check mark and the caption in the default interface font, into a
// device-independent section. Prints microseconds per rebuild; run it in the harness by hand:
//   velmora_harness.py wine STATE_DIR cache_rebuild_desktop.exe
#include <windows.h>

#include <cstdio>

#include "bench/check_box_sections.h"
#include "skin/controls/cache_image.h"
#include "skin/controls/win32/control_caption.h"
#include "skin/controls/win32/skinned_window.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

HWND Window(HWND parent, int x, int y, int w, int h) {
  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraCacheBench", DefWindowProcW);
  return CreateWindowExW(0, cls, L"", parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, x, y, w, h,
                         parent, nullptr, ui::Application::Instance().Module(), nullptr);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

double PerRebuild(SkinnedWindow& window, const CacheLayers& layers) {
  constexpr int kRounds = 2000;
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kRounds; ++i) {
    window.Data().CacheStale = true;
    RebuildCache(window.Data(), layers);
  }
  QueryPerformanceCounter(&end);
  return Seconds(start, end) * 1e6 / kRounds;
}

int Run() {
  ui::Application application;
  test::LoadedSkin skin{bench::kCheckBoxSections, bench::CheckBoxMaster()};
  test::FakeManager manager{skin.registry.get()};
  const HWND form = Window(nullptr, 0, 0, 300, 200);
  const HWND box = Window(form, 20, 40, bench::kCheckWidth, bench::kCheckHeight);
  SkinnedWindow formData(form, &manager, 51, true);
  formData.Data().SetSkinSection("FORM");
  formData.Data().Initialize(false);
  formData.OwnCommands = [&](const EngineMessage& m) -> std::optional<intptr_t> {
    if (m.Command != EngineCommand::PrepareCache) return std::nullopt;
    return RebuildCache(formData.Data(), {}), 0;
  };
  SkinnedWindow check(box, &manager, 32, true);
  check.Data().SetSkinSection("CHECKBOX");
  check.Data().Initialize(false);
  const CacheLayers layers{
      .GlyphMask = skin.registry->GlobalMask("BOXCHECKED"),
      .Caption = ControlCaption(check, {L"Ручей", nullptr, {20, 0, bench::kCheckWidth,
                                                           bench::kCheckHeight}})};
  if (!RebuildCache(check.Data(), layers)) return std::puts("the check box cannot be painted"), 1;
  CacheLayers withoutCaption = layers;
  withoutCaption.Caption = nullptr;
  std::printf("check box cache rebuild (100 x 17, section, glyph, caption): %.1f us\n",
              PerRebuild(check, layers));
  std::printf("the same without its caption: %.1f us\n", PerRebuild(check, withoutCaption));
  DestroyWindow(form);
  return 0;
}

}  // namespace
}  // namespace velmora::skin

int main() { return velmora::skin::Run(); }
