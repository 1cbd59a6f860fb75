#include "platform/emulated/DiskImage.h"

#include <algorithm>
#include <system_error>

#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace fs = std::filesystem;

DiskImage::DiskImage(const fs::path& imageDir, const std::vector<DriveFacts>& drives) {
  for (const auto& facts : drives) {
    const fs::path folder(facts.hostFolder);
    drives_.push_back(MountedDrive{facts, folder.is_absolute() ? folder : imageDir / folder});
  }
}

const DriveFacts* DiskImage::Drive(char letter) const {
  const char upper = UpperChar(letter);
  for (const auto& drive : drives_) {
    if (drive.facts.letter == upper) return &drive.facts;
  }
  return nullptr;
}

std::optional<fs::path> DiskImage::DriveRoot(char letter) const {
  const char upper = UpperChar(letter);
  for (const auto& drive : drives_) {
    if (drive.facts.letter == upper && drive.facts.media && IsFolder(drive.root)) return drive.root;
  }
  return std::nullopt;
}

bool DiskImage::IsFolder(const fs::path& hostPath) {
  std::error_code ec;
  return fs::is_directory(hostPath, ec);
}

std::optional<fs::path> DiskImage::Lookup(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  const fs::path exact = folder / name;
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (EqualsNoCase(entry.path().filename().string(), name)) return entry.path();
  }
  return std::nullopt;
}

std::optional<fs::path> DiskImage::Find(const WinPath& path) const {
  auto host = DriveRoot(path.drive);
  WinPath folder{path.drive, {}};
  for (const auto& part : path.parts) {
    if (!host || !IsFolder(*host)) return std::nullopt;
    auto entry = Lookup(*host, part);
    if (!entry && resolver_) {
      if (const auto longName = resolver_(folder, *host, part)) entry = Lookup(*host, *longName);
    }
    host = entry;
    folder.parts.push_back(entry ? entry->filename().string() : part);
  }
  return host;
}

std::optional<fs::path> DiskImage::Place(const WinPath& path) const {
  if (path.IsRoot()) return std::nullopt;
  const auto parent = Find(path.Parent());
  if (!parent || !IsFolder(*parent)) return std::nullopt;
  if (auto existing = Lookup(*parent, path.Leaf())) return existing;
  return *parent / path.Leaf();
}

std::vector<std::string> DiskImage::List(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
  return names;
}

}  // namespace cvn::emulated
