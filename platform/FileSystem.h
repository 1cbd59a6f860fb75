// Files and folders, shaped like the kernel32 calls they wrap. Paths are
// Windows paths in the ANSI code page ("C:\WINDOWS\WIN.INI").
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace cvn::platform {

// An open FindFirstFile search; destroying it closes the search.
class FileSearch {
 public:
  virtual ~FileSearch() = default;
  // FindNextFile: fills `data` and returns true, or false when no entry is left.
  virtual bool Next(FindData& data) = 0;
};

enum class FailIfExists { No, Yes };

// MoveFileEx flags.
namespace move {
inline constexpr uint32_t kReplaceExisting = 0x1;
inline constexpr uint32_t kCopyAllowed = 0x2;
inline constexpr uint32_t kDelayUntilReboot = 0x4;
}  // namespace move

// GetDriveType results.
enum class DriveType : uint32_t {
  Unknown = 0,
  NoRootDir = 1,
  Removable = 2,
  Fixed = 3,
  Remote = 4,
  CdRom = 5,
  RamDisk = 6,
};

// GetDiskFreeSpace, with the byte counts of GetDiskFreeSpaceEx beside it so
// that drives larger than 2 GiB are measured without wrapping.
struct DiskFreeSpace {
  uint32_t sectorsPerCluster = 0;
  uint32_t bytesPerSector = 0;
  uint32_t freeClusters = 0;
  uint32_t totalClusters = 0;
  uint64_t freeBytes = 0;
  uint64_t totalBytes = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // FindFirstFile: null when nothing matches; otherwise `first` holds the
  // first entry and the search yields the rest.
  virtual std::unique_ptr<FileSearch> FindFirst(const std::string& pattern,
                                                FindData& first) = 0;

  virtual bool CopyFile(const std::string& from, const std::string& to,
                        FailIfExists failIfExists) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // MoveFileEx. With kDelayUntilReboot an empty `to` deletes `from` at the
  // next start.
  virtual bool MoveFile(const std::string& from, const std::string& to,
                        uint32_t flags) = 0;
  virtual bool CreateDirectory(const std::string& path) = 0;
  virtual bool RemoveDirectory(const std::string& path) = 0;

  virtual uint32_t GetAttributes(const std::string& path) = 0;  // attr::kInvalid on failure
  virtual bool SetAttributes(const std::string& path, uint32_t attributes) = 0;
  virtual bool SetLastWriteTime(const std::string& path, FileTime time) = 0;

  // Whole-file access (the core maps or reads files whole; none is large).
  virtual std::optional<Bytes> ReadFile(const std::string& path) = 0;
  // Up to `length` bytes from `offset` on: fewer at the end of the file,
  // none past it. Nothing when the file cannot be opened or read.
  virtual std::optional<Bytes> ReadFilePart(const std::string& path, uint64_t offset, size_t length) = 0;
  // Creates or truncates the file.
  virtual bool WriteFile(const std::string& path, const Bytes& data) = 0;
  // True when another process holds the file open so that it cannot be
  // replaced now (CreateFile without sharing fails with a sharing violation).
  virtual bool IsFileInUse(const std::string& path) = 0;

  // FileTimeToLocalFileTime followed by FileTimeToSystemTime.
  virtual std::optional<SystemTime> FileTimeToLocal(FileTime time) = 0;

  // GetShortPathName: empty when the path does not exist.
  virtual std::string ShortPathName(const std::string& path) = 0;
  // GetFullPathName.
  virtual std::string FullPathName(const std::string& path) = 0;
  // SearchPath with the standard search order for a bare file name: the
  // program's folder, the current folder, the System folder, the Windows
  // folder, then the folders of PATH. Empty when not found.
  virtual std::string SearchPath(const std::string& fileName) = 0;

  virtual std::string CurrentDirectory() = 0;
  virtual bool SetCurrentDirectory(const std::string& path) = 0;
  virtual std::string WindowsDirectory() = 0;
  // The System folder of the view last selected: GetSystemDirectory, or on
  // 64-bit Windows the folder that a program of the other bitness reaches
  // under that name (GetSystemWow64Directory for a 32-bit one, "Sysnative"
  // for a 64-bit one seen from a 32-bit program).
  virtual std::string SystemDirectory() = 0;
  virtual void SelectSystemView(View view) = 0;
  virtual std::string TempPath() = 0;     // with a trailing backslash, as GetTempPath
  virtual std::string ProgramPath() = 0;  // GetModuleFileName of the running program

  // `root` is a drive root such as "C:\".
  virtual DriveType GetDriveType(const std::string& root) = 0;
  virtual std::optional<std::string> VolumeLabel(const std::string& root) = 0;
  virtual std::optional<DiskFreeSpace> GetDiskFreeSpace(const std::string& root) = 0;
};

}  // namespace cvn::platform
