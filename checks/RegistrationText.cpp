#include "checks/RegistrationText.h"

#include <array>
#include <vector>

#include "config/ItemStatus.h"

namespace cvn {

namespace {

// String table numbers of the aspect labels and the texts around them.
namespace label {
constexpr int kTypeLibName = 10340;
constexpr int kServerLocation = 10341;
constexpr int kProgId = 10342;
constexpr int kVersion = 10343;
constexpr int kGuid = 10344;
constexpr int kTypeLibGuid = 10345;
constexpr int kFileLocation = 10346;
constexpr int kHelpFileLocation = 10347;
constexpr int kServerNotFound = 10348;
constexpr int kTypeLibNotFound = 10349;
constexpr int kOneProblem = 10350;
constexpr int kProblems = 10351;
constexpr int kNotRequired = 10352;
}  // namespace label

// The labels of a registration's aspects, in the order they are listed.
constexpr std::array<int, kServerAspects> kServerLabels = {
    label::kServerLocation, label::kProgId, label::kVersion, label::kGuid, label::kTypeLibGuid};
constexpr std::array<int, kTypeLibAspects> kTypeLibLabels = {
    label::kTypeLibName, label::kVersion, label::kFileLocation, label::kHelpFileLocation};

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
    text = strings.Load(label::kOneProblem) + strings.Load(replacement);
  } else {
    text = strings.Load(failed.size() == 1 ? label::kOneProblem : label::kProblems);
    for (size_t i = 0; i < failed.size(); ++i) {
      if (i > 0) text += ", ";
      text += strings.Load(failed[i]);
    }
    text += ".";
  }
  if (!required) text += strings.Load(label::kNotRequired);
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
  data.category = static_cast<int>(category);
  data.itemIndex = index;
  data.hasDetails = true;
  data.canFix = false;
  return data;
}

}  // namespace

std::string RegistrationProblemText(platform::Strings& strings, const ServerItem& item) {
  const bool missing = item.SubStatus(ServerAspect::ServerLocation) == substatus::kNotFound;
  return ProblemText(strings, FailedLabels(item.subStatus, kServerLabels),
                     missing ? label::kServerNotFound : 0, item.required);
}

std::string RegistrationProblemText(platform::Strings& strings, const TypeLibItem& item) {
  return ProblemText(strings, FailedLabels(item.subStatus, kTypeLibLabels),
                     TypeLibMissing(item) ? label::kTypeLibNotFound : 0, item.required);
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
