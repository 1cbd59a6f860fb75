// Icons and text order on the emulated machine.
#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Shell.h"

namespace cvn::emulated {

class EmulatedShell : public platform::Shell {
 public:
  explicit EmulatedShell(platform::FileSystem& files) : files_(files) {}

  // A handle made from the id; 0 when the program links no icon of that
  // number, as LoadIcon fails on Windows.
  platform::IconHandle LoadIcon(int id) override;
  // Non-zero when the PE file has an icon group at that index (a negative
  // index names the group by id), or the .ico file has that many images.
  platform::IconHandle ExtractIcon(const std::string& path, int index) override;
  int CompareText(const std::string& a, const std::string& b) override;
  // Records the document; true when the file exists.
  bool OpenDocument(const std::string& path) override;

  const std::vector<std::string>& OpenedDocuments() const { return opened_; }

 private:
  platform::FileSystem& files_;
  std::vector<std::string> opened_;
};

}  // namespace cvn::emulated
