// Files through kernel32: searches, copies and moves, attributes, times and
// whole-file contents. Folder and drive queries are in Win32Folders.cpp.
#include "platform/win32/Win32FileSystem.h"

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Convert.h"
#include "platform/win32/Win32Handle.h"
#include "platform/win32/Win32Text.h"

namespace cvn::platform::win32 {
namespace {

FindData ToFindData(const WIN32_FIND_DATAA& found) {
  FindData data;
  data.attributes = found.dwFileAttributes;
  data.lastWriteTime = FromFILETIME(found.ftLastWriteTime);
  data.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  data.name = FixedText(found.cFileName, sizeof found.cFileName);
  data.shortName = FixedText(found.cAlternateFileName, sizeof found.cAlternateFileName);
  return data;
}

class Win32FileSearch final : public FileSearch {
 public:
  explicit Win32FileSearch(HANDLE search) : search_(search) {}
  ~Win32FileSearch() override { ::FindClose(search_); }
  Win32FileSearch(const Win32FileSearch&) = delete;
  Win32FileSearch& operator=(const Win32FileSearch&) = delete;

  bool Next(FindData& data) override {
    WIN32_FIND_DATAA found{};
    if (!::FindNextFileA(search_, &found)) return false;
    data = ToFindData(found);
    return true;
  }

 private:
  HANDLE search_;
};

// Windows 95 has MoveFileEx only as a stub. MoveFile moves across drives
// there but never over an existing file, so replacing deletes the target
// first. A delayed move is WININIT.INI's business, which the caller writes.
bool MoveWithoutMoveFileEx(const std::string& from, const std::string& to, uint32_t flags) {
  if ((flags & move::kDelayUntilReboot) != 0) return false;
  if (::MoveFileA(from.c_str(), to.c_str())) return true;
  const DWORD error = ::GetLastError();
  const bool targetExists = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
  if (!targetExists || (flags & move::kReplaceExisting) == 0) return false;
  return ::DeleteFileA(to.c_str()) && ::MoveFileA(from.c_str(), to.c_str());
}

OwnedHandle CreateFileHandle(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                             DWORD flags = FILE_ATTRIBUTE_NORMAL) {
  return OwnedHandle(
      ::CreateFileA(path.c_str(), access, share, nullptr, disposition, flags, nullptr));
}

// Reads until the end of the file rather than trusting the size alone, so
// a file that changes while it is read still ends up whole.
std::optional<Bytes> ReadToEnd(HANDLE file) {
  DWORD sizeHigh = 0;
  const DWORD sizeLow = ::GetFileSize(file, &sizeHigh);
  if (sizeLow == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) return std::nullopt;
  if (sizeHigh != 0) return std::nullopt;  // none of the files the core reads is that large
  Bytes data(static_cast<size_t>(sizeLow) + 1);
  size_t filled = 0;
  for (;;) {
    if (filled == data.size()) data.resize(data.size() * 2);
    DWORD read = 0;
    const auto room = static_cast<DWORD>(data.size() - filled);
    if (!::ReadFile(file, data.data() + filled, room, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    filled += read;
  }
  data.resize(filled);
  return data;
}

}  // namespace

std::unique_ptr<FileSearch> Win32FileSystem::FindFirst(const std::string& pattern,
                                                       FindData& first) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return nullptr;
  first = ToFindData(found);
  return std::make_unique<Win32FileSearch>(search);
}

bool Win32FileSystem::CopyFile(const std::string& from, const std::string& to,
                               FailIfExists failIfExists) {
  return ::CopyFileA(from.c_str(), to.c_str(), failIfExists == FailIfExists::Yes);
}

bool Win32FileSystem::DeleteFile(const std::string& path) { return ::DeleteFileA(path.c_str()); }

bool Win32FileSystem::MoveFile(const std::string& from, const std::string& to, uint32_t flags) {
  // A delayed move with no target deletes the file; MoveFileEx wants NULL then.
  const char* target = to.empty() ? nullptr : to.c_str();
  if (::MoveFileExA(from.c_str(), target, flags)) return true;
  if (::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED || target == nullptr) return false;
  return MoveWithoutMoveFileEx(from, to, flags);
}

bool Win32FileSystem::CreateDirectory(const std::string& path) {
  return ::CreateDirectoryA(path.c_str(), nullptr);
}

bool Win32FileSystem::RemoveDirectory(const std::string& path) {
  return ::RemoveDirectoryA(path.c_str());
}

uint32_t Win32FileSystem::GetAttributes(const std::string& path) {
  return ::GetFileAttributesA(path.c_str());
}

bool Win32FileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  return ::SetFileAttributesA(path.c_str(), attributes);
}

bool Win32FileSystem::SetLastWriteTime(const std::string& path, FileTime time) {
  // Backup semantics let Windows NT open a folder as well as a file.
  const OwnedHandle file = CreateFileHandle(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
  if (!file) return false;
  const FILETIME lastWrite = ToFILETIME(time);
  return ::SetFileTime(file.get(), nullptr, nullptr, &lastWrite);
}

std::optional<Bytes> Win32FileSystem::ReadFile(const std::string& path) {
  const OwnedHandle file =
      CreateFileHandle(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  if (!file) return std::nullopt;
  return ReadToEnd(file.get());
}

std::optional<Bytes> Win32FileSystem::ReadFilePart(const std::string& path, uint64_t offset, size_t length) {
  const OwnedHandle file =
      CreateFileHandle(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
  if (!file) return std::nullopt;
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (!::SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN)) return std::nullopt;
  Bytes data(length);
  size_t filled = 0;
  while (filled < length) {
    DWORD read = 0;
    const auto room = static_cast<DWORD>(length - filled);
    if (!::ReadFile(file.get(), data.data() + filled, room, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    filled += read;
  }
  data.resize(filled);
  return data;
}

bool Win32FileSystem::WriteFile(const std::string& path, const Bytes& data) {
  const OwnedHandle file = CreateFileHandle(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (!file) return false;
  size_t written = 0;
  while (written < data.size()) {
    DWORD chunk = 0;
    const auto left = static_cast<DWORD>(data.size() - written);
    if (!::WriteFile(file.get(), data.data() + written, left, &chunk, nullptr) || chunk == 0) {
      return false;
    }
    written += chunk;
  }
  // On disk before the caller moves it over a file it replaces.
  return ::FlushFileBuffers(file.get()) != 0;
}

bool Win32FileSystem::IsFileInUse(const std::string& path) {
  const OwnedHandle file = CreateFileHandle(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
  return !file && ::GetLastError() == ERROR_SHARING_VIOLATION;
}

std::optional<SystemTime> Win32FileSystem::FileTimeToLocal(FileTime time) {
  const FILETIME utc = ToFILETIME(time);
  FILETIME local{};
  SYSTEMTIME parts{};
  if (!::FileTimeToLocalFileTime(&utc, &local) || !::FileTimeToSystemTime(&local, &parts)) {
    return std::nullopt;
  }
  return FromSYSTEMTIME(parts);
}

}  // namespace cvn::platform::win32
