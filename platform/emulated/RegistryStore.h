// The registry of an image: the tree loaded from "registry.reg" and written
// back after every change, so that a run's changes stay in the image.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/emulated/RegistryTree.h"

namespace cvn::emulated {

class RegistryStore {
 public:
  // A missing file is an empty registry; a malformed one fails with
  // `error` naming the line.
  static std::optional<RegistryStore> Load(const std::filesystem::path& file, std::string& error);

  RegistryTree& Tree() { return tree_; }
  bool Save();

 private:
  std::filesystem::path file_;
  RegistryTree tree_;
};

}  // namespace cvn::emulated
