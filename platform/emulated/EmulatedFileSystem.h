// kernel32's file calls on the drives of a machine image.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"
#include "platform/emulated/DiskImage.h"
#include "platform/emulated/FileMetadata.h"
#include "platform/emulated/MachineFacts.h"
#include "platform/emulated/PendingRenames.h"
#include "platform/emulated/WinPath.h"

namespace cvn::emulated {

// A failure a test makes one file meet, as a full disk or a crash would.
enum class InjectedFailure {
  CannotCreate,  // writing the file fails before anything is written
  WritePartWay,  // a write of content stores its first half, then fails
  CannotMove,    // moving the file, or moving another file onto it, fails
  DeletedThenCannotMove,  // a replacing move onto it deletes it, then fails (Windows 95)
};

class EmulatedFileSystem : public platform::FileSystem {
 public:
  EmulatedFileSystem(const MachineFacts& facts, DiskImage& disk, FileMetadata& metadata, PendingRenames& pending);

  std::unique_ptr<platform::FileSearch> FindFirst(const std::string& pattern, platform::FindData& first) override;
  bool CopyFile(const std::string& from, const std::string& to, platform::FailIfExists failIfExists) override;
  bool DeleteFile(const std::string& path) override;
  bool MoveFile(const std::string& from, const std::string& to, uint32_t flags) override;
  bool CreateDirectory(const std::string& path) override;
  bool RemoveDirectory(const std::string& path) override;
  uint32_t GetAttributes(const std::string& path) override;
  bool SetAttributes(const std::string& path, uint32_t attributes) override;
  bool SetLastWriteTime(const std::string& path, platform::FileTime time) override;
  std::optional<platform::Bytes> ReadFile(const std::string& path) override;
  std::optional<platform::Bytes> ReadFilePart(const std::string& path, uint64_t offset, size_t length) override;
  bool WriteFile(const std::string& path, const platform::Bytes& data) override;
  bool IsFileInUse(const std::string& path) override;
  std::optional<platform::SystemTime> FileTimeToLocal(platform::FileTime time) override;
  std::string ShortPathName(const std::string& path) override;
  std::string FullPathName(const std::string& path) override;
  std::string SearchPath(const std::string& fileName) override;
  std::string CurrentDirectory() override;
  bool SetCurrentDirectory(const std::string& path) override;
  std::string WindowsDirectory() override;
  std::string SystemDirectory() override;
  void SelectSystemView(platform::View view) override { systemView_ = view; }
  std::string TempPath() override;
  std::string ProgramPath() override;
  platform::DriveType GetDriveType(const std::string& root) override;
  std::optional<std::string> VolumeLabel(const std::string& root) override;
  std::optional<platform::DiskFreeSpace> GetDiskFreeSpace(const std::string& root) override;

  // Another process holds the file open (or lets it go again).
  void MarkInUse(const std::string& path, bool inUse);
  // From now on the file at `path` meets `failure`.
  void InjectFailure(const std::string& path, InjectedFailure failure);
  // The host entry of a Windows path, for tests that look behind the image.
  std::optional<std::filesystem::path> HostPath(const std::string& path);

 private:
  struct Entry {
    WinPath path;
    std::filesystem::path host;
    bool folder = false;
  };

  std::optional<WinPath> Resolve(const std::string& path) const;
  std::optional<Entry> Existing(const std::string& path) const;
  uint32_t AttributesOf(const Entry& entry) const;
  bool IsReadOnly(const Entry& entry) const { return (AttributesOf(entry) & platform::attr::kReadOnly) != 0; }
  bool InUse(const WinPath& path) const { return inUse_.count(path.Key()) > 0; }
  // Upper-case long name to short name for the entries of a folder, but
  // `except` (an entry being created, which must not take a name first).
  std::map<std::string, std::string> ShortNames(const WinPath& folder, const std::filesystem::path& host,
                                                const std::string& except = "") const;
  void GiveShortName(const WinPath& path, const std::filesystem::path& hostFolder);
  // The short name of entry `name` of a folder (the name itself when it has none).
  std::string ShortNameIn(const WinPath& folder, const std::string& name) const;
  // The entry of a folder that has this short name; nothing when none has.
  std::optional<std::string> LongNameOf(const WinPath& folder, const std::filesystem::path& host,
                                        const std::string& shortName) const;
  std::unique_ptr<platform::FileSearch> FindExactly(const Entry& folder, const std::string& name,
                                                    platform::FindData& first);
  platform::FindData DataOf(const Entry& entry, const std::string& name, const std::string& shortName) const;
  const DriveFacts* DriveOfRoot(const std::string& root) const;
  bool MoveNow(const Entry& from, const WinPath& to, uint32_t flags);
  bool CopyContent(const Entry& from, const std::filesystem::path& to);
  bool Injected(const WinPath& path, InjectedFailure failure) const;

  const MachineFacts& facts_;
  platform::View systemView_ = platform::View::Native;
  DiskImage& disk_;
  FileMetadata& metadata_;
  PendingRenames& pending_;
  std::set<std::string> inUse_;
  std::map<std::string, InjectedFailure> injected_;  // by path key
  WinPath current_;
};

}  // namespace cvn::emulated
