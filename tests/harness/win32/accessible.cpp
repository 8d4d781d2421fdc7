#include "tests/harness/win32/accessible.h"

#include <oleacc.h>

#include <cstdio>

#include "tests/harness/win32/json_text.h"

namespace velmora::harness {
namespace {

// The child id that names the object itself.
VARIANT Self() {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

// A text property of the object itself, or null where it answers none.
template <typename Getter>
std::string TextProperty(IAccessible* object, Getter get) {
  BSTR text = nullptr;
  if (FAILED((object->*get)(Self(), &text)) || !text) return "null";
  std::string json = JsonString(text);
  SysFreeString(text);
  return json;
}

// A number property of the object itself, or null where it answers none.
template <typename Getter>
std::string NumberProperty(IAccessible* object, Getter get) {
  VARIANT value{};
  if (FAILED((object->*get)(Self(), &value)) || value.vt != VT_I4) return "null";
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
