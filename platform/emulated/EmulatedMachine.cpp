#include "platform/emulated/EmulatedMachine.h"

#include <system_error>

#include "platform/emulated/HostFile.h"

namespace cvn::emulated {

namespace fs = std::filesystem;

std::unique_ptr<EmulatedMachine> EmulatedMachine::Open(const std::string& imageDir, std::string& error) {
  const fs::path root(imageDir);
  if (!DiskImage::IsFolder(root)) {
    error = "machine image \"" + imageDir + "\" is not a folder";
    return nullptr;
  }
  const auto factsText = ReadHostFile(root / "machine.ini");
  auto facts = ParseMachineFacts(factsText.value_or(""), error);
  if (!facts) return nullptr;
  auto registry = RegistryStore::Load(root / "registry.reg", error);
  if (!registry) return nullptr;
  auto metadata = FileMetadata::Load(root / "files.ini", error);
  if (!metadata) return nullptr;
  std::unique_ptr<EmulatedMachine> machine(
      new EmulatedMachine(imageDir, std::move(*facts), std::move(*registry), std::move(*metadata)));
  machine->MakeStandardFolders();
  return machine;
}

EmulatedMachine::EmulatedMachine(std::string imageDir, MachineFacts facts, RegistryStore registry,
                                 FileMetadata metadata)
    : imageDir_(std::move(imageDir)),
      facts_(std::move(facts)),
      registryStore_(std::move(registry)),
      metadata_(std::move(metadata)),
      disk_(fs::path(imageDir_), facts_.drives) {
  pending_ = std::make_unique<emulated::PendingRenames>(registryStore_);
  files_ = std::make_unique<EmulatedFileSystem>(facts_, disk_, metadata_, *pending_);
  profile_ = std::make_unique<EmulatedProfile>(*files_);
  registry_ = std::make_unique<EmulatedRegistry>(registryStore_, facts_.protectedKeys, facts_.windowsBits == 64);
  versions_ = std::make_unique<EmulatedVersionInfo>(*files_);
  system_ = std::make_unique<EmulatedSystemInfo>(facts_);
  processes_ = std::make_unique<EmulatedProcesses>(facts_);
  prompts_ = std::make_unique<EmulatedPrompts>(facts_);
  strings_ = std::make_unique<EmulatedStrings>();
  shell_ = std::make_unique<EmulatedShell>(*files_);
}

void EmulatedMachine::MakeStandardFolders() {
  std::error_code ec;
  for (const auto& drive : facts_.drives) {
    // Drives mapped to other host folders are used as they are.
    const fs::path folder(drive.hostFolder);
    if (!folder.is_absolute() && drive.media) fs::create_directories(fs::path(imageDir_) / folder, ec);
  }
  const std::string programFolder = facts_.programPath.substr(0, facts_.programPath.find_last_of('\\'));
  const std::string* const folders[] = {&facts_.windowsFolder, &facts_.systemFolder, &facts_.tempFolder,
                                        &programFolder, &facts_.currentFolder, &facts_.wow64Folder};
  for (const std::string* folder : folders) {
    const auto path = ResolvePath(*folder, WinPath{});
    if (!path) continue;
    // One level at a time, as a setup program makes them.
    WinPath partial{path->drive, {}};
    for (const auto& part : path->parts) {
      partial.parts.push_back(part);
      if (files_->GetAttributes(partial.Text()) == platform::attr::kInvalid) files_->CreateDirectory(partial.Text());
    }
  }
  // The running program is always on the disk.
  if (files_->GetAttributes(facts_.programPath) == platform::attr::kInvalid) files_->WriteFile(facts_.programPath, {});
}

}  // namespace cvn::emulated
