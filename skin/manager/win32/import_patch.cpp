#include "skin/manager/win32/import_patch.h"

namespace velmora::skin {
namespace {

template <typename T>
T* At(HMODULE module, DWORD offset) {
  return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

// The import table slot that holds `function`, or nullptr.
void** FindSlot(HMODULE module, void* function) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  const auto* nt = At<const IMAGE_NT_HEADERS>(module, DWORD(dos->e_lfanew));
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* entry = At<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress); entry->Name;
       ++entry) {
    for (auto* thunk = At<IMAGE_THUNK_DATA>(module, entry->FirstThunk); thunk->u1.Function;
         ++thunk) {
      if (reinterpret_cast<void*>(thunk->u1.Function) == function)
        return reinterpret_cast<void**>(&thunk->u1.Function);
    }
  }
  return nullptr;
}

void Write(void** slot, void* value) {
  DWORD protection = 0;
  if (!VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &protection)) return;
  *slot = value;
  VirtualProtect(slot, sizeof(void*), protection, &protection);
}

}  // namespace

ImportPatch::ImportPatch(HMODULE module, FARPROC original, void* replacement)
    : original_(reinterpret_cast<void*>(original)) {
  if (!module || !original) return;
  slot_ = FindSlot(module, original_);
  if (slot_) Write(slot_, replacement);
}

ImportPatch::~ImportPatch() {
  if (slot_) Write(slot_, original_);
}

}  // namespace velmora::skin
