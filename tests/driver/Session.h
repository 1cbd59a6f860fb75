// One run of the program under test: starts it, answers each new dialog in
// turn and writes the transcript to stdout, until the program ends or the
// time is up.
#pragma once

#include <windows.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "tests/driver/Dialog.h"
#include "tests/driver/Options.h"
#include "tests/driver/Outcome.h"

namespace cvn::uidriver {

class Session {
 public:
  explicit Session(const Options& options) : options_(options) {}
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The driver's exit status.
  int Run();

 private:
  // A dialog is answered once it has stayed up for one poll, so that it has
  // filled and painted its controls. A wizard page that keeps its place
  // after an answer waits a while before its next one, so that what the
  // answer opens comes first.
  enum class State { Settling, Answered };
  struct Seen {
    State state = State::Settling;
    std::chrono::steady_clock::time_point ready{};
  };

  bool Start();
  void Watch();
  void Poll();
  // Tells where the keyboard focus of the program rests, when it moved or
  // its control changed state.
  void ReportFocus();
  void Forget(const std::vector<HWND>& current);
  void Handle(HWND dialog, HWND target);
  Answer ChooseAnswer(const DialogView& view);
  void Screenshot(HWND dialog, DialogKind kind);
  void Finish();

  const Options& options_;
  PROCESS_INFORMATION process_{};
  std::map<HWND, Seen> seen_;
  size_t nextAnswer_ = 0;
  int dialogsSeen_ = 0;
  std::string seenFocus_;
  std::string toldFocus_;
  Outcome outcome_;
};

}  // namespace cvn::uidriver
