#include "skin/controls/win32/panel.h"

#include "skin/controls/cache_image.h"
#include "skin/controls/engine_commands.h"
#include "skin/controls/win32/window_painting.h"
#include "skin/data/skin_registry.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kPanelKind = 51;

}  // namespace

TsPanel::TsPanel(ui::Panel& panel, const ui::ChildPlacement& placement)
    : PanelView(panel, placement),
      skinned_(handle_, nullptr, kPanelKind, true),
      subclass_(handle_, Procedure, this) {
  skinned_.OwnCommands = [this](const EngineMessage& m) { return Command(m); };
  skinned_.Data().Initialize(true);
}

LRESULT CALLBACK TsPanel::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) {
  auto* panel = reinterpret_cast<TsPanel*>(self);
  if (message == WM_NCDESTROY) panel->subclass_.Remove();
  else if (const auto answer = panel->React(message, wParam, lParam)) return *answer;
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TsPanel::React(UINT message, WPARAM wParam, LPARAM) {
  TsCommonData& data = skinned_.Data();
  if (!data.IsSkinned()) return std::nullopt;
  switch (message) {
    case WM_PAINT:
      return PaintWindow(handle_, [&](HDC dc, const RECT& area) {
        if (!data.Updating) Paint(dc, area);
      });
    case WM_PRINTCLIENT: {
      data.Updating = false;
      RECT client;
      GetClientRect(handle_, &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: data.CacheStale = true; break;
    default: break;
  }
  return std::nullopt;
}

std::optional<intptr_t> TsPanel::Command(const EngineMessage& message) {
  TsCommonData& data = skinned_.Data();
  switch (message.Command) {
    // Skin changes reach the panel's children through it.
    case EngineCommand::NewSkin:
    case EngineCommand::RemoveSkin:
    case EngineCommand::StopAnimation:
    case EngineCommand::Refresh: {
      const auto answer = HandleEngineCommand(data, message);
      skinned_.SendToChildren(message);
      return answer.value_or(0);
    }
    case EngineCommand::DefaultSectionIndex: {
      const SkinRegistry* skin = data.Skin();
      return skin ? skin->GetSkinIndex("TRANSPARENT") + 1 : 0;
    }
    case EngineCommand::PrepareCache:
      if (!data.Updating && (data.CacheStale || data.CacheEmpty()) && !RebuildCache(data, {}))
        data.Updating = true;
      return 0;
    default: return std::nullopt;
  }
}

void TsPanel::Paint(HDC dc, const RECT& area) {
  TsCommonData& data = skinned_.Data();
  if (!RebuildCache(data, {})) return;
  skinned_.CopyCacheToDC(dc, {0, 0}, area);
}

}  // namespace velmora::skin
