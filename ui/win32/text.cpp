#include "ui/win32/text.h"

#include <windows.h>

namespace velmora::ui {
namespace {

std::string NarrowFromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Utf8FromWide(std::wstring_view wide) { return NarrowFromWide(CP_UTF8, wide); }

std::string AnsiFromWide(std::wstring_view wide) { return NarrowFromWide(CP_ACP, wide); }

}  // namespace velmora::ui
