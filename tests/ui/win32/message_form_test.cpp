// The message form: modal over the thread's other windows, ended by its button, Enter or
// Escape, and leaving those windows as it found them.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "ui/win32/message_form.h"
#include "ui/win32/text.h"

namespace velmora::ui {
namespace {

HWND PlainWindow(DWORD style = WS_OVERLAPPEDWINDOW) {
  return CreateWindowExW(0, L"STATIC", L"other", style, 0, 0, 100, 100, nullptr, nullptr,
                         nullptr, nullptr);
}

HWND Child(HWND form, const wchar_t* className) {
  for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(c, name, 64);
    if (std::wstring(name) == className) return c;
  }
  return nullptr;
}

// What a timer saw while the form ran, and the key it then pressed.
struct During {
  HWND Form = nullptr, Other = nullptr;
  WPARAM Key = 0;
  bool OtherEnabled = true;
  bool FormVisible = false;
};
During* g_during = nullptr;

void CALLBACK Look(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  g_during->OtherEnabled = IsWindowEnabled(g_during->Other);
  g_during->FormVisible = IsWindowVisible(g_during->Form);
  const HWND focus = GetFocus();
  PostMessageW(focus ? focus : g_during->Form, WM_KEYDOWN, g_during->Key, 0);
}

class MessageForms : public ::testing::TestWithParam<WPARAM> {};

TEST_P(MessageForms, RunModallyAndEndOnTheirKey) {
  const HWND other = PlainWindow(), disabledBefore = PlainWindow();
  EnableWindow(disabledBefore, FALSE);
  MessageForm form("Velmora", "файл параметров не найден");
  During during{form.Handle(), other, GetParam()};
  g_during = &during;
  SetTimer(nullptr, 0, 50, Look);
  form.ShowModal();

  EXPECT_FALSE(during.OtherEnabled);
  EXPECT_TRUE(during.FormVisible);
  EXPECT_FALSE(IsWindow(during.Form)) << "the key ends the form";
  EXPECT_TRUE(IsWindowEnabled(other));
  EXPECT_FALSE(IsWindowEnabled(disabledBefore)) << "a window disabled before stays disabled";
  DestroyWindow(other);
  DestroyWindow(disabledBefore);
}

INSTANTIATE_TEST_SUITE_P(EnterAndEscape, MessageForms, ::testing::Values(VK_RETURN, VK_ESCAPE));

TEST(MessageForm, IsADialogOfItsClassWithTheTextAboveACentredButton) {
  MessageForm form("Velmora", "файл параметров содержит ошибки");
  wchar_t name[64] = {}, caption[64] = {};
  GetClassNameW(form.Handle(), name, 64);
  GetWindowTextW(form.Handle(), caption, 64);
  EXPECT_EQ(std::wstring(name), L"TMessageForm");
  EXPECT_EQ(std::wstring(caption), L"Velmora");
  EXPECT_FALSE(GetWindowLongW(form.Handle(), GWL_STYLE) & WS_MINIMIZEBOX);

  const HWND text = Child(form.Handle(), L"Static"), button = Child(form.Handle(), L"Button");
  ASSERT_TRUE(text && button);
  wchar_t label[64] = {};
  GetWindowTextW(text, label, 64);
  EXPECT_EQ(std::wstring(label), WideFromUtf8("файл параметров содержит ошибки"));
  RECT client, t, b;
  GetClientRect(form.Handle(), &client);
  GetWindowRect(text, &t);
  GetWindowRect(button, &b);
  EXPECT_LT(t.bottom, b.top);
  const RECT mapped = b;
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&b), 2);
  EXPECT_LE(std::abs(b.left - (client.right - b.right)), 1) << "the button is centred";
  EXPECT_EQ(mapped.right - mapped.left, b.right - b.left);
}

}  // namespace
}  // namespace velmora::ui
