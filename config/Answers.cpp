#include "config/Answers.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <utility>

#include "config/PathSpec.h"

namespace cvn {

namespace {

constexpr std::string_view kAnswersFile = "W|cvn.ini";
// The longest text the pages keep, and the buffer that reads it back in
// its escaped form, where a character takes at most four.
constexpr size_t kUserTextLimit = 2048;
constexpr size_t kUserInfoBuffer = 4 * kUserTextLimit + 1;
constexpr const char* kChangesMadeKey = "ChangesMade";
constexpr const char* kReadOnlyUsageToldKey = "UsageReadOnlyTold";
// Written after the user details: they are escaped (form 2). Without it the
// details are read as an earlier version wrote them, as they stand.
constexpr const char* kUserInfoFormKey = "UserInfoForm";
constexpr const char* kEscapedForm = "2";

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

// The escapes of the user details' form 2, besides "\\xHH".
constexpr struct {
  char letter;
  char byte;
} kEscapes[] = {{'\\', '\\'}, {'r', '\r'}, {'n', '\n'}, {'t', '\t'}};

char EscapeLetter(char byte) {
  for (const auto& escape : kEscapes) {
    if (escape.byte == byte) return escape.letter;
  }
  return '\0';
}

// Whether `c` at `i` of a text of `size` bytes must be written "\xHH": a
// control character, or what the profile read would drop, a blank at
// either end and a quote at the start.
bool NeedsHex(char c, size_t i, size_t size) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte < 0x20 || byte == 0x7F) return true;
  if (c == ' ') return i == 0 || i + 1 == size;
  return i == 0 && (c == '"' || c == '\'');
}

// A user detail as one INI line that reads back whole.
std::string EscapedText(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (const char letter = EscapeLetter(c)) {
      out += '\\';
      out += letter;
    } else if (NeedsHex(c, i, text.size())) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The byte an escape at the start of `text` stands for, and its length;
// a backslash before anything else stands for itself.
std::pair<char, size_t> Unescape(std::string_view text) {
  if (text.size() >= 2) {
    for (const auto& escape : kEscapes) {
      if (text[1] == escape.letter) return {escape.byte, 2};
    }
  }
  if (text.size() >= 4 && text[1] == 'x' && HexDigit(text[2]) >= 0 && HexDigit(text[3]) >= 0) {
    return {static_cast<char>(HexDigit(text[2]) * 16 + HexDigit(text[3])), 4};
  }
  return {'\\', 1};
}

std::string UnescapedText(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    if (text.front() != '\\') {
      out += text.front();
      text.remove_prefix(1);
      continue;
    }
    const auto [byte, length] = Unescape(text);
    out += byte;
    text.remove_prefix(length);
  }
  return out;
}

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
  const bool escaped = answersFile.ReadText(kUserInfoFormKey) == kEscapedForm;
  UserInfo info;
  for (const UserInfoKey& entry : kUserInfoKeys) {
    const std::string text = answersFile.ReadText(entry.key);
    info.*entry.field = escaped ? UnescapedText(text) : text;
  }
  return info;
}

void SaveUserInfo(RunContext& context, const UserInfo& info) {
  AnswersSection answersFile(context);
  for (const UserInfoKey& entry : kUserInfoKeys) {
    answersFile.Write(entry.key, EscapedText(info.*entry.field));
  }
  answersFile.Write(kUserInfoFormKey, kEscapedForm);
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
