// The file details sheet "File Details": the General page always, the
// Version page when the file has version information, the Dependent Files
// page when it imports modules. The recent-changes list opens it in its
// compare form, whose columns read "Current:" and "Previous:".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/Types.h"
#include "ui/PageLogic.h"
#include "ui/UiHost.h"

namespace cvn {

class CFileGeneral : public PageLogic {
 public:
  CFileGeneral(RunContext& context, const FileItem& item, std::string path, bool compare);
  bool OnSetActive(ControlSurface& surface) override;

 private:
  RunContext& context_;
  const FileItem& item_;
  std::string path_;
  bool compare_;
  bool filled_ = false;
};

class CFileVersion : public PageLogic {
 public:
  // `block` is the file's version resource.
  CFileVersion(RunContext& context, platform::Bytes block);
  bool OnSetActive(ControlSurface& surface) override;

 private:
  void ShowStrings(ControlSurface& surface, const std::string& prefix);

  RunContext& context_;
  platform::Bytes block_;
  bool filled_ = false;
};

class CFileDependent : public PageLogic {
 public:
  CFileDependent(RunContext& context, std::vector<std::string> modules);
  bool OnSetActive(ControlSurface& surface) override;

 private:
  RunContext& context_;
  std::vector<std::string> modules_;  // as the import list names them
  bool filled_ = false;
};

// The modules a PE file imports, in import order; nothing when the file
// cannot be read or is no PE file.
std::optional<std::vector<std::string>> ReadImportNames(platform::Machine& machine, const std::string& path);

class CFileDetails {
 public:
  // `category` names the file section (Program, DLL, Control, Driver Info).
  CFileDetails(RunContext& context, const ConfigDatabase& database, const std::string& fileName, SectionId category,
               bool compare);

  // False when the section holds no such file: nothing is shown.
  bool Found() const { return general_ != nullptr; }
  // Runs the sheet modally over the host's active window.
  void Run(UiHost& host);
  std::vector<PageLogic*> Pages() const;

 private:
  RunContext& context_;
  std::unique_ptr<CFileGeneral> general_;
  std::unique_ptr<CFileVersion> version_;
  std::unique_ptr<CFileDependent> dependent_;
};

}  // namespace cvn
