// The contract suite: one set of tests over the platform services that runs
// against the emulated machine on the host and against the real Win32
// calls under Wine. Each test gets a fresh environment.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Machine.h"

namespace cvn::test {

// What a contract test runs against, and the few things only a test needs
// to arrange on that machine.
class ContractEnvironment {
 public:
  virtual ~ContractEnvironment() = default;
  virtual platform::Machine& Machine() = 0;
  // A fresh, empty folder for this test: a Windows path without a trailing
  // backslash, on a fixed drive.
  virtual std::string ScratchFolder() = 0;
  // Keeps the file open without sharing for the life of the environment.
  virtual void HoldOpen(const std::string& path) = 0;
  // True for the real Win32 platform (Wine in our runs).
  virtual bool IsWin32() const = 0;
};

// Which Windows a test wants where the platform can choose: the real
// platform is whatever Windows (or Wine prefix) runs the suite; the emulated
// one makes a 64-bit machine for Windows64.
enum class WindowsWanted { Default, Windows64 };

std::unique_ptr<ContractEnvironment> MakeContractEnvironment(WindowsWanted wanted = WindowsWanted::Default);

// The Windows path of a PE file that the build made for the tests. Both
// platforms reach the build folder through drive Z:, which maps to "/".
std::string FixturePath(const std::string& name);

class ContractTest : public ::testing::Test {
 protected:
  void SetUp() override { env_ = MakeContractEnvironment(); }
  void TearDown() override { env_.reset(); }

  platform::Machine& machine() { return env_->Machine(); }
  ContractEnvironment& env() { return *env_; }

 private:
  std::unique_ptr<ContractEnvironment> env_;
};

// Marks an expectation that Wine is known to answer differently from
// Windows. The emulation follows Windows; on Wine the expectation must still
// fail, so that a gap Wine closes is reported and the mark gets removed.
#define EXPECT_WINDOWS_BEHAVIOUR(env, condition, why)                                  \
  do {                                                                                 \
    const bool held_ = (condition);                                                    \
    if ((env).IsWin32()) {                                                             \
      if (held_) ADD_FAILURE() << "known Wine difference no longer differs: " << (why); \
    } else {                                                                           \
      EXPECT_TRUE(held_) << #condition;                                                \
    }                                                                                  \
  } while (0)

}  // namespace cvn::test
