#include "checks/FolderListings.h"

#include "config/RunContext.h"
#include "config/TextCase.h"

namespace cvn {

namespace {

// Names the platform might match otherwise than by plain comparison
// (wildcards, a trailing dot or blank, letters outside ASCII) are looked up.
bool PlainName(const std::string& name) {
  if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
  for (const char c : name) {
    if (c == '*' || c == '?' || static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

bool FolderListings::HoldsFile(const std::string& folder, const std::string& name) {
  if (!PlainName(name)) {
    platform::FindData data;
    return files_.FindFirst(folder + name, data) != nullptr && (data.attributes & platform::attr::kDirectory) == 0;
  }
  return Listing(folder).contains(ToLower(name));
}

const FolderListings::Names& FolderListings::Listing(const std::string& folder) {
  const auto [entry, added] = listings_.try_emplace(ToLower(folder));
  if (!added) return entry->second;
  platform::FindData data;
  const auto search = files_.FindFirst(folder + "*.*", data);
  for (bool more = search != nullptr; more; more = search->Next(data)) {
    if ((data.attributes & platform::attr::kDirectory) != 0) continue;
    entry->second.insert(ToLower(data.name));
    if (!data.shortName.empty()) entry->second.insert(ToLower(data.shortName));
  }
  return entry->second;
}

SharedFolderListings::SharedFolderListings(RunContext& context)
    : context_(context), listings_(context.machine.Files()), previous_(context.folderListings) {
  context_.folderListings = &listings_;
}

SharedFolderListings::~SharedFolderListings() { context_.folderListings = previous_; }

}  // namespace cvn
