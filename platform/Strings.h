// The numbered texts of the string table (LoadString), and the conversion
// of the program's ANSI texts for formats that are read elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace cvn::platform {

class Strings {
 public:
  virtual ~Strings() = default;
  // The text of string `id`, or empty when the table has none.
  virtual std::string Load(int id) = 0;
  // `ansi`, read in the machine's ANSI code page, as UTF-8. Every byte
  // sequence gives valid UTF-8.
  virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
};

}  // namespace cvn::platform
