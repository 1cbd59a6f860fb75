// Builds a machine image in code, in a fresh temporary folder that is
// removed again when the builder goes (unless it is told to keep it):
//
//   ImageBuilder img;
//   img.Windows95();
//   img.File("C:\\APP\\APP.EXE", bytes);
//   img.Registry("HKEY_CURRENT_USER\\Software\\X", "Name", "value");
//   auto machine = img.Open();
//
// Files are written at once; facts, registry values and attributes when
// Open() writes the image, on top of what an earlier machine left in it,
// so Open() may be called again to see a run's changes. Machines must not
// outlive their builder.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Types.h"
#include "platform/emulated/EmulatedMachine.h"
#include "platform/emulated/IniDocument.h"
#include "platform/emulated/RegistryTree.h"

namespace cvn::emulated {

struct FileOptions {
  std::optional<platform::FileTime> lastWrite;  // the host's clock when not given
  uint32_t attributes = platform::attr::kArchive;
};

class ImageBuilder {
 public:
  enum class Keep { No, Yes };
  explicit ImageBuilder(Keep keep = Keep::No);
  ~ImageBuilder();
  ImageBuilder(const ImageBuilder&) = delete;
  ImageBuilder& operator=(const ImageBuilder&) = delete;

  // The host folder of the image.
  const std::string& Folder() const { return folder_; }

  // Windows 95 (4.0.950) in C:\WINDOWS, the default machine.
  ImageBuilder& Windows95();
  // Windows NT 4.0 (build 1381, Service Pack 6) in C:\WINNT.
  ImageBuilder& WindowsNt4();
  // One line of machine.ini, replacing an earlier one of the same key.
  ImageBuilder& Fact(std::string_view section, std::string_view key, std::string_view value);

  // A drive in the image's folder for it ("d" for D:).
  ImageBuilder& Drive(char letter, platform::DriveType type, std::string_view label = "");
  // A drive that is another host folder (as Z: is "/" for build fixtures).
  ImageBuilder& MapDrive(char letter, const std::string& hostFolder,
                         platform::DriveType type = platform::DriveType::Fixed);

  // A file with its folders; paths are Windows paths on the image's drives.
  ImageBuilder& File(const std::string& path, const platform::Bytes& content, const FileOptions& options = {});
  ImageBuilder& File(const std::string& path, std::string_view text, const FileOptions& options = {});
  // A file of `size` zero bytes.
  ImageBuilder& SizedFile(const std::string& path, uint64_t size, const FileOptions& options = {});
  ImageBuilder& Dir(const std::string& path);

  // Registry keys and values ("HKEY_LOCAL_MACHINE\\SOFTWARE\\X" or "HKLM\\...").
  ImageBuilder& RegistryKey(const std::string& keyPath);
  ImageBuilder& Registry(const std::string& keyPath, const std::string& name, std::string_view text);
  ImageBuilder& RegistryDword(const std::string& keyPath, const std::string& name, uint32_t value);
  ImageBuilder& RegistryValue(const std::string& keyPath, const std::string& name, uint32_t type,
                              const platform::Bytes& data);
  // REGEDIT4 lines ("[key]", "name"=data), without the header line.
  ImageBuilder& RegistryText(std::string_view lines);

  ImageBuilder& FileInUse(const std::string& path);
  // A registry key that refuses writes to itself and the keys below it.
  ImageBuilder& ProtectedKey(const std::string& keyPath);
  // The exit code of a command line, exactly as CreateProcess will get it.
  ImageBuilder& ExitCode(const std::string& commandLine, uint32_t exitCode);
  ImageBuilder& Answer(platform::Answer answer);
  // The Open-file dialog's next answer; nothing is Cancel.
  ImageBuilder& OpenFileAnswer(std::optional<std::string> path);

  // Writes the image and opens it; null with Error() set when it is
  // malformed (or an earlier call failed).
  std::unique_ptr<EmulatedMachine> Open();
  const std::string& Error() const { return error_; }

  // Where a Windows path of the image lives on the host.
  std::filesystem::path HostPath(const std::string& path) const;

  // A UTC file time.
  static platform::FileTime Time(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

 private:
  ImageBuilder& Windows(std::initializer_list<std::pair<std::string_view, std::string_view>> facts);
  std::filesystem::path DriveFolder(char letter) const;
  void Fail(const std::string& message);
  bool Place(const std::string& path, std::filesystem::path& host);
  void Finish(const std::string& path, const std::filesystem::path& host, const FileOptions& options);
  RegNode* Key(const std::string& keyPath);

  std::string folder_;
  Keep keep_;
  // Merges the registry values and attributes given since the last Open()
  // into the image's files.
  bool WritePending();

  IniDocument facts_;
  RegistryTree registry_;  // values not yet written
  std::vector<std::pair<std::string, uint32_t>> attributes_;  // not yet written
  std::string error_;
};

}  // namespace cvn::emulated
