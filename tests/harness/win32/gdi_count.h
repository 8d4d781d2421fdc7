#pragma once
// How many GDI objects a process holds, stock objects aside.
#include <windows.h>

#include <optional>

namespace velmora::harness {

// Where the platform counts them (GetGuiResources answers 0 under emulation), its count; else
// the live entries of the process's GDI handle table. Empty when the process cannot be read.
std::optional<DWORD> GdiObjectCount(DWORD pid);

}  // namespace velmora::harness
