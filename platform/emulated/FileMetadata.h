// What the host file system cannot keep for a Windows file: its attributes
// and the short name it was given. Kept in "files.ini" in the image, one
// section per entry, named by the entry's upper-case Windows path.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace cvn::emulated {

class FileMetadata {
 public:
  FileMetadata() = default;
  // A missing file is an empty store; a malformed one fails with `error`.
  static std::optional<FileMetadata> Load(const std::filesystem::path& file, std::string& error);
  // Writes the store back to the file it was loaded from.
  bool Save() const;

  std::optional<uint32_t> Attributes(const std::string& key) const;
  void SetAttributes(const std::string& key, uint32_t attributes);
  // Empty when the entry was not given one.
  std::string ShortName(const std::string& key) const;
  void SetShortName(const std::string& key, const std::string& shortName);

  // Forgets the entry and everything below it.
  void Forget(const std::string& key);
  // Moves the facts of an entry and everything below it to a new path.
  void Move(const std::string& from, const std::string& to);

 private:
  struct Record {
    std::optional<uint32_t> attributes;
    std::string shortName;
  };
  std::filesystem::path file_;
  std::map<std::string, Record> records_;
};

}  // namespace cvn::emulated
