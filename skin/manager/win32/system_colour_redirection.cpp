#include "skin/manager/win32/system_colour_redirection.h"

#include "skin/manager/skin_manager.h"
#include "skin/manager/system_colours.h"

namespace velmora::skin {
namespace {

SystemColourRedirection* g_active = nullptr;

template <typename Function>
Function Real(const wchar_t* module, const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}

using GetSysColorFn = DWORD(WINAPI*)(int);
using GetSysColorBrushFn = HBRUSH(WINAPI*)(int);
using CreatePenFn = HPEN(WINAPI*)(int, int, COLORREF);

const GetSysColorFn kGetSysColor = Real<GetSysColorFn>(L"user32.dll", "GetSysColor");
const GetSysColorBrushFn kGetSysColorBrush =
    Real<GetSysColorBrushFn>(L"user32.dll", "GetSysColorBrush");
const CreatePenFn kCreatePen = Real<CreatePenFn>(L"gdi32.dll", "CreatePen");

DWORD WINAPI SkinGetSysColor(int index) {
  return g_active ? g_active->Colour(index) : kGetSysColor(index);
}
HBRUSH WINAPI SkinGetSysColorBrush(int index) {
  return g_active ? g_active->Brush(index) : kGetSysColorBrush(index);
}
HPEN WINAPI SkinCreatePen(int style, int width, COLORREF colour) {
  return g_active ? g_active->Pen(style, width, colour) : kCreatePen(style, width, colour);
}

}  // namespace

SystemColourRedirection::SystemColourRedirection(const TsSkinManager& manager)
    : manager_(manager) {
  g_active = this;
  // Our own code and the standard controls ask through these modules' import tables.
  for (const wchar_t* name : {static_cast<const wchar_t*>(nullptr), L"comctl32.dll"}) {
    const HMODULE module = GetModuleHandleW(name);
    if (!module) continue;
    const struct {
      const wchar_t* Library;
      const char* Function;
      void* Replacement;
    } kPatched[] = {
        {L"user32.dll", "GetSysColor", reinterpret_cast<void*>(&SkinGetSysColor)},
        {L"user32.dll", "GetSysColorBrush", reinterpret_cast<void*>(&SkinGetSysColorBrush)},
        {L"gdi32.dll", "CreatePen", reinterpret_cast<void*>(&SkinCreatePen)},
    };
    for (const auto& p : kPatched) {
      patches_.push_back(std::make_unique<ImportPatch>(
          module, GetProcAddress(GetModuleHandleW(p.Library), p.Function), p.Replacement));
    }
  }
}

SystemColourRedirection::~SystemColourRedirection() {
  patches_.clear();
  g_active = nullptr;
}

DWORD SystemColourRedirection::Colour(int index) const {
  if (const SkinRegistry* skin = manager_.Registry()) {
    if (const auto colour = SkinSystemColour(index, *skin)) return *colour;
  }
  return kGetSysColor(index);
}

HBRUSH SystemColourRedirection::Brush(int index) {
  const SkinRegistry* skin = manager_.Registry();
  const auto colour = skin ? SkinSystemColour(index, *skin) : std::nullopt;
  if (!colour) return kGetSysColorBrush(index);
  auto& brush = brushes_[{index, *colour}];
  if (!brush) brush.reset(CreateSolidBrush(*colour));
  return brush.get();
}

HPEN SystemColourRedirection::Pen(int style, int width, COLORREF colour) const {
  const SkinRegistry* skin = manager_.Registry();
  const auto skinned = skin ? SkinPenColour(colour, *skin) : std::nullopt;
  return kCreatePen(style, width, skinned.value_or(colour));
}

}  // namespace velmora::skin
