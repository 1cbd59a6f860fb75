#include "config/Locations.h"

#include "config/PathSpec.h"
#include "config/TextCase.h"

namespace cvn {

namespace {

// The drive letter of a folder, upper case; `otherwise` for an empty folder.
char DriveOf(const std::string& folder, char otherwise) {
  return folder.empty() ? otherwise : ToUpperChar(folder.front());
}

const std::string kNoFolder;

}  // namespace

bool Locations::IsBuiltIn(LocationCode code) {
  return std::string_view("WSTX12").find(code) != std::string_view::npos;
}

template <class Self>
auto* Locations::Slot(Self& self, LocationCode code) {
  switch (code) {
    case 'W': return &self.windows_;
    case 'S': return &self.system_;
    case 'T': return &self.temp_;
    case 'X': return &self.own_;
    case '1': return &self.application_;
    case '2': return &self.second_;
    default: return static_cast<decltype(&self.windows_)>(nullptr);
  }
}

const std::string& Locations::Folder(LocationCode code) const {
  const std::string* slot = Slot(*this, code);
  return slot != nullptr ? *slot : kNoFolder;
}

void Locations::SetFolder(LocationCode code, std::string_view folder) {
  if (std::string* slot = Slot(*this, code)) *slot = folder.substr(0, kFolderCapacity - 1);
}

bool Locations::AppOnCdRom() const { return cdromFound && ToUpperChar(applicationDrive) == cdromDrive; }

bool Locations::AppOnFloppy() const {
  const char drive = ToUpperChar(applicationDrive);
  return drive == 'A' || drive == 'B';
}

void Locations::EnsureFilled(platform::Machine& machine) {
  if (filled_) return;
  filled_ = true;
  platform::FileSystem& files = machine.Files();

  SetFolder('W', files.WindowsDirectory());
  windowsDrive = DriveOf(windows_, windowsDrive);
  SetFolder('S', files.SystemDirectory());
  SetFolder('T', files.TempPath());
  const std::string tempFolder = DisplayForm(temp_);
  platform::FindData found;
  if (!tempFolder.empty() && files.FindFirst(tempFolder, found) == nullptr) {
    files.CreateDirectory(tempFolder);
  }
  SetFolder('1', DirectoryForm(files.ProgramPath()));
  applicationDrive = DriveOf(application_, applicationDrive);
  SetFolder('X', application_);
  ownDrive = applicationDrive;

  for (char drive = 'c'; drive <= 'z'; ++drive) {
    if (files.GetDriveType(std::string(1, drive) + ":\\") == platform::DriveType::CdRom) {
      cdromDrive = ToUpperChar(drive);
      cdromFound = true;
      break;
    }
  }
}

}  // namespace cvn
