// The user's answers, contact details and the "changes made" marker, kept
// between runs in "cvn.ini" in the Windows folder, one section per
// application (the section is named by the App Info "AppName").
#pragma once

#include <string>

#include "config/RunContext.h"
#include "config/ValueFormats.h"

namespace cvn {

// Symptom bits of SavedAnswers::symptoms, one per check box.
namespace symptom {
inline constexpr int kCrashes = 0x01;
inline constexpr int kMisbehaves = 0x02;
inline constexpr int kVideo = 0x04;
inline constexpr int kAudio = 0x08;
inline constexpr int kPrinting = 0x10;
inline constexpr int kOtherHardware = 0x20;
}  // namespace symptom

// The problem questions are answer codes (answer::kYes, kNo, kDontKnow).
struct SavedAnswers {
  int showIntro = 1;
  int isRebootable = answer::kDontKnow;
  int isConsistent = answer::kDontKnow;
  int isOnlyAppWithProblem = answer::kDontKnow;
  int isLoadProblem = answer::kDontKnow;
  int isRecentProblem = answer::kDontKnow;
  int isQTProblem = answer::kDontKnow;
  int symptoms = 0;

  bool operator==(const SavedAnswers&) const = default;
};

struct UserInfo {
  std::string userName;
  std::string companyName;
  std::string address1;
  std::string address2;
  std::string address3;
  std::string phone;
  std::string fax;
  std::string email;
  std::string problemId;
  std::string problemDesc;

  bool operator==(const UserInfo&) const = default;
};

// Keys missing from the file keep their defaults.
SavedAnswers LoadAnswers(RunContext& context);
// Writes "Date" with today's date, then every answer, then flushes the file.
void SaveAnswers(RunContext& context, const SavedAnswers& answers);

UserInfo LoadUserInfo(RunContext& context);
void SaveUserInfo(RunContext& context, const UserInfo& info);

// A fix or a revert took effect: the next start records the new state.
void MarkChangesMade(RunContext& context);
// Whether "ChangesMade" is set (not 0); clearing it writes "0".
bool ChangesMadeMarked(RunContext& context);
void ClearChangesMade(RunContext& context);

// Whether the user was told that the usage database is read-only, so that
// it is told once and again only after it was writable in between.
bool ReadOnlyUsageTold(RunContext& context);
void SetReadOnlyUsageTold(RunContext& context, bool told);

}  // namespace cvn
