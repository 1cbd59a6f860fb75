// Holding a file with CreateFileA and share mode 0.
#include "platform/win32/ExclusiveFile.h"

#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {

std::unique_ptr<ExclusiveFile> ExclusiveFile::Open(const std::string& path) {
  const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::unique_ptr<ExclusiveFile>(new ExclusiveFile(file));
}

ExclusiveFile::~ExclusiveFile() { ::CloseHandle(handle_); }

}  // namespace cvn::platform::win32
