#include "ui/app_title.h"

namespace velmora::ui {
namespace {

wchar_t LowerLetter(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x0410 && c <= 0x042F) return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x0400 && c <= 0x040F) return static_cast<wchar_t>(c + 0x50);
  return c;
}

}  // namespace

std::wstring ApplicationTitleFromPath(std::wstring_view executablePath) {
  const size_t slash = executablePath.find_last_of(L"\\/");
  std::wstring_view name =
      slash == std::wstring_view::npos ? executablePath : executablePath.substr(slash + 1);
  name = name.substr(0, name.find(L'.'));
  std::wstring title(name);
  for (size_t i = 1; i < title.size(); ++i) title[i] = LowerLetter(title[i]);
  return title;
}

}  // namespace velmora::ui
