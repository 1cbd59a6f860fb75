#include "platform/emulated/ImageBuilder.h"

#include <cstdlib>
#include <system_error>

#include "platform/emulated/CivilTime.h"
#include "platform/emulated/HostFile.h"
#include "platform/emulated/RegFile.h"
#include "platform/emulated/RegistryStore.h"
#include "platform/emulated/Text.h"
#include "platform/emulated/WinPath.h"

namespace cvn::emulated {

namespace fs = std::filesystem;

namespace {

std::string MakeTemporaryFolder() {
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "corvane-image-XXXXXX").string();
  const char* made = ::mkdtemp(pattern.data());
  return made ? std::string(made) : std::string();
}

std::string_view AnswerName(platform::Answer answer) {
  switch (answer) {
    case platform::Answer::Ok:
      return "Ok";
    case platform::Answer::Cancel:
      return "Cancel";
    case platform::Answer::Yes:
      return "Yes";
    case platform::Answer::No:
      return "No";
  }
  return "Ok";
}

}  // namespace

ImageBuilder::ImageBuilder(Keep keep) : folder_(MakeTemporaryFolder()), keep_(keep) {
  if (folder_.empty()) Fail("cannot make a temporary folder for the image");
}

ImageBuilder::~ImageBuilder() {
  if (keep_ == Keep::No && !folder_.empty()) {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
}

void ImageBuilder::Fail(const std::string& message) {
  if (error_.empty()) error_ = message;
}

ImageBuilder& ImageBuilder::Windows95() {
  return Windows({{"Version", "4.0"},
                  {"Build", "950"},
                  {"Platform", "windows"},
                  {"ServicePack", ""},
                  {"Folder", "C:\\WINDOWS"},
                  {"SystemFolder", "C:\\WINDOWS\\SYSTEM"},
                  {"TempFolder", "C:\\WINDOWS\\TEMP"},
                  {"Path", "C:\\WINDOWS;C:\\WINDOWS\\COMMAND"}});
}

ImageBuilder& ImageBuilder::WindowsNt4() {
  return Windows({{"Version", "4.0"},
                  {"Build", "1381"},
                  {"Platform", "nt"},
                  {"ServicePack", "Service Pack 6"},
                  {"Folder", "C:\\WINNT"},
                  {"SystemFolder", "C:\\WINNT\\system32"},
                  {"TempFolder", "C:\\TEMP"},
                  {"Path", "C:\\WINNT\\system32;C:\\WINNT"}});
}

ImageBuilder& ImageBuilder::Windows(std::initializer_list<std::pair<std::string_view, std::string_view>> facts) {
  for (const auto& [key, value] : facts) Fact("Windows", key, value);
  return *this;
}

ImageBuilder& ImageBuilder::Fact(std::string_view section, std::string_view key, std::string_view value) {
  facts_.Set(section, key, value);
  return *this;
}

ImageBuilder& ImageBuilder::Drive(char letter, platform::DriveType type, std::string_view label) {
  const std::string section = std::string("Drive ") + UpperChar(letter);
  Fact(section, "Type", DriveTypeName(type));
  return Fact(section, "Label", label);
}

ImageBuilder& ImageBuilder::MapDrive(char letter, const std::string& hostFolder, platform::DriveType type) {
  const std::string section = std::string("Drive ") + UpperChar(letter);
  Fact(section, "Type", DriveTypeName(type));
  return Fact(section, "Folder", hostFolder);
}

fs::path ImageBuilder::DriveFolder(char letter) const {
  const std::string section = std::string("Drive ") + UpperChar(letter);
  const auto* mapped = facts_.Find(section, "Folder");
  const fs::path folder(mapped && mapped->value ? *mapped->value : std::string(1, LowerChar(letter)));
  return folder.is_absolute() ? folder : fs::path(folder_) / folder;
}

fs::path ImageBuilder::HostPath(const std::string& path) const {
  const auto resolved = ResolvePath(path, WinPath{});
  if (!resolved) return {};
  fs::path host = DriveFolder(resolved->drive);
  for (const auto& part : resolved->parts) {
    const auto existing = DiskImage::Lookup(host, part);
    host = existing ? *existing : host / part;
  }
  return host;
}

bool ImageBuilder::Place(const std::string& path, fs::path& host) {
  const auto resolved = ResolvePath(path, WinPath{});
  if (!resolved || resolved->IsRoot()) {
    Fail("not a file path: \"" + path + "\"");
    return false;
  }
  host = HostPath(path);
  std::error_code ec;
  fs::create_directories(host.parent_path(), ec);
  if (ec) Fail("cannot make the folder of \"" + path + "\"");
  return !ec;
}

void ImageBuilder::Finish(const std::string& path, const fs::path& host, const FileOptions& options) {
  if (options.lastWrite && !SetHostLastWriteTime(host, *options.lastWrite)) Fail("cannot set the time of " + path);
  const auto resolved = ResolvePath(path, WinPath{});
  if (resolved && options.attributes != platform::attr::kArchive) {
    attributes_.emplace_back(resolved->Key(), options.attributes & ~platform::attr::kNormal);
  }
}

ImageBuilder& ImageBuilder::File(const std::string& path, const platform::Bytes& content, const FileOptions& options) {
  return File(path, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()), options);
}

ImageBuilder& ImageBuilder::File(const std::string& path, std::string_view text, const FileOptions& options) {
  fs::path host;
  if (!Place(path, host)) return *this;
  if (!WriteHostFile(host, text)) Fail("cannot write \"" + path + "\"");
  Finish(path, host, options);
  return *this;
}

ImageBuilder& ImageBuilder::SizedFile(const std::string& path, uint64_t size, const FileOptions& options) {
  fs::path host;
  if (!Place(path, host)) return *this;
  std::error_code ec;
  if (!WriteHostFile(host, "")) Fail("cannot write \"" + path + "\"");
  fs::resize_file(host, size, ec);
  if (ec) Fail("cannot size \"" + path + "\"");
  Finish(path, host, options);
  return *this;
}

ImageBuilder& ImageBuilder::Dir(const std::string& path) {
  std::error_code ec;
  fs::create_directories(HostPath(path), ec);
  if (ec) Fail("cannot make the folder \"" + path + "\"");
  return *this;
}

RegNode* ImageBuilder::Key(const std::string& keyPath) {
  RegNode* node = registry_.Create(keyPath);
  if (!node) Fail("unknown registry root in \"" + keyPath + "\"");
  return node;
}

ImageBuilder& ImageBuilder::RegistryKey(const std::string& keyPath) {
  Key(keyPath);
  return *this;
}

ImageBuilder& ImageBuilder::Registry(const std::string& keyPath, const std::string& name, std::string_view text) {
  platform::Bytes data(text.begin(), text.end());
  data.push_back(0);
  return RegistryValue(keyPath, name, platform::regtype::kString, data);
}

ImageBuilder& ImageBuilder::RegistryDword(const std::string& keyPath, const std::string& name, uint32_t value) {
  platform::Bytes data;
  for (int shift = 0; shift < 32; shift += 8) data.push_back(static_cast<uint8_t>(value >> shift));
  return RegistryValue(keyPath, name, platform::regtype::kDword, data);
}

ImageBuilder& ImageBuilder::RegistryValue(const std::string& keyPath, const std::string& name, uint32_t type,
                                          const platform::Bytes& data) {
  if (RegNode* node = Key(keyPath)) node->SetValue(name, type, data);
  return *this;
}

ImageBuilder& ImageBuilder::RegistryText(std::string_view lines) {
  if (const auto failure = ReadRegFile("REGEDIT4\n" + std::string(lines), registry_)) {
    Fail("registry text line " + std::to_string(failure->line - 1) + ": " + failure->message);
  }
  return *this;
}

ImageBuilder& ImageBuilder::FileInUse(const std::string& path) {
  facts_.Append("FilesInUse", path, "yes");
  return *this;
}

ImageBuilder& ImageBuilder::ProtectedKey(const std::string& keyPath) {
  facts_.Append("ProtectedKeys", keyPath, "yes");
  return *this;
}

ImageBuilder& ImageBuilder::ExitCode(const std::string& commandLine, uint32_t exitCode) {
  facts_.Append("Processes", std::to_string(exitCode), commandLine);
  return *this;
}

ImageBuilder& ImageBuilder::Answer(platform::Answer answer) {
  facts_.Append("Prompts", "Answer", AnswerName(answer));
  return *this;
}

ImageBuilder& ImageBuilder::OpenFileAnswer(std::optional<std::string> path) {
  facts_.Append("Prompts", "OpenFile", path.value_or(""));
  return *this;
}

bool ImageBuilder::WritePending() {
  const fs::path root(folder_);
  std::string error;
  auto registry = RegistryStore::Load(root / "registry.reg", error);
  auto metadata = FileMetadata::Load(root / "files.ini", error);
  if (!registry || !metadata) return false;
  if (ReadRegFile(WriteRegFile(registry_), registry->Tree())) return false;
  for (const auto& [key, attributes] : attributes_) metadata->SetAttributes(key, attributes);
  if (!registry->Save() || !metadata->Save()) return false;
  registry_ = RegistryTree();
  attributes_.clear();
  return true;
}

std::unique_ptr<EmulatedMachine> ImageBuilder::Open() {
  if (!error_.empty()) return nullptr;
  if (!WriteHostFile(fs::path(folder_) / "machine.ini", facts_.Text()) || !WritePending()) {
    Fail("cannot write the image files");
    return nullptr;
  }
  return EmulatedMachine::Open(folder_, error_);
}

platform::FileTime ImageBuilder::Time(int year, int month, int day, int hour, int minute, int second) {
  const platform::SystemTime time{static_cast<uint16_t>(year),   static_cast<uint16_t>(month),
                                  0,                             static_cast<uint16_t>(day),
                                  static_cast<uint16_t>(hour),   static_cast<uint16_t>(minute),
                                  static_cast<uint16_t>(second), 0};
  return platform::FileTime::FromTicks(SystemTimeToTicks(time).value_or(0));
}

}  // namespace cvn::emulated
