// Memory in the process of another window, for the common controls'
// messages that take a pointer (LVM_SETITEMSTATE, LVM_GETITEMTEXTA, ...):
// the system carries no structure of theirs across processes, so the
// structure has to be where the control reads it.
#pragma once

#include <windows.h>

#include <cstddef>

namespace cvn::uidriver {

class RemoteMemory {
 public:
  // `size` bytes in the window's process. None when the process cannot be
  // opened, or runs with another pointer size than the driver: the
  // structures are copied as they are, so their layouts must match.
  RemoteMemory(HWND window, size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool Valid() const { return address_ != nullptr; }
  // The address as the other process sees it, plus an offset.
  LPARAM At(size_t offset) const;
  bool Write(size_t offset, const void* data, size_t size);
  bool Read(size_t offset, void* data, size_t size) const;
  // Leaves the memory to the other process: a message that timed out may
  // still be taken later and read it.
  void Abandon() { address_ = nullptr; }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace cvn::uidriver
