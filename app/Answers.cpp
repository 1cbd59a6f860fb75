#include "app/Answers.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "config/PathSpec.h"

namespace cvn {

namespace {

constexpr std::string_view kAnswersFile = "W|cvn.ini";
// Each user detail is read into a buffer of this many characters.
constexpr size_t kUserInfoBuffer = 2048;
constexpr const char* kChangesMadeKey = "ChangesMade";
constexpr const char* kReadOnlyUsageToldKey = "UsageReadOnlyTold";

enum class ValueKind { Integer, AnswerCode };

struct AnswerKey {
  const char* key;
  int SavedAnswers::*field;
  ValueKind kind;
};

// In the order SaveAnswers writes them; the defaults are SavedAnswers' own.
constexpr std::array<AnswerKey, 8> kAnswerKeys{{
    {"ShowIntro", &SavedAnswers::showIntro, ValueKind::Integer},
    {"IsRebootable", &SavedAnswers::isRebootable, ValueKind::AnswerCode},
    {"IsConsistent", &SavedAnswers::isConsistent, ValueKind::AnswerCode},
    {"IsOnlyAppWithProblem", &SavedAnswers::isOnlyAppWithProblem, ValueKind::AnswerCode},
    {"IsLoadProblem", &SavedAnswers::isLoadProblem, ValueKind::AnswerCode},
    {"IsRecentProblem", &SavedAnswers::isRecentProblem, ValueKind::AnswerCode},
    {"IsQTProblem", &SavedAnswers::isQTProblem, ValueKind::AnswerCode},
    {"Symptoms", &SavedAnswers::symptoms, ValueKind::Integer},
}};

// Any answer other than yes or no means "don't know"; holding it as such
// keeps the question pages' radio groups on one of their three buttons.
int AsAnswerCode(int value) {
  return value == answer::kYes || value == answer::kNo ? value : answer::kDontKnow;
}

struct UserInfoKey {
  const char* key;
  std::string UserInfo::*field;
};

constexpr std::array<UserInfoKey, 10> kUserInfoKeys{{
    {"UserName", &UserInfo::userName},
    {"CompanyName", &UserInfo::companyName},
    {"Address1", &UserInfo::address1},
    {"Address2", &UserInfo::address2},
    {"Address3", &UserInfo::address3},
    {"Phone", &UserInfo::phone},
    {"Fax", &UserInfo::fax},
    {"Email", &UserInfo::email},
    {"ProblemID", &UserInfo::problemId},
    {"ProblemDesc", &UserInfo::problemDesc},
}};

// The application's section of the answers file.
class AnswersSection {
 public:
  explicit AnswersSection(RunContext& context)
      : ini_(context.machine.Ini()), file_(PathSpec(context, kAnswersFile).Text()),
        section_(context.appName) {}

  int ReadInt(const char* key, int defaultValue) {
    return ini_.GetInt(section_, key, defaultValue, file_);
  }
  std::string ReadText(const char* key) {
    return ini_.GetString(section_, key, "", file_, kUserInfoBuffer);
  }
  void Write(const char* key, const std::string& value) {
    ini_.WriteString(section_, key, value, file_);
  }
  void Flush() { ini_.Flush(file_); }

 private:
  platform::Profile& ini_;
  std::string file_;
  const std::string& section_;
};

// "%04d %02d %02d" of the local date.
std::string SaveDate(platform::SystemInfo& system) {
  const platform::SystemTime now = system.LocalTime();
  char text[32];
  std::snprintf(text, sizeof text, "%04d %02d %02d", now.year, now.month, now.day);
  return text;
}

}  // namespace

SavedAnswers LoadAnswers(RunContext& context) {
  AnswersSection answersFile(context);
  SavedAnswers answers;
  for (const AnswerKey& entry : kAnswerKeys) {
    int& value = answers.*entry.field;
    value = answersFile.ReadInt(entry.key, value);
    if (entry.kind == ValueKind::AnswerCode) value = AsAnswerCode(value);
  }
  return answers;
}

void SaveAnswers(RunContext& context, const SavedAnswers& answers) {
  AnswersSection answersFile(context);
  answersFile.Write("Date", SaveDate(context.machine.System()));
  for (const AnswerKey& entry : kAnswerKeys) {
    answersFile.Write(entry.key, std::to_string(answers.*entry.field));
  }
  answersFile.Flush();
}

UserInfo LoadUserInfo(RunContext& context) {
  AnswersSection answersFile(context);
  UserInfo info;
  for (const UserInfoKey& entry : kUserInfoKeys) {
    info.*entry.field = answersFile.ReadText(entry.key);
  }
  return info;
}

void SaveUserInfo(RunContext& context, const UserInfo& info) {
  AnswersSection answersFile(context);
  for (const UserInfoKey& entry : kUserInfoKeys) answersFile.Write(entry.key, info.*entry.field);
}

void MarkChangesMade(RunContext& context) { AnswersSection(context).Write(kChangesMadeKey, "1"); }

bool ChangesMadeMarked(RunContext& context) {
  return AnswersSection(context).ReadInt(kChangesMadeKey, 0) != 0;
}

void ClearChangesMade(RunContext& context) { AnswersSection(context).Write(kChangesMadeKey, "0"); }

bool ReadOnlyUsageTold(RunContext& context) {
  return AnswersSection(context).ReadInt(kReadOnlyUsageToldKey, 0) != 0;
}

void SetReadOnlyUsageTold(RunContext& context, bool told) {
  AnswersSection(context).Write(kReadOnlyUsageToldKey, told ? "1" : "0");
}

}  // namespace cvn
