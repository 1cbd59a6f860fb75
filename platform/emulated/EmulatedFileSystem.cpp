#include "platform/emulated/EmulatedFileSystem.h"

#include <algorithm>
#include <system_error>

#include "platform/emulated/CivilTime.h"
#include "platform/emulated/HostFile.h"
#include "platform/emulated/ShortName.h"
#include "platform/emulated/Text.h"
#include "platform/emulated/Wildcard.h"
#include "util/text/WindowsPath.h"

namespace cvn::emulated {

namespace fs = std::filesystem;
using platform::Bytes;
using platform::FindData;
namespace attr = platform::attr;
namespace move = platform::move;

namespace {

// The attribute bits SetFileAttributes may change.
constexpr uint32_t kSettable = attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive | attr::kTemporary |
                               attr::kOffline | attr::kNotContentIndexed;

class ListedSearch : public platform::FileSearch {
 public:
  explicit ListedSearch(std::vector<FindData> rest) : rest_(std::move(rest)) {}
  bool Next(FindData& data) override {
    if (next_ >= rest_.size()) return false;
    data = rest_[next_++];
    return true;
  }

 private:
  std::vector<FindData> rest_;
  size_t next_ = 0;
};

// "C:\" or "C:" as a drive root; 0 for anything else.
char RootLetter(const std::string& root) {
  if (root.size() < 2 || root.size() > 3 || root[1] != ':' || (root.size() == 3 && !IsPathSeparator(root[2]))) return 0;
  const char letter = UpperChar(root[0]);
  return letter >= 'A' && letter <= 'Z' ? letter : 0;
}

}  // namespace

EmulatedFileSystem::EmulatedFileSystem(const MachineFacts& facts, DiskImage& disk, FileMetadata& metadata,
                                       PendingRenames& pending)
    : facts_(facts), disk_(disk), metadata_(metadata), pending_(pending) {
  const std::string start = facts.currentFolder.empty() ? FolderOf(facts.programPath) : facts.currentFolder;
  if (auto current = ResolvePath(start, WinPath{})) current_ = *current;
  for (const auto& file : facts.filesInUse) MarkInUse(file, true);
  disk_.SetShortNameResolver([this](const WinPath& folder, const fs::path& host, const std::string& shortName) {
    return LongNameOf(folder, host, shortName);
  });
}

std::optional<std::string> EmulatedFileSystem::LongNameOf(const WinPath& folder, const fs::path& host,
                                                          const std::string& shortName) const {
  if (shortName.find('~') == std::string::npos) return std::nullopt;
  const auto shortNames = ShortNames(folder, host);
  for (const auto& name : DiskImage::List(host)) {
    const auto it = shortNames.find(ToUpper(name));
    if (it != shortNames.end() && EqualsNoCase(it->second, shortName)) return name;
  }
  return std::nullopt;
}

std::optional<WinPath> EmulatedFileSystem::Resolve(const std::string& path) const {
  return ResolvePath(path, current_);
}

std::optional<EmulatedFileSystem::Entry> EmulatedFileSystem::Existing(const std::string& path) const {
  auto resolved = Resolve(path);
  if (!resolved) return std::nullopt;
  auto host = disk_.Find(*resolved);
  if (!host) return std::nullopt;
  const bool folder = DiskImage::IsFolder(*host);
  return Entry{std::move(*resolved), std::move(*host), folder};
}

uint32_t EmulatedFileSystem::AttributesOf(const Entry& entry) const {
  const auto stored = metadata_.Attributes(entry.path.Key());
  uint32_t attributes = stored.value_or(entry.folder ? 0 : attr::kArchive);
  if (entry.folder) attributes |= attr::kDirectory;
  return attributes == 0 ? attr::kNormal : attributes;
}

std::map<std::string, std::string> EmulatedFileSystem::ShortNames(const WinPath& folder, const fs::path& host,
                                                                  const std::string& except) const {
  std::map<std::string, std::string> names;
  std::set<std::string> taken;
  std::vector<std::string> unnamed;
  for (const auto& name : DiskImage::List(host)) {
    const std::string upper = ToUpper(name);
    if (upper == except) continue;
    if (IsShortName(name)) {
      taken.insert(upper);
    } else if (auto stored = metadata_.ShortName(folder.Child(name).Key()); !stored.empty()) {
      taken.insert(ToUpper(stored));
      names[upper] = stored;
    } else {
      unnamed.push_back(name);
    }
  }
  // Entries the image was made with get their names in listing order.
  for (const auto& name : unnamed) {
    const std::string shortName = MakeShortName(name, [&](const std::string& s) { return taken.count(s) > 0; });
    taken.insert(shortName);
    names[ToUpper(name)] = shortName;
  }
  return names;
}

void EmulatedFileSystem::GiveShortName(const WinPath& path, const fs::path& hostFolder) {
  if (IsShortName(path.Leaf())) return;
  std::set<std::string> taken;
  for (const auto& [longName, shortName] : ShortNames(path.Parent(), hostFolder, ToUpper(path.Leaf()))) {
    taken.insert(ToUpper(shortName));
  }
  for (const auto& name : DiskImage::List(hostFolder)) {
    if (IsShortName(name)) taken.insert(ToUpper(name));
  }
  metadata_.SetShortName(path.Key(), MakeShortName(path.Leaf(), [&](const std::string& s) { return taken.count(s) > 0; }));
}

FindData EmulatedFileSystem::DataOf(const Entry& entry, const std::string& name, const std::string& shortName) const {
  FindData data;
  data.attributes = AttributesOf(entry);
  data.lastWriteTime = HostLastWriteTime(entry.host);
  std::error_code ec;
  data.size = entry.folder ? 0 : fs::file_size(entry.host, ec);
  if (ec) data.size = 0;
  data.name = name;
  data.shortName = shortName;
  return data;
}

std::unique_ptr<platform::FileSearch> EmulatedFileSystem::FindFirst(const std::string& pattern, FindData& first) {
  const size_t slash = pattern.find_last_of("\\/");
  std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  std::string folderText = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
  if (slash == std::string::npos && pattern.size() >= 2 && pattern[1] == ':') {
    folderText = pattern.substr(0, 2);
    mask = pattern.substr(2);
  }
  if (mask.empty() || HasWildcards(folderText)) return nullptr;
  if (mask == "." || mask == "..") {
    // "C:\DIR\." names the folder itself, found in its parent.
    const auto self = Resolve(pattern);
    if (!self || self->IsRoot()) return nullptr;
    mask = self->Leaf();
    folderText = self->Parent().Text();
  }
  const auto folder = Existing(folderText);
  if (!folder || !folder->folder) return nullptr;
  if (!HasWildcards(mask)) return FindExactly(*folder, mask, first);

  std::vector<FindData> found;
  if (!folder->path.IsRoot()) {
    for (const char* dots : {".", ".."}) {
      if (MatchesPattern(mask, dots)) found.push_back(DataOf(*folder, dots, ""));
    }
  }
  const auto shortNames = ShortNames(folder->path, folder->host);
  for (const auto& name : DiskImage::List(folder->host)) {
    const auto it = shortNames.find(ToUpper(name));
    const std::string shortName = it == shortNames.end() ? "" : it->second;
    if (!MatchesPattern(mask, name) && (shortName.empty() || !MatchesPattern(mask, shortName))) continue;
    const fs::path host = folder->host / name;
    found.push_back(DataOf(Entry{folder->path.Child(name), host, DiskImage::IsFolder(host)}, name, shortName));
  }
  if (found.empty()) return nullptr;
  first = found.front();
  found.erase(found.begin());
  return std::make_unique<ListedSearch>(std::move(found));
}

// A search for one name needs no listing of the folder: the checks look up
// every file of an application this way, so this keeps them linear.
std::unique_ptr<platform::FileSearch> EmulatedFileSystem::FindExactly(const Entry& folder,
                                                                      const std::string& name,
                                                                      FindData& first) {
  const auto found = disk_.Find(folder.path.Child(name));
  if (!found) return nullptr;
  // The name may have been given in its short form: the entry is its long one.
  const std::string longName = found->filename().string();
  const Entry entry{folder.path.Child(longName), *found, DiskImage::IsFolder(*found)};
  std::string shortName;
  if (!IsShortName(longName)) {
    shortName = metadata_.ShortName(entry.path.Key());
    if (shortName.empty()) shortName = ShortNameIn(folder.path, longName);
  }
  first = DataOf(entry, longName, shortName);
  return std::make_unique<ListedSearch>(std::vector<FindData>{});
}

bool EmulatedFileSystem::CopyContent(const Entry& from, const fs::path& to) {
  std::error_code ec;
  fs::copy_file(from.host, to, fs::copy_options::overwrite_existing, ec);
  return !ec && SetHostLastWriteTime(to, HostLastWriteTime(from.host));
}

bool EmulatedFileSystem::CopyFile(const std::string& from, const std::string& to,
                                  platform::FailIfExists failIfExists) {
  const auto source = Existing(from);
  const auto target = Resolve(to);
  if (!source || source->folder || !target || target->IsRoot()) return false;
  if (target->Key() == source->path.Key() || !IsValidFileName(target->Leaf())) return false;
  const auto host = disk_.Place(*target);
  if (!host) return false;
  const auto old = Existing(to);
  if (old && (failIfExists == platform::FailIfExists::Yes || old->folder || IsReadOnly(*old) || InUse(old->path))) {
    return false;
  }
  if (Injected(*target, InjectedFailure::CannotCreate)) return false;
  if (Injected(*target, InjectedFailure::WritePartWay)) {
    const auto content = ReadHostFile(source->host);
    if (content) WriteHostFile(*host, std::string_view(*content).substr(0, content->size() / 2));
    return false;
  }
  if (!CopyContent(*source, *host)) return false;
  metadata_.Forget(target->Key());
  const uint32_t attributes = (AttributesOf(*source) & kSettable) | attr::kArchive;
  if (attributes != attr::kArchive) metadata_.SetAttributes(target->Key(), attributes);
  if (!old) GiveShortName(*target, host->parent_path());
  metadata_.Save();
  return true;
}

bool EmulatedFileSystem::DeleteFile(const std::string& path) {
  const auto entry = Existing(path);
  if (!entry || entry->folder || IsReadOnly(*entry) || InUse(entry->path)) return false;
  std::error_code ec;
  if (!fs::remove(entry->host, ec)) return false;
  metadata_.Forget(entry->path.Key());
  metadata_.Save();
  return true;
}

bool EmulatedFileSystem::MoveFile(const std::string& from, const std::string& to, uint32_t flags) {
  if (flags & move::kDelayUntilReboot) {
    const auto source = Resolve(from);
    if ((flags & move::kCopyAllowed) || !source) return false;
    if (Injected(*source, InjectedFailure::CannotMove)) return false;
    const bool replace = (flags & move::kReplaceExisting) != 0;
    if (to.empty()) return pending_.Add({source->Text(), "", replace});
    const auto target = Resolve(to);
    return target && pending_.Add({source->Text(), target->Text(), replace});
  }
  const auto source = Existing(from);
  const auto target = Resolve(to);
  if (!source || source->path.IsRoot() || InUse(source->path) || !target || target->IsRoot()) return false;
  if (Injected(source->path, InjectedFailure::CannotMove) || Injected(*target, InjectedFailure::CannotMove)) {
    return false;
  }
  if (Injected(*target, InjectedFailure::DeletedThenCannotMove)) {
    if (flags & move::kReplaceExisting) DeleteFile(to);
    return false;
  }
  return MoveNow(*source, *target, flags);
}

bool EmulatedFileSystem::MoveNow(const Entry& from, const WinPath& to, uint32_t flags) {
  if (!IsValidFileName(to.Leaf())) return false;
  const bool sameEntry = from.path.Key() == to.Key();
  if (const auto old = Existing(to.Text()); old && !sameEntry) {
    if (!(flags & move::kReplaceExisting) || old->folder || from.folder || IsReadOnly(*old) || InUse(old->path)) {
      return false;
    }
  }
  const auto toHost = disk_.Place(to);
  if (!toHost) return false;
  // A change of case only renames the entry under its new name.
  const fs::path target = sameEntry ? toHost->parent_path() / to.Leaf() : *toHost;
  std::error_code ec;
  if (!from.path.SameDrive(to)) {
    if (from.folder || !(flags & move::kCopyAllowed) || !CopyContent(from, target)) return false;
    fs::remove(from.host, ec);
  } else {
    fs::rename(from.host, target, ec);
    if (ec) return false;
  }
  metadata_.Move(from.path.Key(), to.Key());
  metadata_.SetShortName(to.Key(), "");
  GiveShortName(to, target.parent_path());
  metadata_.Save();
  return true;
}

bool EmulatedFileSystem::CreateDirectory(const std::string& path) {
  const auto resolved = Resolve(path);
  if (!resolved || resolved->IsRoot() || !IsValidFileName(resolved->Leaf()) || Existing(path)) return false;
  const auto host = disk_.Place(*resolved);
  std::error_code ec;
  if (!host || !fs::create_directory(*host, ec)) return false;
  metadata_.Forget(resolved->Key());
  GiveShortName(*resolved, host->parent_path());
  metadata_.Save();
  return true;
}

bool EmulatedFileSystem::RemoveDirectory(const std::string& path) {
  const auto entry = Existing(path);
  if (!entry || !entry->folder || entry->path.IsRoot() || IsReadOnly(*entry)) return false;
  if (!DiskImage::List(entry->host).empty()) return false;
  std::error_code ec;
  if (!fs::remove(entry->host, ec)) return false;
  metadata_.Forget(entry->path.Key());
  metadata_.Save();
  return true;
}

uint32_t EmulatedFileSystem::GetAttributes(const std::string& path) {
  const auto entry = Existing(path);
  return entry ? AttributesOf(*entry) : attr::kInvalid;
}

bool EmulatedFileSystem::SetAttributes(const std::string& path, uint32_t attributes) {
  const auto entry = Existing(path);
  if (!entry || entry->path.IsRoot()) return false;
  metadata_.SetAttributes(entry->path.Key(), attributes & kSettable);
  metadata_.Save();
  return true;
}

bool EmulatedFileSystem::SetLastWriteTime(const std::string& path, platform::FileTime time) {
  const auto entry = Existing(path);
  if (!entry || InUse(entry->path)) return false;
  return SetHostLastWriteTime(entry->host, time);
}

std::optional<Bytes> EmulatedFileSystem::ReadFile(const std::string& path) {
  const auto entry = Existing(path);
  if (!entry || entry->folder) return std::nullopt;
  // As on Windows, a file of 4 GiB or more is not read whole.
  std::error_code ec;
  if (std::filesystem::file_size(entry->host, ec) > 0xFFFFFFFFu || ec) return std::nullopt;
  const auto text = ReadHostFile(entry->host);
  if (!text) return std::nullopt;
  return Bytes(text->begin(), text->end());
}

std::optional<Bytes> EmulatedFileSystem::ReadFilePart(const std::string& path, uint64_t offset, size_t length) {
  const auto entry = Existing(path);
  if (!entry || entry->folder) return std::nullopt;
  const auto text = ReadHostFilePart(entry->host, offset, length);
  if (!text) return std::nullopt;
  return Bytes(text->begin(), text->end());
}

bool EmulatedFileSystem::WriteFile(const std::string& path, const Bytes& data) {
  const auto resolved = Resolve(path);
  if (!resolved || resolved->IsRoot() || !IsValidFileName(resolved->Leaf())) return false;
  const auto old = Existing(path);
  if (old && (old->folder || IsReadOnly(*old) || InUse(old->path))) return false;
  if (Injected(*resolved, InjectedFailure::CannotCreate)) return false;
  const auto host = disk_.Place(*resolved);
  if (!host) return false;
  std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
  const bool failPartWay = !bytes.empty() && Injected(*resolved, InjectedFailure::WritePartWay);
  if (failPartWay) bytes = bytes.substr(0, bytes.size() / 2);
  if (!WriteHostFile(*host, bytes) || failPartWay) return false;
  if (old) {
    const auto stored = metadata_.Attributes(old->path.Key());
    if (stored) metadata_.SetAttributes(old->path.Key(), *stored | attr::kArchive);
  } else {
    metadata_.Forget(resolved->Key());
    GiveShortName(*resolved, host->parent_path());
  }
  metadata_.Save();
  return true;
}

void EmulatedFileSystem::InjectFailure(const std::string& path, InjectedFailure failure) {
  if (const auto resolved = Resolve(path)) injected_[resolved->Key()] = failure;
}

bool EmulatedFileSystem::Injected(const WinPath& path, InjectedFailure failure) const {
  const auto found = injected_.find(path.Key());
  return found != injected_.end() && found->second == failure;
}

bool EmulatedFileSystem::IsFileInUse(const std::string& path) {
  const auto entry = Existing(path);
  return entry && !entry->folder && InUse(entry->path);
}

void EmulatedFileSystem::MarkInUse(const std::string& path, bool inUse) {
  const auto resolved = Resolve(path);
  if (!resolved) return;
  if (inUse) {
    inUse_.insert(resolved->Key());
  } else {
    inUse_.erase(resolved->Key());
  }
}

std::optional<fs::path> EmulatedFileSystem::HostPath(const std::string& path) {
  const auto entry = Existing(path);
  if (entry) return entry->host;
  const auto resolved = Resolve(path);
  return resolved ? disk_.Place(*resolved) : std::nullopt;
}

std::optional<platform::SystemTime> EmulatedFileSystem::FileTimeToLocal(platform::FileTime time) {
  const int64_t bias = static_cast<int64_t>(facts_.biasMinutes) * static_cast<int64_t>(kTicksPerMinute);
  const uint64_t ticks = time.Ticks();
  if (ticks >= (uint64_t{1} << 63)) return std::nullopt;
  const int64_t local = static_cast<int64_t>(ticks) - bias;
  if (local < 0) return std::nullopt;
  return TicksToSystemTime(static_cast<uint64_t>(local));
}

std::string EmulatedFileSystem::ShortNameIn(const WinPath& folder, const std::string& name) const {
  const auto host = disk_.Find(folder);
  if (!host) return name;
  const auto names = ShortNames(folder, *host);
  const auto it = names.find(ToUpper(name));
  return it == names.end() ? name : it->second;
}

std::string EmulatedFileSystem::ShortPathName(const std::string& path) {
  if (!Existing(path)) return "";
  std::string rest = path;
  std::replace(rest.begin(), rest.end(), '/', '\\');
  std::string out;
  size_t start = 0;
  if (rest.size() >= 2 && rest[1] == ':') start = rest.size() >= 3 && rest[2] == '\\' ? 3 : 2;
  else if (!rest.empty() && rest[0] == '\\') start = 1;
  out = rest.substr(0, start);
  auto cursor = Resolve(start == 0 ? "." : out);
  while (cursor && start < rest.size()) {
    size_t end = rest.find('\\', start);
    if (end == std::string::npos) end = rest.size();
    const std::string name = rest.substr(start, end - start);
    if (name == "..") {
      *cursor = cursor->Parent();
      out += name;
    } else if (name.empty() || name == ".") {
      out += name;
    } else {
      // A name that fits 8.3 stays as written; a long one shows its short name.
      out += IsShortName(name) ? name : ShortNameIn(*cursor, name);
      *cursor = cursor->Child(name);
    }
    if (end < rest.size()) out += '\\';
    start = end + 1;
  }
  return out;
}

std::string EmulatedFileSystem::FullPathName(const std::string& path) {
  const auto resolved = Resolve(path);
  if (!resolved) return "";
  std::string full = resolved->Text();
  if (!resolved->IsRoot() && IsPathSeparator(path.back())) full += '\\';
  return full;
}

std::string EmulatedFileSystem::SearchPath(const std::string& fileName) {
  if (fileName.find_first_of("\\/:") != std::string::npos) {
    return Existing(fileName) ? FullPathName(fileName) : "";
  }
  std::vector<std::string> folders = {FolderOf(facts_.programPath), CurrentDirectory(), facts_.systemFolder,
                                      facts_.windowsFolder};
  size_t start = 0;
  while (start <= facts_.path.size()) {
    size_t end = facts_.path.find(';', start);
    if (end == std::string::npos) end = facts_.path.size();
    if (end > start) folders.push_back(facts_.path.substr(start, end - start));
    start = end + 1;
  }
  for (const auto& folder : folders) {
    const std::string candidate = JoinPath(folder, fileName);
    if (Existing(candidate)) return FullPathName(candidate);
  }
  return "";
}

std::string EmulatedFileSystem::CurrentDirectory() { return current_.Text(); }

bool EmulatedFileSystem::SetCurrentDirectory(const std::string& path) {
  const auto entry = Existing(path);
  if (!entry || !entry->folder) return false;
  current_ = entry->path;
  return true;
}

std::string EmulatedFileSystem::WindowsDirectory() { return facts_.windowsFolder; }
// The emulated Corvane is a 64-bit program on a 64-bit machine: only the
// 32-bit view finds another System folder.
std::string EmulatedFileSystem::SystemDirectory() {
  return systemView_ == platform::View::Bits32 && !facts_.wow64Folder.empty() ? facts_.wow64Folder
                                                                            : facts_.systemFolder;
}

std::string EmulatedFileSystem::TempPath() {
  const std::string& temp = facts_.tempFolder;
  return !temp.empty() && temp.back() == '\\' ? temp : temp + "\\";
}

std::string EmulatedFileSystem::ProgramPath() { return facts_.programPath; }

const DriveFacts* EmulatedFileSystem::DriveOfRoot(const std::string& root) const {
  const char letter = RootLetter(root);
  return letter ? disk_.Drive(letter) : nullptr;
}

platform::DriveType EmulatedFileSystem::GetDriveType(const std::string& root) {
  const DriveFacts* drive = DriveOfRoot(root);
  return drive ? drive->type : platform::DriveType::NoRootDir;
}

std::optional<std::string> EmulatedFileSystem::VolumeLabel(const std::string& root) {
  const DriveFacts* drive = DriveOfRoot(root);
  if (!drive || !disk_.DriveRoot(drive->letter)) return std::nullopt;
  return drive->label;
}

std::optional<platform::DiskFreeSpace> EmulatedFileSystem::GetDiskFreeSpace(const std::string& root) {
  const DriveFacts* drive = DriveOfRoot(root);
  if (!drive || !disk_.DriveRoot(drive->letter)) return std::nullopt;
  return drive->space;
}

}  // namespace cvn::emulated
