#include "skin/frame/win32/frame_hooks.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <string>

#include "skin/animation/win32/window_animation.h"
#include "skin/controls/control_kinds.h"
#include "skin/manager/win32/window_receivers.h"
#include "ui/win32/child_view.h"

namespace velmora::skin {
namespace {

constexpr WORD kDialogAtom = 0x8002;
constexpr WORD kMenuAtom = 0x8000;

// Popup windows of other frameworks that look like forms but must keep their own frame.
constexpr std::array<std::wstring_view, 7> kExcludedForms = {
    L"TApplication",           L"TcxComboBoxPopupWindow", L"TcxCustomPopupWindow",
    L"TcxDateEditPopupWindow", L"TcxGridFilterPopup",     L"TdxPopupEditForm",
    L"TfcPopup"};

// One hook per thread at a time: the default manager's.
FrameHooks* g_hooks = nullptr;

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

bool EngineHandled(HWND window) {
  return GetPropW(window, kSkinDataProperty) || GetPropW(window, kAdapterProperty);
}

BOOL CALLBACK FindToolbar(HWND child, LPARAM found) {
  std::wstring name = ClassOf(child);
  std::transform(name.begin(), name.end(), name.begin(), ::towlower);
  if (name != L"toolbarwindow32") return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

bool HasToolbar(HWND window) {
  bool found = false;
  EnumChildWindows(window, FindToolbar, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::optional<ControlFacts> ApplicationControl(HWND window) {
  const ui::Control* control = ui::ControlOfWindow(window);
  if (!control) return std::nullopt;
  return ControlFacts{std::string(control->ClassName())};
}

// A message box holds the platform's own buttons and texts, which no list names: they take the
// adapters of the framework classes they stand for. Its icon stays as it is.
std::optional<ControlFacts> DialogControl(HWND window) {
  const std::wstring name = ClassOf(window);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if (name == L"Button") {
    const LONG type = style & BS_TYPEMASK;
    const bool push = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    return ControlFacts{push ? "TButton" : "TCheckBox"};
  }
  const LONG type = style & SS_TYPEMASK;
  // An icon place without an icon (a box without one) shows what lies beneath, as a label does.
  const bool emptyIcon = type == SS_ICON && !SendMessageW(window, STM_GETICON, 0, 0);
  if (name == L"Static" &&
      (type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP || emptyIcon))
    return ControlFacts{std::string(kLabelClass)};
  return std::nullopt;
}

bool TopLevel(HWND window) { return GetAncestor(window, GA_PARENT) == GetDesktopWindow(); }

}  // namespace

FrameHooks::FrameHooks(Win32ManagerHost& host, TsSkinManager& manager)
    : host_(host), manager_(manager) {
  g_hooks = this;
  hook_.reset(SetWindowsHookExW(WH_CBT, CbtProcedure, nullptr, GetCurrentThreadId()));
  // The forms that exist already take their frames now, active or not.
  for (HWND form : host_.Forms().Handles()) AttachProvider(form);
}

// The frames go with the hooks. A form's hide still playing ends now, with the thread waiting:
// at the application's end no timer message would come for it any more.
FrameHooks::~FrameHooks() {
  TacHideTimer::Instance().RunToEnd();
  hook_.reset();
  if (g_hooks == this) g_hooks = nullptr;
}

LRESULT CALLBACK FrameHooks::CbtProcedure(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
  if (!g_hooks) return next;
  const HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE) g_hooks->AttachProvider(window);
  if (code == HCBT_CREATEWND)
    g_hooks->WindowCreated(window, *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs);
  return next;
}

void FrameHooks::WindowCreated(HWND window, const CREATESTRUCTW& create) {
  if (IS_INTRESOURCE(create.lpszClass)) {
    const WORD atom = LOWORD(reinterpret_cast<uintptr_t>(create.lpszClass));
    if (atom == kDialogAtom) AttachProvider(window);
    if (atom == kMenuAtom && host_.PopupPainter()) host_.PopupPainter()->MenuWindowCreated(window);
    return;
  }
  const std::wstring_view name = create.lpszClass;
  if (name == L"#32770") return AttachProvider(window);
  if (name == L"#32768" && host_.PopupPainter())
    return host_.PopupPainter()->MenuWindowCreated(window);
  if (name != L"TPUtilWindow" && create.style && create.dwExStyle && !create.hwndParent)
    AttachProvider(window);
}

void FrameHooks::DropGoneProviders() {
  std::erase_if(providers_, [](const auto& p) { return p->Frame->WindowGone(); });
}

const TacProvider* FrameHooks::ProviderOf(HWND window) const {
  for (const auto& provider : providers_)
    if (provider->Window == window && !provider->Frame->WindowGone()) return provider.get();
  return nullptr;
}

// By index: a fade's overlay is a window whose creation passes the hook, which may add frames.
void FrameHooks::PrepareSkinChangeFade() {
  for (size_t i = 0; i < providers_.size(); ++i) providers_[i]->Frame->PrepareSkinFade();
}

void FrameHooks::EndSkinChangeFade() {
  for (const auto& provider : providers_) provider->Frame->EndSkinFade();
}

void FrameHooks::AttachProvider(HWND window) {
  if (manager_.Destroying() || !IsWindow(window) || EngineHandled(window)) return;
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if ((style & WS_POPUP) && !(style & WS_BORDER)) return;
  DropGoneProviders();
  if (ProviderOf(window)) return;
  if (const auto tag = host_.Forms().TagOf(window)) return AttachForm(window, *tag);
  const std::wstring name = ClassOf(window);
  if ((name != L"#32770" && name != L"NativeHWNDHost") || !TopLevel(window) ||
      !(manager_.SkinningRules() & srStdDialogs)) {
    return;
  }
  if (VisibleDialogs() < 2 || HasToolbar(window)) AttachDialog(window);
}

void FrameHooks::AttachForm(HWND window, int32_t tag) {
  if (SkinningRefused(tag)) return;
  const std::wstring name = ClassOf(window);
  if (std::binary_search(kExcludedForms.begin(), kExcludedForms.end(), name)) return;
  const uint8_t rule = name == L"TMessageForm" ? srStdDialogs : srStdForms;
  if (!(manager_.SkinningRules() & rule)) return;
  auto frame = std::make_unique<TsSkinProvider>(window, &link_, TsSkinProvider::Kind::Form,
                                                Adapting(ApplicationControl));
  frame->SetAnimations({&manager_.Effects, &manager_.AnimEffects});
  providers_.push_back(std::make_unique<TacProvider>(
      TacProvider{window, TsSkinProvider::Kind::Form, std::move(frame)}));
  RedrawWindow(window, nullptr, nullptr,
               RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

void FrameHooks::AttachDialog(HWND window) {
  // The dialog's owner keeps receiving idle messages while it runs.
  SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~DS_NOIDLEMSG);
  auto frame = std::make_unique<TsSkinProvider>(window, &link_, TsSkinProvider::Kind::Dialog,
                                                Adapting(DialogControl));
  providers_.push_back(std::make_unique<TacProvider>(
      TacProvider{window, TsSkinProvider::Kind::Dialog, std::move(frame)}));
}

TsSkinProvider::Adapting FrameHooks::Adapting(ControlLookup lookup) const {
  return {&manager_.ClassLists(), (manager_.SkinningRules() & srThirdParty) != 0,
          std::move(lookup)};
}

int FrameHooks::VisibleDialogs() const {
  return int(std::count_if(providers_.begin(), providers_.end(), [](const auto& p) {
    return p->Kind == TsSkinProvider::Kind::Dialog && !p->Frame->WindowGone() &&
           IsWindowVisible(p->Window);
  }));
}

std::vector<HWND> FrameHooks::Framed(TsSkinProvider::Kind kind) const {
  std::vector<HWND> out;
  for (const auto& provider : providers_)
    if (provider->Kind == kind && !provider->Frame->WindowGone()) out.push_back(provider->Window);
  return out;
}

std::unique_ptr<WindowHooks> MakeFrameHooks(Win32ManagerHost& host) {
  TsSkinManager* manager = TsSkinManager::Default();
  if (!manager) return nullptr;
  return std::make_unique<FrameHooks>(host, *manager);
}

}  // namespace velmora::skin
