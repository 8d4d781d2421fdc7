#pragma once
#include <windows.h>

namespace velmora::skin {

// Points one imported function of a module at a replacement for as long as it lives, and back
// at what it was after.
class ImportPatch {
 public:
  ImportPatch(HMODULE module, FARPROC original, void* replacement);
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;
  ~ImportPatch();

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

}  // namespace velmora::skin
