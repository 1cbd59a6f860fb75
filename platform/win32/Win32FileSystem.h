// Files and folders through kernel32.
#pragma once

#include "platform/FileSystem.h"

namespace cvn::platform::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  std::unique_ptr<FileSearch> FindFirst(const std::string& pattern, FindData& first) override;

  bool CopyFile(const std::string& from, const std::string& to, FailIfExists failIfExists) override;
  bool DeleteFile(const std::string& path) override;
  bool MoveFile(const std::string& from, const std::string& to, uint32_t flags) override;
  bool CreateDirectory(const std::string& path) override;
  bool RemoveDirectory(const std::string& path) override;

  uint32_t GetAttributes(const std::string& path) override;
  bool SetAttributes(const std::string& path, uint32_t attributes) override;
  bool SetLastWriteTime(const std::string& path, FileTime time) override;

  std::optional<Bytes> ReadFile(const std::string& path) override;
  std::optional<Bytes> ReadFilePart(const std::string& path, uint64_t offset, size_t length) override;
  bool WriteFile(const std::string& path, const Bytes& data) override;
  bool IsFileInUse(const std::string& path) override;

  std::optional<SystemTime> FileTimeToLocal(FileTime time) override;

  std::string ShortPathName(const std::string& path) override;
  std::string FullPathName(const std::string& path) override;
  std::string SearchPath(const std::string& fileName) override;

  std::string CurrentDirectory() override;
  bool SetCurrentDirectory(const std::string& path) override;
  std::string WindowsDirectory() override;
  std::string SystemDirectory() override;
  void SelectSystemView(View view) override { systemView_ = view; }
  std::string TempPath() override;
  std::string ProgramPath() override;

  DriveType GetDriveType(const std::string& root) override;
  std::optional<std::string> VolumeLabel(const std::string& root) override;
  std::optional<DiskFreeSpace> GetDiskFreeSpace(const std::string& root) override;

 private:
  View systemView_ = View::Native;
};

}  // namespace cvn::platform::win32
