#include "tools/cvntool/FixCommand.h"

#include <string>
#include <vector>

#include "checks/FileCheck.h"
#include "checks/SettingCheck.h"
#include "config/ConfigDatabase.h"
#include "config/ItemStatus.h"
#include "config/PathSpec.h"
#include "config/TextCase.h"
#include "config/VisibleText.h"
#include "fixes/FileFix.h"
#include "fixes/ScriptedFixConfirmations.h"
#include "fixes/SettingConfirmationFields.h"
#include "fixes/SettingFix.h"
#include "tools/cvntool/LoadDatabase.h"
#include "util/text/WindowsPath.h"
#include "checks/ItemChecks.h"

namespace cvn::tool {

namespace {

// One item the checks found wrong.
struct Finding {
  SectionId section = SectionId::ProgramInfo;
  size_t itemIndex = 0;
  std::string name;
  bool fixable = true;
};

bool IsFileSection(SectionId section) { return KindOf(section) == SectionKind::File; }

// The sections whose items cvntool fix repairs, in database order.
constexpr SectionId kFixableSections[] = {SectionId::ProgramInfo, SectionId::DllInfo, SectionId::ControlInfo,
                                          SectionId::DriverInfo,  SectionId::IniInfo, SectionId::RegistryInfo};

bool Selected(const Options& options, const std::string& name) {
  if (options.items.empty()) return true;
  for (const auto& wanted : options.items) {
    if (EqualsNoCase(wanted, name) || EqualsNoCase(wanted, FileNameOf(name))) return true;
  }
  return false;
}

// The status of one item after its check; 0 when it has no problem.
int CheckedStatus(RunContext& context, ConfigDatabase& database, SectionId section, ConfigItem& item) {
  if (auto* file = dynamic_cast<FileItem*>(&item)) return CheckItem(context, database, *file).result;
  auto* setting = dynamic_cast<SettingItem*>(&item);
  if (setting == nullptr) return 0;
  const SectionType type = section == SectionId::IniInfo ? SectionType::IniSetting : SectionType::RegistrySetting;
  return CheckItem(context, database, *setting, type).status;
}

std::vector<Finding> CollectFindings(RunContext& context, ConfigDatabase& database, const Options& options) {
  std::vector<Finding> findings;
  for (const SectionId id : kFixableSections) {
    const ConfigSection* section = database.GetSection(id);
    for (size_t i = 0; section != nullptr && i < section->Count(); ++i) {
      ConfigItem& item = section->Item(i);
      if (!Selected(options, item.Name())) continue;
      const int status = CheckedStatus(context, database, id, item);
      if (status == 0) continue;
      findings.push_back({id, i, item.Name(), !IsFileSection(id) || FileFixAllowed(status)});
    }
  }
  return findings;
}

std::string Heading(const Finding& finding) {
  std::string heading = "[";
  heading.append(StandardSectionName(finding.section));
  heading.append("] ").append(finding.name).append(": ");
  return heading;
}

const char* kNoFixForFolder = "skipped (the file is in another folder than expected; no fix is offered)";

std::string PlanText(FixSession& session, const Finding& finding) {
  if (!finding.fixable) return kNoFixForFolder;
  if (!IsFileSection(finding.section)) {
    SettingItem* item = FindSettingItem(session, {finding.section, finding.itemIndex, FixMode::Fix, {}});
    const SectionType type = session.database.GetSection(finding.section)->Type();
    return "write '" + VisibleText(MakeSettingConfirmation(session.context, *item, type).proposal) + "'";
  }
  FileFixSource found;
  if (FindFileFixSource(session, {finding.section, finding.name, FixMode::Fix, {}}, found) != platform::kSOk) {
    return "no acceptable replacement found";
  }
  const char* verb = found.item->status == filestatus::kNotFound ? "copy to " : "replace ";
  return verb + DisplayForm(found.target) + " from " + DisplayForm(found.source);
}

// Carries one repair out; true when it took effect (now or at restart).
bool Repair(FixSession& session, ScriptedFixConfirmations& confirmations, const Finding& finding,
            std::ostream& out) {
  out << Heading(finding);
  if (!finding.fixable) {
    out << kNoFixForFolder << '\n';
    return false;
  }
  const size_t refusals = confirmations.refusals.size();
  const FixResult result = IsFileSection(finding.section)
                               ? FixFile(session, {finding.section, finding.name, FixMode::Fix, {}})
                               : FixSetting(session, {finding.section, finding.itemIndex, FixMode::Fix, {}});
  // A proposal the setting's type cannot take was refused by the dialog.
  const std::string& message =
      confirmations.refusals.size() > refusals ? confirmations.refusals.back() : result.message;
  switch (result.outcome) {
    case FixOutcome::Done:
      out << "fixed\n";
      return true;
    case FixOutcome::AtRestart:
      out << "fixed at restart\n";
      return true;
    case FixOutcome::Declined:
      out << "skipped (" << (message.empty() ? "declined" : message) << ")\n";
      return false;
    default:
      out << "failed (" << (message.empty() ? "the item cannot be fixed" : message) << ")\n";
      return false;
  }
}

// Names given with --item that no item of the file and setting sections has.
std::vector<std::string> UnknownItems(const ConfigDatabase& database, const Options& options) {
  std::vector<std::string> unknown;
  for (const auto& wanted : options.items) {
    bool known = false;
    for (const SectionId id : kFixableSections) {
      if (known) break;
      const ConfigSection* section = database.GetSection(id);
      for (size_t i = 0; section != nullptr && i < section->Count() && !known; ++i) {
        const std::string& name = section->Item(i).Name();
        known = EqualsNoCase(wanted, name) || EqualsNoCase(wanted, FileNameOf(name));
      }
    }
    if (!known) unknown.push_back(wanted);
  }
  return unknown;
}

}  // namespace

int RunFix(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return 2;
  }
  ConfigDatabase database;
  if (!LoadForChecks(context, database, options.operands[0], errors)) return 1;
  bool allDone = true;
  for (const auto& name : UnknownItems(database, options)) {
    out << name << ": skipped (no such item in the file and setting sections)\n";
    allDone = false;
  }
  const std::vector<Finding> findings = CollectFindings(context, database, options);
  if (findings.empty()) out << "nothing to fix\n";
  ScriptedFixConfirmations confirmations(ScriptedFixConfirmations::Default::Yes);
  FixSession session(context, database, confirmations);
  for (const auto& finding : findings) {
    if (!options.yes) {
      out << Heading(finding) << PlanText(session, finding) << '\n';
      continue;
    }
    allDone = Repair(session, confirmations, finding, out) && allDone;
  }
  return allDone ? 0 : 1;
}

}  // namespace cvn::tool
