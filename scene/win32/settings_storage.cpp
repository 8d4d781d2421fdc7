#include "scene/win32/settings_storage.h"

#include <windows.h>

#include <optional>
#include <stdexcept>

#include "ui/win32/handles.h"
#include "ui/win32/text.h"

namespace velmora::scene {
namespace {

constexpr DWORD kMaxReadBytes = 1 << 20;

using ui::UniqueFile;

UniqueFile OpenFile(const std::wstring& path, DWORD access, DWORD creation) {
  HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, creation,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  return UniqueFile(ui::NullIfInvalid(file));
}

std::wstring SystemReason(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring reason = length ? std::wstring(buffer, length) : L"Error " + std::to_wstring(error);
  LocalFree(buffer);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) reason.pop_back();
  return reason;
}

[[noreturn]] void FailToCreate(const std::wstring& path, DWORD error) {
  const std::wstring message = L"Cannot create file \"" + path + L"\". " + SystemReason(error);
  throw std::runtime_error(ui::Utf8FromWide(message));
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

bool IsReadOnly(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// Ends the file after the content too: a file written in place may have been longer.
bool WriteAll(HANDLE file, std::string_view content) {
  DWORD written = 0;
  return WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
         written == content.size() && SetEndOfFile(file) && FlushFileBuffers(file);
}

DWORD LastErrorOr(DWORD fallback) {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? error : fallback;
}

struct Temporary {
  std::wstring name;
  UniqueFile file;
};

// A new empty file beside `path`, open for writing, or nothing where none can be made: a folder
// the user may not create files in, or one whose path leaves no room for the temporary name (a
// backslash, three letters, four digits and ".tmp" within MAX_PATH).
std::optional<Temporary> MakeTemporaryBeside(const std::wstring& path) {
  const std::wstring folder = FolderOf(path);
  wchar_t name[MAX_PATH];
  if (folder.size() > MAX_PATH - 14 || !GetTempFileNameW(folder.c_str(), L"npn", 0, name)) {
    return std::nullopt;
  }
  UniqueFile file = OpenFile(name, GENERIC_WRITE, TRUNCATE_EXISTING);
  if (!file) {
    DeleteFileW(name);
    return std::nullopt;
  }
  return Temporary{name, std::move(file)};
}

// The old way, for a file whose folder takes no temporary: the file itself is rewritten.
void WriteInPlace(const std::wstring& path, std::string_view content) {
  const UniqueFile file = OpenFile(path, GENERIC_WRITE, OPEN_ALWAYS);
  if (!file || !WriteAll(file.get(), content)) FailToCreate(path, LastErrorOr(ERROR_WRITE_FAULT));
}

}  // namespace

std::optional<std::string> ReadSmallFile(const std::wstring& path) {
  const UniqueFile file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxReadBytes) {
    return std::nullopt;
  }
  std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &read, nullptr)) {
    return std::nullopt;
  }
  content.resize(read);
  return content;
}

void ReplaceFileContent(const std::wstring& path, std::string_view content) {
  if (IsReadOnly(path)) FailToCreate(path, ERROR_ACCESS_DENIED);
  std::optional<Temporary> temporary = MakeTemporaryBeside(path);
  if (!temporary) return WriteInPlace(path, content);
  DWORD error = ERROR_SUCCESS;
  if (!WriteAll(temporary->file.get(), content)) error = LastErrorOr(ERROR_WRITE_FAULT);
  temporary->file.reset();  // closed before it takes the old file's place
  if (error == ERROR_SUCCESS && !MoveFileExW(temporary->name.c_str(), path.c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileW(temporary->name.c_str());
    FailToCreate(path, error);
  }
}

}  // namespace velmora::scene
