// Icons: the program's own icon resources and the first icon inside a file
// (ExtractIcon). Handles are opaque to the core; 0 means no icon.
#pragma once

#include <cstdint>
#include <string>

namespace cvn::platform {

using IconHandle = uintptr_t;

class Shell {
 public:
  virtual ~Shell() = default;
  // LoadIcon of the program's icon resource `id`.
  virtual IconHandle LoadIcon(int id) = 0;
  // ExtractIcon(path, index): 0 when the file holds no such icon.
  virtual IconHandle ExtractIcon(const std::string& path, int index) = 0;
  // lstrcmp: the user locale's collation order, <0, 0 or >0.
  virtual int CompareText(const std::string& a, const std::string& b) = 0;
  // ShellExecute "open": the document in the program Windows associates
  // with it; false when nothing could open it.
  virtual bool OpenDocument(const std::string& path) = 0;
};

}  // namespace cvn::platform
