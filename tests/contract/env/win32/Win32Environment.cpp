// The contract environment of the real Win32 platform (Wine in our runs):
// the machine is the real one, and each test gets its own folder under the
// temporary folder, removed with everything in it when the test ends.
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/ExclusiveFile.h"
#include "platform/win32/Win32Machine.h"
#include "tests/contract/Contract.h"

namespace cvn::test {
namespace {

using platform::FileSystem;

bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

// Deletes a folder and all it holds; read-only entries are made writable first.
void RemoveTree(FileSystem& files, const std::string& folder) {
  platform::FindData entry;
  std::vector<std::string> subfolders;
  if (auto search = files.FindFirst(folder + "\\*", entry)) {
    do {
      if (IsDotEntry(entry.name)) continue;
      const std::string path = folder + "\\" + entry.name;
      files.SetAttributes(path, platform::attr::kNormal);
      if ((entry.attributes & platform::attr::kDirectory) != 0) {
        subfolders.push_back(path);
      } else {
        files.DeleteFile(path);
      }
    } while (search->Next(entry));
  }
  for (const auto& subfolder : subfolders) RemoveTree(files, subfolder);
  files.RemoveDirectory(folder);
}

// A folder name no earlier test of this or another run has left behind:
// the clock and a counter, retried while the name is taken.
std::string CreateUniqueFolder(FileSystem& files) {
  static unsigned counter = 0;
  const std::string base = files.TempPath() + "cvn-contract-";
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string folder = base + std::to_string(ticks) + "-" + std::to_string(++counter);
    if (files.CreateDirectory(folder)) return folder;
  }
  ADD_FAILURE() << "cannot create a scratch folder under " << base;
  return base + "unavailable";
}

class Win32Environment final : public ContractEnvironment {
 public:
  Win32Environment() : machine_(platform::win32::CreateWin32Machine()) {}

  ~Win32Environment() override {
    // Files held open cannot be deleted, so they are let go first.
    held_.clear();
    if (!scratch_.empty()) RemoveTree(machine_->Files(), scratch_);
  }

  platform::Machine& Machine() override { return *machine_; }

  std::string ScratchFolder() override {
    if (scratch_.empty()) scratch_ = CreateUniqueFolder(machine_->Files());
    return scratch_;
  }

  void HoldOpen(const std::string& path) override {
    auto file = platform::win32::ExclusiveFile::Open(path);
    if (!file) {
      ADD_FAILURE() << "cannot hold " << path << " open";
      return;
    }
    held_.push_back(std::move(file));
  }

  bool IsWin32() const override { return true; }

 private:
  std::unique_ptr<platform::Machine> machine_;
  std::string scratch_;
  std::vector<std::unique_ptr<platform::win32::ExclusiveFile>> held_;
};

}  // namespace

std::unique_ptr<ContractEnvironment> MakeContractEnvironment(WindowsWanted) {
  return std::make_unique<Win32Environment>();
}

}  // namespace cvn::test
