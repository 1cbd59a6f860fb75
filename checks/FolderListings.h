// One listing per folder, shared by the second-copy searches of the file
// checks while a caller checks many files at once (a list, the report):
// each file then costs no lookup of its own in the other folders.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/FileSystem.h"

namespace cvn {

struct RunContext;

class FolderListings {
 public:
  explicit FolderListings(platform::FileSystem& files) : files_(files) {}

  // True when `folder` (with its trailing backslash) holds a file, not a
  // folder, of that name, long or short, without regard to case: what
  // FindFirstFile on folder + name would say.
  bool HoldsFile(const std::string& folder, const std::string& name);

 private:
  using Names = std::unordered_set<std::string>;
  const Names& Listing(const std::string& folder);

  platform::FileSystem& files_;
  std::unordered_map<std::string, Names> listings_;  // by lower-case folder
};

// While it lives, the file checks of the run share folder listings. Hold
// one only while nothing changes the files, as the listings are not read
// again.
class SharedFolderListings {
 public:
  explicit SharedFolderListings(RunContext& context);
  ~SharedFolderListings();
  SharedFolderListings(const SharedFolderListings&) = delete;
  SharedFolderListings& operator=(const SharedFolderListings&) = delete;

 private:
  RunContext& context_;
  FolderListings listings_;
  FolderListings* previous_;
};

}  // namespace cvn
