#include "skin/data/win32/win32_skin_platform.h"

#include <windows.h>

#include "ui/win32/executable.h"
#include "ui/win32/handles.h"
#include "ui/win32/text.h"

namespace velmora::skin {
namespace {

static_assert(int(SystemColour::ButtonFace) == COLOR_BTNFACE &&
              int(SystemColour::Window) == COLOR_WINDOW &&
              int(SystemColour::WindowText) == COLOR_WINDOWTEXT &&
              int(SystemColour::Highlight) == COLOR_HIGHLIGHT &&
              int(SystemColour::HighlightText) == COLOR_HIGHLIGHTTEXT &&
              int(SystemColour::InactiveBorder) == COLOR_INACTIVEBORDER &&
              int(SystemColour::InfoText) == COLOR_INFOTEXT &&
              int(SystemColour::InfoBackground) == COLOR_INFOBK);
static_assert(int(SystemMetric::VerticalScrollWidth) == SM_CXVSCROLL &&
              int(SystemMetric::SizingFrameWidth) == SM_CXSIZEFRAME);

DWORD AttributesOf(const std::string& path) {
  return GetFileAttributesW(ui::WideFromUtf8(path).c_str());
}

}  // namespace

uint32_t Win32SkinPlatform::SystemColourValue(SystemColour colour) {
  return GetSysColor(static_cast<int>(colour));
}

int Win32SkinPlatform::SystemMetricValue(SystemMetric metric) {
  return GetSystemMetrics(static_cast<int>(metric));
}

void Win32SkinPlatform::ShowMessage(std::string_view text, MessageKind kind) {
  const UINT icon = kind == MessageKind::Error     ? MB_ICONERROR
                    : kind == MessageKind::Warning ? MB_ICONWARNING
                                                   : MB_ICONINFORMATION;
  MessageBoxW(nullptr, ui::WideFromUtf8(text).c_str(), caption_.c_str(),
              MB_OK | icon | MB_TASKMODAL);
}

bool Win32SkinPlatform::FileExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32SkinPlatform::DirectoryExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::vector<uint8_t>> Win32SkinPlatform::ReadFile(const std::string& path,
                                                                size_t maxBytes) {
  const ui::UniqueFile file(ui::NullIfInvalid(CreateFileW(ui::WideFromUtf8(path).c_str(),
                                                           GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                           nullptr)));
  if (!file) return std::nullopt;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || uint64_t(size.QuadPart) > maxBytes) return std::nullopt;
  std::vector<uint8_t> bytes(size_t(size.QuadPart));
  DWORD read = 0;
  if (!::ReadFile(file.get(), bytes.data(), DWORD(bytes.size()), &read, nullptr) ||
      read != bytes.size()) {
    return std::nullopt;
  }
  return bytes;
}

std::vector<std::string> Win32SkinPlatform::ListFiles(const std::string& directory) {
  std::string pattern = directory;
  if (!pattern.ends_with('\\')) pattern += '\\';
  WIN32_FIND_DATAW entry;
  const ui::UniqueFind find(
      ui::NullIfInvalid(FindFirstFileW(ui::WideFromUtf8(pattern + "*.*").c_str(), &entry)));
  std::vector<std::string> names;
  if (!find) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      names.push_back(ui::Utf8FromWide(entry.cFileName));
  } while (FindNextFileW(find.get(), &entry));
  return names;
}

std::string Win32SkinPlatform::ApplicationDirectory() {
  return ui::Utf8FromWide(ui::ExecutableFolder()) + "\\";
}

}  // namespace velmora::skin
