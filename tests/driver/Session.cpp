#include "tests/driver/Session.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "tests/driver/AnswerGiver.h"
#include "tests/driver/DialogReader.h"
#include "tests/driver/Screenshot.h"

namespace cvn::uidriver {
namespace {

constexpr DWORD kPollMs = 50;
constexpr DWORD kTerminateWaitMs = 5000;
constexpr auto kStayPause = std::chrono::milliseconds(800);
// A wizard page is left alone a while after it comes, as a person would:
// the program may still be busy with the sheet it has just shown.
constexpr auto kPageSettle = std::chrono::milliseconds(500);

// One transcript line, flushed at once: the program writes to the same
// stdout, and its lines must land in the order things happened.
void Say(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void Complain(const std::string& line) { std::fprintf(stderr, "uidriver: %s\n", line.c_str()); }

// Waits until the dialog's thread has taken every message sent before.
void SyncWith(HWND dialog) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMessageWaitMs, &result);
}

}  // namespace

Session::~Session() {
  if (process_.hThread != nullptr) ::CloseHandle(process_.hThread);
  if (process_.hProcess != nullptr) ::CloseHandle(process_.hProcess);
}

int Session::Run() {
  if (!Start()) return status::kFailedToRun;
  Watch();
  Finish();
  return ExitStatus(outcome_);
}

bool Session::Start() {
  if (!options_.screenshotDir.empty()) ::CreateDirectoryA(options_.screenshotDir.c_str(), nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  // The program writes to the driver's stdout, so its output joins the transcript.
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  std::string commandLine = options_.commandLine;  // CreateProcessA may write to it
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process_)) {
    Complain("cannot start " + options_.commandLine + " (error " +
             std::to_string(::GetLastError()) + ")");
    return false;
  }
  return true;
}

void Session::Watch() {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::seconds(options_.timeoutSeconds);
  while (::WaitForSingleObject(process_.hProcess, kPollMs) == WAIT_TIMEOUT) {
    if (Clock::now() >= deadline) {
      outcome_.timedOut = true;
      return;
    }
    Poll();
  }
}

void Session::ReportFocus() {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (!::GetGUIThreadInfo(process_.dwThreadId, &thread)) return;
  std::string line = DescribeFocus(thread.hwndFocus);
  // Told once it stayed for two polls: where the focus rests, not where it
  // passes, as on the hidden button of a dialog that is closing.
  if (line != seenFocus_) {
    seenFocus_ = std::move(line);
    return;
  }
  if (seenFocus_ == toldFocus_) return;
  toldFocus_ = seenFocus_;
  Say(toldFocus_);
}

void Session::Poll() {
  if (options_.observe) ReportFocus();
  const std::vector<HWND> dialogs = VisibleDialogsOf(process_.dwProcessId);
  std::vector<HWND> targets;
  for (HWND dialog : dialogs) targets.push_back(AnswerTarget(dialog));
  Forget(targets);
  const auto now = std::chrono::steady_clock::now();
  for (size_t i = 0; i < dialogs.size(); ++i) {
    const bool page = targets[i] != dialogs[i];
    const auto [entry, isNew] =
        seen_.try_emplace(targets[i], Seen{State::Settling, page ? now + kPageSettle : now});
    Seen& seen = entry->second;
    // A dialog that is disabled waits for a modal one above it.
    if (isNew || seen.state == State::Answered || now < seen.ready ||
        !::IsWindowEnabled(dialogs[i])) {
      continue;
    }
    seen.state = State::Answered;
    Handle(dialogs[i], targets[i]);
    return;
  }
}

// Drops the dialogs that are gone, so that a handle the system hands out
// again counts as a new dialog.
void Session::Forget(const std::vector<HWND>& current) {
  std::erase_if(seen_, [&current](const auto& entry) {
    return std::find(current.begin(), current.end(), entry.first) == current.end();
  });
}

void Session::Handle(HWND dialog, HWND target) {
  SyncWith(dialog);
  const DialogView view = ReadDialog(dialog);
  // A dialog that closed by itself meanwhile (a short task's progress) asks
  // nothing.
  if (!::IsWindow(dialog)) return;
  if (ShowsProgress(dialog)) {
    // Nothing to answer, and often gone before a screenshot could be taken.
    Say("progress: " + view.title);
    return;
  }
  Say(Describe(view));
  ++dialogsSeen_;
  if (!options_.screenshotDir.empty()) Screenshot(dialog, view.kind);
  if (!::IsWindow(dialog)) {
    Say("closed by itself");
    return;
  }
  if (options_.observe) return;
  const Answer answer = ChooseAnswer(view);
  std::vector<std::string> lines;
  const bool given = GiveAnswer(dialog, answer, &lines);
  for (const std::string& line : lines) Say(line);
  if (!given) {
    Complain("could not give the answer " + answer.text);
    ++outcome_.wrongAnswers;
  }
  if (!answer.verb->navigates) {
    seen_[target] = Seen{State::Settling, std::chrono::steady_clock::now() + kStayPause};
  }
}

// The test's next answer when it fits; otherwise the dialog is dismissed
// so that the program goes on, and the transcript says why.
Answer Session::ChooseAnswer(const DialogView& view) {
  if (nextAnswer_ == options_.answers.size() && options_.walk) return WalkAnswer(view);
  if (nextAnswer_ == options_.answers.size()) {
    Answer dismiss = DismissAnswer(view);
    Say("unanswered: " + dismiss.text);
    ++outcome_.unanswered;
    return dismiss;
  }
  const Answer& answer = options_.answers[nextAnswer_++];
  if (Fits(answer, view)) return answer;
  Say("wrong answer: " + answer.text);
  ++outcome_.wrongAnswers;
  return DismissAnswer(view);
}

void Session::Screenshot(HWND dialog, DialogKind kind) {
  char name[32];
  std::snprintf(name, sizeof name, "%02d-%s.bmp", dialogsSeen_, KindName(kind));
  const std::string path = options_.screenshotDir + "\\" + name;
  if (!SaveScreenshot(dialog, path) && ::IsWindow(dialog)) Complain("could not save " + path);
}

void Session::Finish() {
  if (outcome_.timedOut) {
    Say("timeout");
    ::TerminateProcess(process_.hProcess, static_cast<UINT>(status::kTimeout));
    ::WaitForSingleObject(process_.hProcess, kTerminateWaitMs);
  } else {
    DWORD code = 0;
    ::GetExitCodeProcess(process_.hProcess, &code);
    Say("exit: " + std::to_string(code));
  }
  outcome_.unusedAnswers = options_.answers.size() - nextAnswer_;
  if (outcome_.unusedAnswers > 0) Say("unused answers: " + std::to_string(outcome_.unusedAnswers));
}

}  // namespace cvn::uidriver
