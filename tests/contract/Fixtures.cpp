#include <string>

#include "tests/contract/Contract.h"

namespace cvn::test {

std::string FixturePath(const std::string& name) {
  std::string path = "Z:" CORVANE_FIXTURE_DIR "/" + name;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace cvn::test
