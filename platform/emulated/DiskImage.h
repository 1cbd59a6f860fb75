// The drives of an image on the host: each drive letter is a host folder,
// and Windows names find host entries without regard to case.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/emulated/MachineFacts.h"
#include "platform/emulated/WinPath.h"

namespace cvn::emulated {

class DiskImage {
 public:
  DiskImage(const std::filesystem::path& imageDir, const std::vector<DriveFacts>& drives);

  const DriveFacts* Drive(char letter) const;
  // The host folder of a drive; nothing for a drive the machine lacks or
  // one without media.
  std::optional<std::filesystem::path> DriveRoot(char letter) const;

  // The long name of the entry whose short name is `shortName` in a folder,
  // so that paths may name folders and files by their short names too.
  using ShortNameResolver = std::function<std::optional<std::string>(
      const WinPath& folder, const std::filesystem::path& host, const std::string& shortName)>;
  void SetShortNameResolver(ShortNameResolver resolver) { resolver_ = std::move(resolver); }

  // The host entry of an existing Windows path.
  std::optional<std::filesystem::path> Find(const WinPath& path) const;
  // Where a new entry of that path goes: in its existing parent folder,
  // under the name of an existing entry that differs only in case.
  std::optional<std::filesystem::path> Place(const WinPath& path) const;

  // The names in a host folder, sorted as the file system lists them.
  static std::vector<std::string> List(const std::filesystem::path& folder);
  static bool IsFolder(const std::filesystem::path& hostPath);
  // The entry of `name` in host folder `folder`, any case.
  static std::optional<std::filesystem::path> Lookup(const std::filesystem::path& folder, const std::string& name);

 private:

  struct MountedDrive {
    DriveFacts facts;
    std::filesystem::path root;
  };
  std::vector<MountedDrive> drives_;
  ShortNameResolver resolver_;
};

}  // namespace cvn::emulated
