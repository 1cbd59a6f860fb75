// The numbered texts of the string table (LoadString).
#pragma once

#include <string>

namespace cvn::platform {

class Strings {
 public:
  virtual ~Strings() = default;
  // The text of string `id`, or empty when the table has none.
  virtual std::string Load(int id) = 0;
};

}  // namespace cvn::platform
