#include "fixes/SettingFix.h"

#include "checks/ItemChecks.h"
#include "checks/SettingCheck.h"
#include "checks/SettingRead.h"
#include "config/ItemStatus.h"
#include "config/SettingLocation.h"
#include "config/TextCase.h"
#include "fixes/SettingConfirmationFields.h"
#include "fixes/SettingData.h"
#include "platform/RegistryKey.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

constexpr size_t kMaxValueLength = 259;
constexpr int32_t kErrorAccessDenied = 5;

namespace regtype = platform::regtype;

SectionType TypeOf(SectionId section) {
  return section == SectionId::IniInfo ? SectionType::IniSetting : SectionType::RegistrySetting;
}

void TellRefused(FixSession& session, const SettingItem& item, const std::string& reason) {
  session.Tell(session.Text(IDS_CANNOT_WRITE, {item.Location(), reason}));
}

std::string RegistryReason(FixSession& session, int32_t error) {
  if (error == kErrorAccessDenied) return session.Text(IDS_ACCESS_DENIED);
  return session.Text(IDS_SYSTEM_ERROR, {std::to_string(error)});
}

bool WriteIni(FixSession& session, const SettingItem& item, const std::string& text) {
  const auto location = ParseIniLocation(item.Location());
  if (!location) return false;
  const std::string file = IniFileToWrite(session.context, *location);
  if (session.context.machine.Ini().WriteString(location->section, location->key, text, file)) return true;
  TellRefused(session, item, session.Text(IDS_FILE_NOT_WRITABLE));
  return false;
}

bool WriteRegistry(FixSession& session, const SettingItem& item, const std::string& text, uint32_t type) {
  const auto location = ParseRegistryLocation(item.Location());
  if (!location) return false;
  if (!IsWritableSettingType(type)) {
    session.Tell(session.Text(IDS_CANNOT_HANDLE_REGISTRY_TYPE, {std::to_string(type)}));
    return false;
  }
  // Only bytes that the text validation accepted are ever written.
  const std::string problem = SettingTextProblem(session.context.machine.Texts(), type, text);
  if (!problem.empty()) {
    session.Tell(problem);
    return false;
  }
  platform::Registry& registry = session.context.machine.Reg();
  OpenedKey key(registry, location->root, location->subKey, OpenedKey::Mode::Create);
  const int32_t result = key.Set(location->valueName, type, SettingDataBytes(type, text));
  if (result == platform::regerr::kSuccess) return true;
  TellRefused(session, item, RegistryReason(session, result));
  return false;
}

std::string_view TrimmedBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The profile calls read a value without its surrounding blanks and
// without one pair of surrounding double quotes.
bool ReadsBackAs(std::string_view read, std::string_view written) {
  written = TrimmedBlanks(written);
  if (EqualsNoCase(read, written)) return true;
  const bool quoted = written.size() >= 2 && written.front() == '"' && written.back() == '"';
  return quoted && EqualsNoCase(read, written.substr(1, written.size() - 2));
}

// Checks the item again after a write. True when the check now reads what
// was written: the INI text, or the Registry value in the type written
// with the very bytes written (a number always four).
bool WriteTookEffect(FixSession& session, SettingItem& item, SectionType type, const std::string& text,
                     uint32_t writtenType) {
  item.checked = false;
  // Brings the item's actual value and type up to date for the dialog.
  CheckItem(session.context, session.database, item, type);
  item.checked = false;  // the pages read the live value again themselves
  if (type == SectionType::IniSetting) return ReadsBackAs(item.actualValueText, text);
  if (item.readType != writtenType) return false;
  if (writtenType != regtype::kDword && writtenType != regtype::kBinary) return item.actualValueText == text;
  const platform::Bytes written = SettingDataBytes(writtenType, text);
  return item.rawData == written && (writtenType != regtype::kDword || written.size() == 4);
}

}  // namespace

SettingItem* FindSettingItem(FixSession& session, const SettingFixRequest& request) {
  if (KindOf(request.section) != SectionKind::Setting) {
    return nullptr;
  }
  const ConfigSection* section = session.database.GetSection(request.section);
  if (section == nullptr || request.itemIndex >= section->Count()) return nullptr;
  return section->ItemAs<SettingItem>(request.itemIndex);
}

FixResult FixSetting(FixSession& session, const SettingFixRequest& request) {
  session.Begin();
  SettingItem* item = FindSettingItem(session, request);
  if (item == nullptr) return session.Failed(FixOutcome::NotApplicable);
  const SectionType type = TypeOf(request.section);
  CheckItem(session.context, session.database, *item, type);
  platform::Strings& texts = session.context.machine.Texts();
  const SettingTextCheck check = [&](const std::string& text) {
    if (type == SectionType::IniSetting) return std::string();
    return SettingTextProblem(texts, SettingWriteType(*item, text), text.substr(0, kMaxValueLength));
  };
  SettingConfirmation fields = MakeSettingConfirmation(session.context, *item, type);
  if (request.earlierValue) ProposeEarlierValue(fields, *request.earlierValue);
  std::optional<std::string> confirmed = session.confirmations.ConfirmSetting(fields, check);
  if (!confirmed) return session.Failed(FixOutcome::Declined, true);
  if (confirmed->size() > kMaxValueLength) confirmed->resize(kMaxValueLength);
  const uint32_t writtenType = SettingWriteType(*item, *confirmed);
  const bool written = type == SectionType::IniSetting ? WriteIni(session, *item, *confirmed)
                                                       : WriteRegistry(session, *item, *confirmed, writtenType);
  if (!written) {
    return session.Failed(session.Told() ? FixOutcome::Refused : FixOutcome::NotApplicable);
  }
  if (!WriteTookEffect(session, *item, type, *confirmed, writtenType)) return session.NotTaken(item->Location());
  if (request.mode == FixMode::Revert) item->reverted = true;
  item->checked = false;
  return session.Completed(request.mode, request.section, FixOutcome::Done);
}

}  // namespace cvn
