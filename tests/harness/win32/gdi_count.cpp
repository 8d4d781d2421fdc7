#include "tests/harness/win32/gdi_count.h"

#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace velmora::harness {
namespace {

// An entry of the GDI handle table the emulation keeps in each process (the process block's
// GdiSharedHandleTable): 24 bytes at either pointer size, the type byte non-zero while the
// handle lives; bit 7 of the low byte of the unique field marks stock objects.
struct GdiHandleEntry {
  uint64_t Object;
  uint32_t Owner;
  uint16_t Unique;
  uint8_t Type;
  uint8_t Flags;
  uint64_t UserPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr size_t kTableEntries = 0x10000;
constexpr size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;  // in the process block
// A 32-bit process of a 64-bit emulation keeps the table in its 64-bit process block, found
// through the 64-bit thread block whose address its thread block holds at this offset.
constexpr size_t kThreadBlock64Field = 0xF70;
constexpr size_t kProcessBlockInThreadBlock64 = 0x60;
constexpr size_t kTableOffset64 = 0xF8;

using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
using QueryThread = NTSTATUS(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);

struct ThreadBasicInformation {
  NTSTATUS ExitStatus;
  void* TebBaseAddress;
  CLIENT_ID ClientId;
  ULONG_PTR AffinityMask;
  LONG Priority;
  LONG BasePriority;
};

template <typename Function>
Function NtFunction(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

template <typename Value>
std::optional<Value> Read(HANDLE process, uint64_t address) {
  Value value{};
  if (address > UINTPTR_MAX ||
      !ReadProcessMemory(process, reinterpret_cast<const void*>(uintptr_t(address)), &value,
                         sizeof value, nullptr))
    return std::nullopt;
  return value;
}

uint64_t TableFromProcessBlock(HANDLE process) {
  const auto query = NtFunction<QueryProcess>("NtQueryInformationProcess");
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
    return 0;
  return Read<uintptr_t>(process, uintptr_t(basic.PebBaseAddress) + kTableOffset).value_or(0);
}

uint64_t TableThroughThreadBlock(HANDLE process, DWORD pid) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  DWORD thread = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more && !thread;
       more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == pid) thread = entry.th32ThreadID;
  CloseHandle(snapshot);
  const HANDLE handle = thread ? OpenThread(THREAD_QUERY_INFORMATION, FALSE, thread) : nullptr;
  if (!handle) return 0;
  const auto query = NtFunction<QueryThread>("NtQueryInformationThread");
  ThreadBasicInformation basic{};
  const bool known = query && query(handle, 0, &basic, sizeof basic, nullptr) == 0;
  CloseHandle(handle);
  if (!known) return 0;
  const uint64_t block64 =
      Read<uint32_t>(process, uintptr_t(basic.TebBaseAddress) + kThreadBlock64Field).value_or(0);
  const uint64_t process64 =
      block64 ? Read<uint64_t>(process, block64 + kProcessBlockInThreadBlock64).value_or(0) : 0;
  return process64 ? Read<uint64_t>(process, process64 + kTableOffset64).value_or(0) : 0;
}

std::optional<DWORD> CountTableEntries(HANDLE process, DWORD pid) {
  uint64_t table = TableFromProcessBlock(process);
  if (!table && sizeof(void*) == 4) table = TableThroughThreadBlock(process, pid);
  if (!table || table > UINTPTR_MAX) return std::nullopt;
  std::vector<GdiHandleEntry> entries(kTableEntries);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(uintptr_t(table)), entries.data(),
                         entries.size() * sizeof(GdiHandleEntry), nullptr))
    return std::nullopt;
  DWORD count = 0;
  for (const GdiHandleEntry& entry : entries)
    if (entry.Type != 0 && !(entry.Unique & 0x80)) ++count;
  return count;
}

}  // namespace

std::optional<DWORD> GdiObjectCount(DWORD pid) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return std::nullopt;
  const DWORD counted = GetGuiResources(process, GR_GDIOBJECTS);
  const std::optional<DWORD> count = counted ? counted : CountTableEntries(process, pid);
  CloseHandle(process);
  return count;
}

}  // namespace velmora::harness
