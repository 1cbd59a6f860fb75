// What a harvest found on the machine, before it is written as a .cdb:
// the application's files, settings and COM registrations as they stand.
#pragma once

#include <string>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/Guid.h"
#include "util/text/WindowsPath.h"

namespace cvn::tool {

struct HarvestedFile {
  SectionId section = SectionId::DllInfo;
  std::string name;     // as the folder lists it
  std::string folder;   // full path, no trailing backslash
  std::string version;  // the version text the check compares; empty without one
};

struct HarvestedSetting {
  SectionId section = SectionId::IniInfo;  // or RegistryInfo
  std::string location;                    // file\section\key or root\key\value
  std::string value;                       // the one expected value
};

struct HarvestedClass {
  SectionId section = SectionId::OleServerInfo;  // or ControlRegistryInfo
  std::string name;
  std::string serverFile;
  std::string folder;
  std::string progId;
  std::string version;
  Guid clsid;
  Guid typeLib;
};

struct HarvestedTypeLib {
  SectionId section = SectionId::TypeLibraryInfo;
  std::string name;
  std::string file;
  std::string folder;
  std::string helpFolder;
  std::string version;
  Guid libId;
};

struct Harvest {
  std::string appFolder;  // full path, no trailing backslash
  std::string appName;
  std::string appFileName;
  std::string signatureFileName;  // empty when no DLL is the application's own
  bool appWin32 = true;
  std::string company;  // the program's CompanyName; empty when it names none
  std::string cdLabel;
  std::string cdFolder;  // on the CD, without drive
  std::vector<HarvestedFile> files;
  std::vector<HarvestedSetting> settings;
  std::vector<HarvestedClass> classes;
  std::vector<HarvestedTypeLib> typeLibs;
};

// The machine's folders that have built-in location codes besides the
// application's.
struct MachineFolders {
  std::string system;
  std::string windows;
};

// `path` is `folder` or lies below it (no regard to case).
bool IsAtOrBelow(const std::string& path, const std::string& folder);

}  // namespace cvn::tool
