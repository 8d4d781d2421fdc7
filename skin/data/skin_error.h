#pragma once
#include <stdexcept>
#include <string>

namespace velmora::skin {

// Any failure while a skin is read or decoded. The manager catches it, keeps the skin it had and
// reports the message, unless the reader has already shown its own message box.
class SkinError : public std::runtime_error {
 public:
  explicit SkinError(const std::string& message, bool alreadyReported = false)
      : std::runtime_error(message), alreadyReported_(alreadyReported) {}
  bool AlreadyReported() const { return alreadyReported_; }

 private:
  bool alreadyReported_;
};

}  // namespace velmora::skin
