#include "config/ItemStatus.h"

#include "resources/StringIds.h"

namespace cvn {

namespace {

int Severity(bool serious, bool required) {
  if (serious) return required ? level::kSeriousProblem : level::kSeriousWarning;
  return required ? level::kProblem : level::kWarning;
}

template <size_t N>
bool AnyAbove(const std::array<int, N>& subStatus, int threshold) {
  for (const int s : subStatus) {
    if (s > threshold) return true;
  }
  return false;
}

}  // namespace

StatusTexts FileStatusTexts(int status) {
  switch (status) {
    case filestatus::kNotFound:
      return {IDS_FILE_NOT_FOUND, 0};
    case filestatus::kMoreThanOneFolder:
      return {IDS_MORE_THAN_ONE_FOLDER, IDS_ALSO_FOUND_IN};
    case filestatus::kUnexpectedFolder:
      return {IDS_UNEXPECTED_FOLDER, IDS_ACTUAL_EXPECTED};
    case filestatus::kNotLoadable:
      return {IDS_NOT_LOADABLE, 0};
    case filestatus::kNoVersionInfo:
      return {IDS_NO_VERSION_INFO, 0};
    case filestatus::kRejectedVersion:
      return {IDS_REJECTED_VERSION, 0};
    case filestatus::kOlderVersion:
      return {IDS_OLDER_VERSION, 0};
    case filestatus::kUnexpectedSizeAndDate:
      return {IDS_UNEXPECTED_SIZE_AND_DATE, IDS_ACTUAL_EXPECTED_SIZE_DATE};
    case filestatus::kUnexpectedDate:
      return {IDS_UNEXPECTED_DATE, IDS_ACTUAL_EXPECTED};
    case filestatus::kUnexpectedSize:
      return {IDS_UNEXPECTED_SIZE, IDS_ACTUAL_EXPECTED_SIZE};
    default: return {};
  }
}

int SettingActionTextId(int status, SectionType settingType) {
  switch (status) {
    case settingstatus::kInvalid:
      return IDS_ENTRY_INVALID;
    case settingstatus::kBlank:
      return settingType == SectionType::RegistrySetting ? IDS_REGISTRY_BLANK : IDS_INI_BLANK;
    case settingstatus::kUnhandledType:
      return IDS_UNHANDLED_REGISTRY_FORMAT;
    default: return 0;
  }
}

int ProblemLevel(const FileItem& item) {
  if (item.status == filestatus::kOk) return level::kNone;
  const int s = item.status;
  const bool placeOrFigures = s == filestatus::kUnexpectedFolder || s == filestatus::kUnexpectedSizeAndDate ||
                              s == filestatus::kUnexpectedDate || s == filestatus::kUnexpectedSize;
  const int severity = Severity(!placeOrFigures, item.required);
  return item.fixPendingRestart ? severity + level::kAtRestart : severity;
}

int ProblemLevel(const SettingItem& item) {
  if (item.status == settingstatus::kOk) return level::kNone;
  return Severity(item.status != settingstatus::kUnhandledType, item.required);
}

int ProblemLevel(const ServerItem& item) {
  if (!AnyAbove(item.subStatus, substatus::kMatches)) return level::kNone;
  return Severity(true, item.required);
}

int ProblemLevel(const TypeLibItem& item) {
  if (!AnyAbove(item.subStatus, substatus::kMatches)) return level::kNone;
  // A wrong help folder alone is only a warning.
  std::array<int, kTypeLibAspects> others = item.subStatus;
  others[static_cast<size_t>(TypeLibAspect::HelpLocation)] = substatus::kNotChecked;
  if (!AnyAbove(others, substatus::kMatches)) return level::kWarning;
  return Severity(true, item.required);
}

}  // namespace cvn
