// An application with files and tracked settings whose usage database is
// created and refreshed over several runs, each a fresh machine on the
// same image at its own clock time.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "platform/Types.h"
#include "platform/emulated/ImageBuilder.h"
#include "tests/support/FileCheckTestFiles.h"
#include "usage/UsageDatabase.h"

namespace cvn::test {

inline constexpr const char* kUsageCdb = "C:\\APP\\Usage.cdb";
inline constexpr const char* kUsageUdb = "C:\\APP\\Usage.udb";
inline constexpr const char* kUsageUbk = "C:\\APP\\Usage.ubk";

class UsageTest : public ::testing::Test {
 protected:
  UsageTest() {
    image_.Windows95()
        .File("C:\\APP\\APP.EXE", "MZ program", At(1997, 1, 2, 10, 30))
        .File("C:\\APP\\A.DLL", VersionedDll(0x00010000, 0), At(1997, 1, 2, 10, 30))
        .File("C:\\APP\\PLAIN.DLL", "plain")
        .File("C:\\APP\\B.DAT", "data", At(1997, 1, 2, 10, 31))
        .File("C:\\APP\\APP.INI", "[Options]\r\nWordWrap=1\r\nFont=Arial\r\n")
        .Registry("HKEY_CURRENT_USER\\Software\\Usage", "Mode", "fast")
        .RegistryValue("HKEY_CURRENT_USER\\Software\\Usage", "Path", platform::regtype::kExpandString,
                       Text("%windir%\\x"));
    Database("always");
  }

  static emulated::FileOptions At(int year, int month, int day, int hour, int minute) {
    return {emulated::ImageBuilder::Time(year, month, day, hour, minute), platform::attr::kArchive};
  }
  static platform::Bytes Text(std::string_view text) {
    platform::Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
  }

  // The vendor's database, with its snapshot frequency.
  void Database(const std::string& frequency) {
    image_.File(kUsageCdb,
                "[App Info]\nAppName=Usage\nAppFileName=APP.EXE\n[Directory Info]\n"
                "[Corvane Info]\nCheckUsageFrequency=" + frequency + "\n"
                "[Program Info]\nAPP.EXE, 1, 1, Y, Y\n"
                "[DLL Info]\nA.DLL, 1, 1, Y, N, 1.0, -0.9\nB.DAT, 1, 1, N, Y\nGONE.DLL, 1, 1, Y, Y\nPLAIN.DLL, 1, 1, N, N\n"
                "[INI Info]\napp\\Options\\WordWrap=\n1, Y, Y\napp\\Options\\Font=\n*, N, N\n"
                "[Registry Info]\nHKEY_CURRENT_USER\\Software\\Usage\\Mode=\nfast, N, Y\n"
                "HKEY_CURRENT_USER\\Software\\Usage\\Path=\n*, Y, Y\n[End]\n");
  }

  // Starts a fresh machine at `now` ("1997-07-06 12:00:00") and loads the database.
  void Start(const std::string& now) {
    database_.reset();
    context_.reset();
    machine_.reset();
    image_.Fact("Clock", "Now", now);
    machine_ = image_.Open();
    ASSERT_NE(machine_, nullptr) << image_.Error();
    context_ = std::make_unique<RunContext>(*machine_);
    database_ = std::make_unique<ConfigDatabase>();
    ASSERT_EQ(database_->Load(*context_, kUsageCdb), platform::kSOk);
  }

  // One start: the usage database step as start-up runs it.
  platform::HResult Update(const std::string& now) {
    Start(now);
    tally_ = {};
    return UpdateUsageDatabase(*context_, kUsageCdb, database_.get(), &tally_);
  }

  std::string Read(const std::string& path) const {
    const auto bytes = machine_->Files().ReadFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
  }
  std::string Udb() const { return Read(kUsageUdb); }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : machine_->Messages()) texts.push_back(message.text);
    return texts;
  }

  emulated::ImageBuilder image_;
  std::unique_ptr<emulated::EmulatedMachine> machine_;
  std::unique_ptr<RunContext> context_;
  std::unique_ptr<ConfigDatabase> database_;
  UsageTally tally_;
};

}  // namespace cvn::test
