#include "tests/harness/win32/accessible.h"

#include <oleacc.h>

#include <cstdio>

namespace velmora::harness {
namespace {

std::string Utf8(BSTR text) {
  if (!text) return "";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
  }
  return quoted + "\"";
}

// A text property of the object itself, or null where it answers none.
template <typename Getter>
std::string TextProperty(IAccessible* object, Getter get) {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (FAILED((object->*get)(self, &text)) || !text) return "null";
  std::string json = Quoted(Utf8(text));
  SysFreeString(text);
  return json;
}

// A number property of the object itself, or null where it answers none.
template <typename Getter>
std::string NumberProperty(IAccessible* object, Getter get) {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT value{};
  if (FAILED((object->*get)(self, &value)) || value.vt != VT_I4) return "null";
  return std::to_string(value.lVal);
}

}  // namespace

std::string AccessibleJson(HWND window) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* object = nullptr;
  const HRESULT found = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                   IID_IAccessible,
                                                   reinterpret_cast<void**>(&object));
  char head[32];
  std::snprintf(head, sizeof head, "{\"hresult\": %ld", static_cast<long>(found));
  std::string json = head;
  if (SUCCEEDED(found) && object) {
    json += ", \"role\": " + NumberProperty(object, &IAccessible::get_accRole);
    json += ", \"name\": " + TextProperty(object, &IAccessible::get_accName);
    json += ", \"state\": " + NumberProperty(object, &IAccessible::get_accState);
    json += ", \"value\": " + TextProperty(object, &IAccessible::get_accValue);
    object->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return json + "}";
}

}  // namespace velmora::harness
