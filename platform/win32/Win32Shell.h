// Icons and collation through user32, shell32 and kernel32.
#pragma once

#include "platform/Shell.h"

namespace cvn::platform::win32 {

class Win32Shell final : public Shell {
 public:
  IconHandle LoadIcon(int id) override;
  IconHandle ExtractIcon(const std::string& path, int index) override;
  int CompareText(const std::string& a, const std::string& b) override;
  bool OpenDocument(const std::string& path) override;
};

}  // namespace cvn::platform::win32
