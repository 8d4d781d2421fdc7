#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace velmora::scene {

// The whole content of a small file; nothing when it is missing, cannot be read or is far larger
// than a settings file can be.
std::optional<std::string> ReadSmallFile(const std::wstring& path);

// Replaces the file's content in one step: the bytes go to a new file in the same folder, which
// then takes the old one's place, so a crash or power loss leaves either the old file or the new
// one, never a part. Where the folder takes no new file, the file is rewritten in place instead,
// so that a writable file still saves. A read-only file is refused like an in-place write. Throws
// std::runtime_error naming the file and the platform's reason; a failed replace leaves the old
// file untouched.
void ReplaceFileContent(const std::wstring& path, std::string_view content);

}  // namespace velmora::scene
