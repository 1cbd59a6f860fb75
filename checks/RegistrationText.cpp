#include "checks/RegistrationText.h"

#include <array>
#include <vector>

#include "config/ItemStatus.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

// The labels of a registration's aspects, in the order they are listed.
constexpr std::array<int, kServerAspects> kServerLabels = {
    IDS_ASPECT_SERVER_LOCATION, IDS_ASPECT_PROG_ID, IDS_ASPECT_VERSION, IDS_ASPECT_GUID, IDS_ASPECT_TYPE_LIB_GUID};
constexpr std::array<int, kTypeLibAspects> kTypeLibLabels = {IDS_ASPECT_TYPE_LIB_NAME, IDS_ASPECT_VERSION,
                                                             IDS_ASPECT_FILE_LOCATION, IDS_ASPECT_HELP_FILE_LOCATION};

template <size_t N>
std::vector<int> FailedLabels(const std::array<int, N>& subStatus, const std::array<int, N>& labels) {
  std::vector<int> failed;
  for (size_t i = 0; i < N; ++i) {
    if (subStatus[i] > substatus::kMatches) failed.push_back(labels[i]);
  }
  return failed;
}

// The opening, the failed aspects (or the one text that replaces them)
// and, for an item that is not required, the note that says so.
std::string ProblemText(platform::Strings& strings, const std::vector<int>& failed, int replacement,
                        bool required) {
  if (failed.empty()) return {};
  std::string text;
  if (replacement != 0) {
    text = strings.Load(IDS_ONE_PROBLEM_FOUND) + strings.Load(replacement);
  } else {
    text = strings.Load(failed.size() == 1 ? IDS_ONE_PROBLEM_FOUND : IDS_PROBLEMS_FOUND);
    for (size_t i = 0; i < failed.size(); ++i) {
      if (i > 0) text += ", ";
      text += strings.Load(failed[i]);
    }
    text += ".";
  }
  if (!required) text += strings.Load(IDS_FILE_NOT_REQUIRED_NOTE);
  return text;
}

bool TypeLibMissing(const TypeLibItem& item) {
  const int file = item.SubStatus(TypeLibAspect::FileLocation);
  return file == substatus::kNotFound ||
         (file == substatus::kWrongFolder && item.SubStatus(TypeLibAspect::Name) == substatus::kWrongName);
}

RowData RegistrationRowData(int level, SectionId category, int index) {
  RowData data;
  data.status = level;
  data.category = category;
  data.itemIndex = index;
  data.hasDetails = true;
  data.canFix = false;
  return data;
}

}  // namespace

std::string RegistrationProblemText(platform::Strings& strings, const ServerItem& item) {
  const bool missing = item.SubStatus(ServerAspect::ServerLocation) == substatus::kNotFound;
  return ProblemText(strings, FailedLabels(item.subStatus, kServerLabels), missing ? IDS_SERVER_NOT_FOUND : 0,
                     item.required);
}

std::string RegistrationProblemText(platform::Strings& strings, const TypeLibItem& item) {
  return ProblemText(strings, FailedLabels(item.subStatus, kTypeLibLabels),
                     TypeLibMissing(item) ? IDS_TYPE_LIB_NOT_FOUND : 0, item.required);
}

RegistrationRow MakeRegistrationRow(platform::Strings& strings, const ServerItem& item,
                                    SectionId category, int index) {
  return {item.Name(), item.serverFile, RegistrationProblemText(strings, item),
          RegistrationRowData(ProblemLevel(item), category, index)};
}

RegistrationRow MakeRegistrationRow(platform::Strings& strings, const TypeLibItem& item, int index) {
  return {item.Name(), item.libraryFile, RegistrationProblemText(strings, item),
          RegistrationRowData(ProblemLevel(item), SectionId::TypeLibraryInfo, index)};
}

}  // namespace cvn
