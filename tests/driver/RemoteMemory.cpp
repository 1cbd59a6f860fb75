#include "tests/driver/RemoteMemory.h"

namespace cvn::uidriver {
namespace {

constexpr DWORD kAccess =
    PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION;

bool IsWow64(HANDLE process) {
  BOOL wow64 = FALSE;
  return ::IsWow64Process(process, &wow64) && wow64;
}

}  // namespace

RemoteMemory::RemoteMemory(HWND window, size_t size) {
  DWORD processId = 0;
  if (::GetWindowThreadProcessId(window, &processId) == 0) return;
  process_ = ::OpenProcess(kAccess, FALSE, processId);
  if (process_ == nullptr || IsWow64(process_) != IsWow64(::GetCurrentProcess())) return;
  address_ = ::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
  if (address_ != nullptr) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_ != nullptr) ::CloseHandle(process_);
}

LPARAM RemoteMemory::At(size_t offset) const {
  return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
}

bool RemoteMemory::Write(size_t offset, const void* data, size_t size) {
  SIZE_T written = 0;
  return ::WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                              &written) &&
         written == size;
}

bool RemoteMemory::Read(size_t offset, void* data, size_t size) const {
  SIZE_T read = 0;
  return ::ReadProcessMemory(process_, static_cast<const char*>(address_) + offset, data, size,
                             &read) &&
         read == size;
}

}  // namespace cvn::uidriver
