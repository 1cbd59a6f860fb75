#include "platform/emulated/RegistryStore.h"

#include "platform/emulated/HostFile.h"
#include "platform/emulated/RegFile.h"

namespace cvn::emulated {

std::optional<RegistryStore> RegistryStore::Load(const std::filesystem::path& file, std::string& error) {
  RegistryStore store;
  store.file_ = file;
  const auto text = ReadHostFile(file);
  if (!text) return store;
  if (const auto failure = ReadRegFile(*text, store.tree_)) {
    error = file.filename().string() + " line " + std::to_string(failure->line) + ": " + failure->message;
    return std::nullopt;
  }
  return store;
}

bool RegistryStore::Save() { return WriteHostFileAtomically(file_, WriteRegFile(tree_)); }

}  // namespace cvn::emulated
