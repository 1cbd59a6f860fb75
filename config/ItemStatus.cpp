#include "config/ItemStatus.h"

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
  using namespace statustext;
  switch (status) {
    case filestatus::kNotFound: return {kFileNotFound, 0};
    case filestatus::kMoreThanOneFolder: return {kMoreThanOneFolder, kAlsoFoundIn};
    case filestatus::kUnexpectedFolder: return {kUnexpectedFolder, kActualExpected};
    case filestatus::kNotLoadable: return {kNotLoadable, 0};
    case filestatus::kNoVersionInfo: return {kNoVersionInfo, 0};
    case filestatus::kRejectedVersion: return {kRejectedVersion, 0};
    case filestatus::kOlderVersion: return {kOlderVersion, 0};
    case filestatus::kUnexpectedSizeAndDate: return {kUnexpectedSizeAndDate, kActualExpectedSizeDate};
    case filestatus::kUnexpectedDate: return {kUnexpectedDate, kActualExpected};
    case filestatus::kUnexpectedSize: return {kUnexpectedSize, kActualExpectedSize};
    default: return {};
  }
}

int SettingActionTextId(int status, SectionType settingType) {
  switch (status) {
    case settingstatus::kInvalid: return statustext::kEntryInvalid;
    case settingstatus::kBlank:
      return settingType == SectionType::RegistrySetting ? statustext::kRegistryBlank
                                                         : statustext::kIniBlank;
    case settingstatus::kUnhandledType: return statustext::kUnhandledType;
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
