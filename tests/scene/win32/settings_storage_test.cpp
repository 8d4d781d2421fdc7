// The settings file's storage on the real file system: whole rewrites, refusals, no leftovers.
#include "scene/win32/settings_storage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace velmora::scene {
namespace {

namespace fs = std::filesystem;

class SettingsStorage : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = "velmora-storage-" + std::to_string(GetCurrentProcessId());
    folder_ = fs::temp_directory_path() / name;
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    for (const auto& entry : fs::recursive_directory_iterator(folder_))
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(folder_);
  }

  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::vector<std::wstring> FilesIn(const fs::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().wstring());
    return names;
  }

  fs::path folder_;
};

// Nested folders below `path` making a path of exactly `length` characters.
fs::path PathOfLength(fs::path path, size_t length) {
  while (path.wstring().size() + 1 < length) {
    const size_t left = length - path.wstring().size() - 1;  // after the separator
    size_t take = std::min<size_t>(left, 100);
    if (left - take == 1) --take;  // a last folder needs a separator and a character
    path /= std::wstring(take, L'd');
  }
  return path;
}

const std::string kSettings = "[Main]\r\nVolume=80\r\n\xd0\x93\r\n";  // bytes kept as they are

TEST_F(SettingsStorage, ReplacesAnOldFileByteForByteAndLeavesNoTemporary) {
  const fs::path file = folder_ / "n_p_n.ini";
  Write(file, std::string(5000, 'x'));
  ReplaceFileContent(file.wstring(), kSettings);
  EXPECT_EQ(ReadSmallFile(file.wstring()), kSettings);
  EXPECT_EQ(FilesIn(folder_), std::vector<std::wstring>{L"n_p_n.ini"});
  ReplaceFileContent(file.wstring(), kSettings);  // the same bytes again: the same file
  EXPECT_EQ(ReadSmallFile(file.wstring()), kSettings);
  EXPECT_EQ(FilesIn(folder_), std::vector<std::wstring>{L"n_p_n.ini"});
}

TEST_F(SettingsStorage, RefusesAReadOnlyFileAndKeepsIt) {
  const fs::path file = folder_ / "n_p_n.ini";
  Write(file, "old");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  try {
    ReplaceFileContent(file.wstring(), kSettings);
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("n_p_n.ini"), std::string::npos) << e.what();
  }
  EXPECT_EQ(ReadSmallFile(file.wstring()), "old");
  EXPECT_EQ(FilesIn(folder_), std::vector<std::wstring>{L"n_p_n.ini"});
}

// A folder path one character too long for a temporary name beside the file: the file itself
// still fits, so it is rewritten in place, shorter than it was.
TEST_F(SettingsStorage, WritesInPlaceWhereNoTemporaryFitsBesideTheFile) {
  const fs::path deep = PathOfLength(folder_, MAX_PATH - 13);
  fs::create_directories(deep);
  const fs::path file = deep / "n_p_n.ini";
  ASSERT_LT(file.wstring().size(), size_t(MAX_PATH));
  Write(file, std::string(5000, 'x'));
  ReplaceFileContent(file.wstring(), kSettings);
  EXPECT_EQ(ReadSmallFile(file.wstring()), kSettings);
  EXPECT_EQ(FilesIn(deep), std::vector<std::wstring>{L"n_p_n.ini"});
  ReplaceFileContent((deep / "new.ini").wstring(), kSettings);  // and a file not there yet
  EXPECT_EQ(ReadSmallFile((deep / "new.ini").wstring()), kSettings);
}

// Starts a program of the machine Wine runs on; false where there is none (on Windows). Wine
// does not wait for such a program, so callers wait for its effect.
bool StartUnixProgram(std::wstring command) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool TakesNewFiles(const fs::path& folder) {
  const HANDLE probe = CreateFileW((folder / L"probe").c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return false;
  CloseHandle(probe);
  return true;
}

bool WithinFiveSeconds(bool wanted, const fs::path& folder) {
  for (int i = 0; i < 100; ++i) {
    if (TakesNewFiles(folder) == wanted) return true;
    Sleep(50);
  }
  return false;
}

// A folder that takes no new files while its files stay writable, as one the user may not
// create files in. The tests run as the machine's administrator, whom permissions do not stop,
// so the file system's immutable flag does it; Wine shows the machine's /tmp as Z:\tmp.
class LockedFolder {
 public:
  explicit LockedFolder(const std::wstring& name)
      : windows_(L"Z:\\tmp\\" + name), unix_(L"/tmp/" + name) {
    fs::create_directories(windows_);
  }
  ~LockedFolder() {
    if (StartUnixProgram(L"Z:\\usr\\bin\\chattr -i " + unix_))
      WithinFiveSeconds(true, windows_);
    std::error_code ignored;
    fs::remove_all(windows_, ignored);
  }
  bool Lock() {
    return StartUnixProgram(L"Z:\\usr\\bin\\chattr +i " + unix_) &&
           WithinFiveSeconds(false, windows_);
  }
  const fs::path& Path() const { return windows_; }

 private:
  fs::path windows_;
  std::wstring unix_;
};

TEST_F(SettingsStorage, WritesInPlaceInAFolderThatTakesNoNewFiles) {
  LockedFolder folder(L"velmora-locked-" + std::to_wstring(GetCurrentProcessId()));
  const fs::path file = folder.Path() / "n_p_n.ini";
  Write(file, std::string(5000, 'x'));
  if (!folder.Lock()) GTEST_SKIP() << "no immutable flag here";
  ReplaceFileContent(file.wstring(), kSettings);
  EXPECT_EQ(ReadSmallFile(file.wstring()), kSettings);
  // A probe made just before the flag took hold cannot delete itself on close: it is ours.
  std::vector<std::wstring> files = FilesIn(folder.Path());
  std::erase(files, L"probe");
  EXPECT_EQ(files, std::vector<std::wstring>{L"n_p_n.ini"});
}

TEST_F(SettingsStorage, ReadsSmallFilesWholeAndNothingElse) {
  EXPECT_EQ(ReadSmallFile((folder_ / "missing.ini").wstring()), std::nullopt);
  EXPECT_EQ(ReadSmallFile(folder_.wstring()), std::nullopt);  // a folder
  Write(folder_ / "empty.ini", "");
  EXPECT_EQ(ReadSmallFile((folder_ / "empty.ini").wstring()), "");
  Write(folder_ / "huge.ini", std::string((1 << 20) + 1, 'x'));
  EXPECT_EQ(ReadSmallFile((folder_ / "huge.ini").wstring()), std::nullopt);
  Write(folder_ / "n_p_n.ini", kSettings);
  EXPECT_EQ(ReadSmallFile((folder_ / "n_p_n.ini").wstring()), kSettings);
}

}  // namespace
}  // namespace velmora::scene
