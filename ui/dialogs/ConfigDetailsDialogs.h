// The details behind the minimum requirements rows: Windows version and
// video (105, "Configuration Details"), the fixed disks (107) and the
// CONFIG.SYS/AUTOEXEC.BAT viewer (a sheet of pages 109 and 110).
#pragma once

#include <array>
#include <string>

#include "config/RunContext.h"
#include "config/SystemProfile.h"
#include "ui/DialogLogic.h"
#include "ui/PageLogic.h"

namespace cvn {

class CDetailsDialog : public DialogLogic {
 public:
  // Heading, three labels, three values.
  using Texts = std::array<std::string, 7>;

  explicit CDetailsDialog(Texts texts);
  static CDetailsDialog WindowsVersion(platform::Strings& strings, const SystemProfile& measured);
  static CDetailsDialog Video(platform::Strings& strings, const SystemProfile& measured);

  void OnInitDialog(ControlSurface& surface) override;

 private:
  Texts texts_;
};

class CDiskDetailsDialog : public DialogLogic {
 public:
  CDiskDetailsDialog(RunContext& context, const SystemProfile& measured);
  // Three columns, then one row per fixed disk from C to Z, then the
  // temporary space figures.
  void OnInitDialog(ControlSurface& surface) override;

 private:
  RunContext& context_;
  const SystemProfile& measured_;
};

// One page of the viewer: the lines of one file, read on first activation.
class CConfigFilePage : public PageLogic {
 public:
  CConfigFilePage(RunContext& context, int dialogId, std::string path, int avgCharWidth);
  bool OnSetActive(ControlSurface& surface) override;

 private:
  RunContext& context_;
  std::string path_;
  int avgCharWidth_;
  bool filled_ = false;
};

class CConfigSys : public CConfigFilePage {
 public:
  CConfigSys(RunContext& context, int avgCharWidth);
};
class CAutoexecBat : public CConfigFilePage {
 public:
  CAutoexecBat(RunContext& context, int avgCharWidth);
};

}  // namespace cvn
