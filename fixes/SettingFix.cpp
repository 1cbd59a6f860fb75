#include "fixes/SettingFix.h"

#include "checks/SettingCheck.h"
#include "config/ItemStatus.h"
#include "config/PathSpec.h"
#include "config/SettingLocation.h"
#include "fixes/SettingConfirmationFields.h"
#include "fixes/SettingData.h"

namespace cvn {

namespace {

constexpr int kUnhandledType = 10370;
constexpr int kCannotWrite = 10470;
constexpr int kAccessDenied = 10471;
constexpr int kFileNotWritable = 10472;
constexpr int kSystemError = 10473;
constexpr size_t kMaxValueLength = 259;
constexpr int32_t kErrorAccessDenied = 5;

SectionType TypeOf(int sectionIndex) {
  return sectionIndex == static_cast<int>(SectionId::IniInfo) ? SectionType::IniSetting
                                                              : SectionType::RegistrySetting;
}

void TellRefused(FixSession& session, const SettingItem& item, const std::string& reason) {
  session.Tell(session.Text(kCannotWrite, {item.Location(), reason}));
}

std::string RegistryReason(FixSession& session, int32_t error) {
  if (error == kErrorAccessDenied) return session.Text(kAccessDenied);
  return session.Text(kSystemError, {std::to_string(error)});
}

// The application folder's file of that name when there is one, else the
// bare name, which the profile calls find in the Windows folder.
std::string IniTarget(RunContext& context, const std::string& file) {
  const PathSpec inApplicationFolder(context, "1|" + file);
  platform::FindData data;
  return context.machine.Files().FindFirst(inApplicationFolder, data) ? inApplicationFolder.Text() : file;
}

bool WriteIni(FixSession& session, const SettingItem& item, const std::string& text) {
  const auto location = ParseIniLocation(item.Location());
  if (!location) return false;
  const std::string file = IniTarget(session.context, location->file);
  if (session.context.machine.Ini().WriteString(location->section, location->key, text, file)) return true;
  TellRefused(session, item, session.Text(kFileNotWritable));
  return false;
}

bool WriteRegistry(FixSession& session, const SettingItem& item, const std::string& text) {
  const auto location = ParseRegistryLocation(item.Location());
  if (!location) return false;
  const uint32_t type = SettingWriteType(item, text);
  if (!IsWritableSettingType(type)) {
    session.Tell(session.Text(kUnhandledType, {std::to_string(type)}));
    return false;
  }
  platform::Registry& registry = session.context.machine.Reg();
  platform::RegKey key = 0;
  int32_t result = registry.CreateKey(location->root, location->subKey, key);
  if (result == platform::regerr::kSuccess) {
    result = registry.SetValue(key, location->valueName, type, SettingDataBytes(type, text));
    registry.CloseKey(key);
  }
  if (result == platform::regerr::kSuccess) return true;
  TellRefused(session, item, RegistryReason(session, result));
  return false;
}

// Brings the item's actual value and type up to date for the dialog.
void CheckSetting(FixSession& session, SettingItem& item, SectionType type) {
  const SettingTexts texts{session.database.GetSection(SectionId::ActionTextInfo),
                           session.database.GetSection(SectionId::ExplanationTextInfo)};
  SettingOutputs outputs;
  if (type == SectionType::IniSetting) {
    CheckIniSetting(session.context, item, texts, outputs);
  } else {
    CheckRegistrySetting(session.context, item, texts, outputs);
  }
}

}  // namespace

SettingItem* FindSettingItem(FixSession& session, const SettingFixRequest& request) {
  if (request.sectionIndex != static_cast<int>(SectionId::IniInfo) &&
      request.sectionIndex != static_cast<int>(SectionId::RegistryInfo)) {
    return nullptr;
  }
  const ConfigSection* section = session.database.GetSection(request.sectionIndex);
  if (section == nullptr || request.itemIndex >= section->Count()) return nullptr;
  return section->ItemAs<SettingItem>(request.itemIndex);
}

int32_t FixSetting(FixSession& session, const SettingFixRequest& request, bool& cancelled) {
  session.lastMessage.clear();
  cancelled = false;
  SettingItem* item = FindSettingItem(session, request);
  if (item == nullptr) return session.Finish(FixOutcome::NotApplicable, platform::kEFail);
  const SectionType type = TypeOf(request.sectionIndex);
  CheckSetting(session, *item, type);
  platform::Strings& texts = session.context.machine.Texts();
  const SettingTextCheck check = [&](const std::string& text) {
    if (type == SectionType::IniSetting) return std::string();
    return SettingTextProblem(texts, SettingWriteType(*item, text), text.substr(0, kMaxValueLength));
  };
  SettingConfirmation fields = MakeSettingConfirmation(session.context, *item, type);
  if (request.earlierValue) ProposeEarlierValue(fields, *request.earlierValue);
  std::optional<std::string> confirmed = session.confirmations.ConfirmSetting(fields, check);
  if (!confirmed) {
    cancelled = true;
    return session.Finish(FixOutcome::Declined, platform::kEFail);
  }
  if (confirmed->size() > kMaxValueLength) confirmed->resize(kMaxValueLength);
  const bool written = type == SectionType::IniSetting ? WriteIni(session, *item, *confirmed)
                                                       : WriteRegistry(session, *item, *confirmed);
  if (!written) {
    const FixOutcome outcome = session.lastMessage.empty() ? FixOutcome::NotApplicable : FixOutcome::Refused;
    return session.Finish(outcome, platform::kEFail);
  }
  const bool revert = request.mode == FixMode::Revert;
  ++(revert ? session.counters.revertsMade : session.counters.fixesMade);
  if (revert) item->reverted = true;
  item->checked = false;
  session.MarkStale(request.mode, request.sectionIndex);
  return session.Finish(FixOutcome::Done, platform::kSOk);
}

}  // namespace cvn
