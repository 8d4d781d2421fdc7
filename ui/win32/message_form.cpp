#include "ui/win32/message_form.h"

#include <algorithm>
#include <vector>

#include "ui/win32/button_views.h"
#include "ui/win32/handles.h"
#include "ui/win32/static_views.h"
#include "ui/win32/text.h"

namespace velmora::ui {
namespace {

// Design pixels, like every form's definition.
constexpr int kMargin = 16;
constexpr int kMaxTextWidth = 420;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;
constexpr std::string_view kFontName = "Tahoma";
constexpr int kFontHeight = 14;

SIZE MeasureText(std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  const UniqueFont font(CreateFontW(-kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    DEFAULT_QUALITY, DEFAULT_PITCH,
                                    WideFromUtf8(kFontName).c_str()));
  WindowDc dc(nullptr);
  const SavedDcState saved(dc.Get());
  SelectObject(dc.Get(), font.get());
  RECT box{0, 0, kMaxTextWidth, 0};
  DrawTextW(dc.Get(), wide.c_str(), int(wide.size()), &box,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return {box.right + 1, box.bottom};
}

FormDefinition Layout(std::string_view caption, SIZE text) {
  return {.className = MessageForm::kClassName,
          .caption = caption,
          .clientWidth = std::max<int>(text.cx, kButtonWidth) + 2 * kMargin,
          .clientHeight = kMargin + text.cy + kMargin + kButtonHeight + kMargin,
          .fontName = kFontName,
          .fontHeight = kFontHeight,
          .dialog = true};
}

struct DisabledWindows {
  std::vector<HWND> Windows;
  HWND Except;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM context) {
  auto& disabled = *reinterpret_cast<DisabledWindows*>(context);
  if (window != disabled.Except && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    disabled.Windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

MessageForm::MessageForm(std::string_view caption, std::string_view text)
    : MessageForm(caption, text, MeasureText(text)) {}

MessageForm::MessageForm(std::string_view caption, std::string_view text, SIZE size)
    : Form(Layout(caption, size)), text_(text), label_(owner_, "Message"), ok_(owner_, "OK") {
  const FormDefinition form = Layout(caption, size);
  labelDefinition_ = {.name = "Message", .kind = ControlKind::Label,
                      .bounds = {kMargin, kMargin, size.cx, size.cy}, .caption = text_,
                      .wordWrap = true};
  buttonDefinition_ = {.name = "OK", .kind = ControlKind::Button,
                       .bounds = {(form.clientWidth - kButtonWidth) / 2,
                                  kMargin + size.cy + kMargin, kButtonWidth, kButtonHeight},
                       .caption = "OK", .tabOrder = 0};
  label_.Load(labelDefinition_);
  ok_.Load(buttonDefinition_);
  ok_.OnClick = [this] { Close(); };
  // The button first: it takes the dialog command number OK, which Enter sends.
  AddView(std::make_unique<ButtonView>(ok_, PlacementOf(buttonDefinition_, Handle())));
  AddView(std::make_unique<LabelView>(label_, PlacementOf(labelDefinition_, Handle())));
}

void MessageForm::ShowModal() {
  DisabledWindows disabled{{}, Handle()};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
  Show();
  SetForegroundWindow(Handle());
  SetFocus(ViewOfControl(ok_)->Handle());
  MSG message;
  bool quit = false;
  while (!closed_ && !(quit = GetMessageW(&message, nullptr, 0, 0) <= 0)) {
    if (IsDialogMessageW(Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  for (HWND window : disabled.Windows) EnableWindow(window, TRUE);
  // The application's loop must still see the request to end.
  if (quit) PostQuitMessage(int(message.wParam));
}

LRESULT MessageForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Escape reaches the form as the dialog command Cancel.
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    Close();
    return 0;
  }
  if (message == WM_DESTROY) closed_ = true;
  return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace velmora::ui
