// A Windows machine emulated from a machine image folder: the drives, the
// registry ("registry.reg"), the facts ("machine.ini") and the attributes
// and short names of files ("files.ini"). See docs/machine-image.md.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Machine.h"
#include "platform/emulated/DiskImage.h"
#include "platform/emulated/EmulatedFileSystem.h"
#include "platform/emulated/EmulatedProcesses.h"
#include "platform/emulated/EmulatedProfile.h"
#include "platform/emulated/EmulatedPrompts.h"
#include "platform/emulated/EmulatedRegistry.h"
#include "platform/emulated/EmulatedShell.h"
#include "platform/emulated/EmulatedStrings.h"
#include "platform/emulated/EmulatedSystemInfo.h"
#include "platform/emulated/EmulatedVersionInfo.h"
#include "platform/emulated/FileMetadata.h"
#include "platform/emulated/MachineFacts.h"
#include "platform/emulated/PendingRenames.h"
#include "platform/emulated/RegistryStore.h"

namespace cvn::emulated {

class EmulatedMachine : public platform::Machine {
 public:
  // Null, and `error` saying which file and line, when the image is
  // malformed. Missing drive, Windows, System, temporary, program and
  // current folders and the program file are made in the image.
  static std::unique_ptr<EmulatedMachine> Open(const std::string& imageDir, std::string& error);

  platform::FileSystem& Files() override { return *files_; }
  platform::Profile& Ini() override { return *profile_; }
  platform::Registry& Reg() override { return *registry_; }
  platform::VersionInfo& Versions() override { return *versions_; }
  platform::SystemInfo& System() override { return *system_; }
  platform::Processes& Procs() override { return *processes_; }
  platform::Prompts& Ask() override { return *prompts_; }
  platform::Strings& Texts() override { return *strings_; }
  platform::Shell& Desktop() override { return *shell_; }

  // ---- what a test arranges ----
  void QueueAnswer(platform::Answer answer) { prompts_->QueueAnswer(answer); }
  void QueueOpenFile(std::optional<std::string> path) { prompts_->QueueOpenFile(std::move(path)); }
  void SetShiftKey(bool down) { prompts_->SetShiftKey(down); }
  void MarkInUse(const std::string& path, bool inUse = true) { files_->MarkInUse(path, inUse); }
  void SetExitCode(const std::string& commandLine, uint32_t exitCode) { processes_->SetExitCode(commandLine, exitCode); }

  // ---- what a test looks at ----
  const std::vector<RecordedMessage>& Messages() const { return prompts_->Messages(); }
  const std::vector<RecordedOpenFile>& OpenFileRequests() const { return prompts_->OpenFileRequests(); }
  int WaitCursorDepth() const { return prompts_->WaitCursorDepth(); }
  const std::vector<StartedProcess>& StartedProcesses() const { return processes_->Started(); }
  const std::vector<uint32_t>& RestartRequests() const { return processes_->RestartRequests(); }
  const std::vector<std::string>& OpenedDocuments() const { return shell_->OpenedDocuments(); }
  std::vector<PendingRename> PendingRenames() const { return pending_->List(); }
  size_t OpenRegistryKeys() const { return registry_->OpenHandles(); }
  const MachineFacts& Facts() const { return facts_; }
  const std::string& ImageFolder() const { return imageDir_; }
  // The host file behind a Windows path (where a new one would go when
  // the path does not exist yet).
  std::optional<std::filesystem::path> HostPath(const std::string& path) { return files_->HostPath(path); }

 private:
  EmulatedMachine(std::string imageDir, MachineFacts facts, RegistryStore registry, FileMetadata metadata);
  // Windows, System, temporary, program and current folders that the
  // image lacks, and the program file.
  void MakeStandardFolders();

  std::string imageDir_;
  MachineFacts facts_;
  RegistryStore registryStore_;
  FileMetadata metadata_;
  DiskImage disk_;
  std::unique_ptr<emulated::PendingRenames> pending_;
  std::unique_ptr<EmulatedFileSystem> files_;
  std::unique_ptr<EmulatedProfile> profile_;
  std::unique_ptr<EmulatedRegistry> registry_;
  std::unique_ptr<EmulatedVersionInfo> versions_;
  std::unique_ptr<EmulatedSystemInfo> system_;
  std::unique_ptr<EmulatedProcesses> processes_;
  std::unique_ptr<EmulatedPrompts> prompts_;
  std::unique_ptr<EmulatedStrings> strings_;
  std::unique_ptr<EmulatedShell> shell_;
};

}  // namespace cvn::emulated
