// FixSetting on machines that hold each condition: where an INI value is
// written, the Registry type a confirmed text becomes, texts a type cannot
// take, writes the machine refuses, and the proposal the dialog shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "fixes/ScriptedFixConfirmations.h"
#include "fixes/SettingFix.h"
#include "platform/Machine.h"
#include "tests/unit/RegistryCheckTestSupport.h"

namespace cvn {
namespace {

namespace regtype = platform::regtype;
using platform::Bytes;

constexpr const char* kFixKey = "HKEY_CURRENT_USER\\Software\\Vendor\\App";

class SettingFixTest : public test::SettingCheckTest {
 protected:
  void Load(const std::string& section, const std::string& entries) {
    LoadSettings(section, entries);
    session_ = std::make_unique<FixSession>(*context_, database_, confirm_);
  }

  FixResult Fix(SectionId id, size_t index, SettingAnswer answer) {
    confirm_.QueueSettingAnswer(std::move(answer));
    return FixSetting(*session_, {id, index, FixMode::Fix, {}});
  }

  platform::RegValue Stored(const std::string& key, const std::string& name) {
    platform::RegValue value;
    platform::RegKey opened = 0;
    EXPECT_EQ(machine_->Reg().OpenKey(platform::hkey::kCurrentUser, key.substr(key.find('\\') + 1),
                                      platform::Registry::Access::Read, opened),
              0);
    machine_->Reg().QueryValue(opened, name, value);
    machine_->Reg().CloseKey(opened);
    return value;
  }

  static std::string At(const std::string& name) { return std::string(kFixKey) + "\\" + name; }

  ScriptedFixConfirmations confirm_;
  std::unique_ptr<FixSession> session_;
};

TEST_F(SettingFixTest, AnIniValueGoesToTheApplicationFoldersFileOnlyWhenThereIsOne) {
  image_.File("C:\\WINDOWS\\WIN.INI", "[windows]\nload=old\n");
  Load("INI Info", Entry("win\\windows\\load", "new"));
  EXPECT_EQ(Fix(SectionId::IniInfo, 0, SettingAnswer::Proposal()).outcome, FixOutcome::Done);
  EXPECT_EQ(machine_->Ini().GetString("windows", "load", "", "C:\\WINDOWS\\WIN.INI", 260), "new");
  EXPECT_EQ(session_->Counters().fixesMade, 1);
  EXPECT_FALSE(Item(SectionId::IniInfo, 0).checked);

  // The check reads the Windows folder's value while it is not empty, so a
  // fix goes there even when the application folder has a win.ini.
  image_.File("C:\\App\\win.ini", "[windows]\nload=mine\n");
  EXPECT_EQ(Fix(SectionId::IniInfo, 0, SettingAnswer::Typed("typed")).outcome, FixOutcome::Done);
  EXPECT_EQ(machine_->Ini().GetString("windows", "load", "", "C:\\WINDOWS\\WIN.INI", 260), "typed");
  EXPECT_EQ(machine_->Ini().GetString("windows", "load", "", "C:\\App\\win.ini", 260), "mine");
  EXPECT_EQ(Run(CheckIniSetting, SectionId::IniInfo, 0).actualValueText, "typed");

  image_.File("C:\\WINDOWS\\WIN.INI", "[windows]\nload=\n");
  EXPECT_EQ(Fix(SectionId::IniInfo, 0, SettingAnswer::Typed("again")).outcome, FixOutcome::Done);
  EXPECT_EQ(machine_->Ini().GetString("windows", "load", "", "C:\\App\\win.ini", 260), "again");
  EXPECT_EQ(Run(CheckIniSetting, SectionId::IniInfo, 0).actualValueText, "again");
  EXPECT_EQ(session_->Counters().fixesMade, 3);
}

TEST_F(SettingFixTest, AValueIsWrittenInTheTypeTheItemRead) {
  image_.RegistryValue(kFixKey, "Flag", regtype::kNone, {});
  image_.RegistryValue(kFixKey, "Blob", regtype::kNone, {1});
  image_.RegistryValue(kFixKey, "Expand", regtype::kExpandString, {'%', 'X', '%', 0});
  image_.RegistryValue(kFixKey, "List", regtype::kMultiString, {'a', 0, 'b', 0, 0});
  Load("Registry Info", Entry(At("Flag"), "*") + Entry(At("Blob"), "*") + Entry(At("Expand"), "\"%Y%\"") +
                            Entry(At("List"), "c") + Entry(At("New"), "abc"));
  struct Case {
    const char* name;
    const char* typed;
    uint32_t type;
    Bytes data;
  };
  const Case cases[] = {
      {"Flag", "0x00000001", regtype::kDword, {1, 0, 0, 0}},
      {"Blob", "01 02 ff", regtype::kBinary, {1, 2, 0xff}},
      {"Expand", "%TEMP%\\x", regtype::kExpandString, {'%', 'T', 'E', 'M', 'P', '%', '\\', 'x', 0}},
      {"List", "c", regtype::kMultiString, {'c', 0, 0}},
      {"New", "abc", regtype::kString, {'a', 'b', 'c', 0}},  // never read: a string
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Fix(SectionId::RegistryInfo, i, SettingAnswer::Typed(cases[i].typed)).outcome, FixOutcome::Done) << i;
    const platform::RegValue stored = Stored(kFixKey, cases[i].name);
    EXPECT_EQ(stored.type, cases[i].type) << cases[i].name;
    EXPECT_EQ(stored.data, cases[i].data) << cases[i].name;
    // The check reads back what was written, in the same type.
    const SettingOutputs read = Run(CheckRegistrySetting, SectionId::RegistryInfo, i);
    EXPECT_EQ(Item(SectionId::RegistryInfo, i).readType, cases[i].type) << cases[i].name;
    EXPECT_EQ(read.actualValueText, cases[i].typed) << cases[i].name;
  }
  EXPECT_EQ(session_->Counters().fixesMade, 5);
  EXPECT_TRUE(confirm_.refusals.empty());
}

TEST_F(SettingFixTest, AnUpperCaseHexPrefixGivesTheSameFourBytesToTheWriterAndTheCheck) {
  image_.RegistryDword(kFixKey, "Count", 1);
  image_.RegistryValue(kFixKey, "Flag", regtype::kNone, {});
  Load("Registry Info", Entry(At("Count"), "0X0000000A") + Entry(At("Flag"), "0X00000001"));
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(Fix(SectionId::RegistryInfo, i, SettingAnswer::Proposal()).outcome, FixOutcome::Done) << i;
    EXPECT_EQ(Run(CheckRegistrySetting, SectionId::RegistryInfo, i).actualValueText, i == 0 ? "0x0000000a" : "0x00000001");
    EXPECT_EQ(Item(SectionId::RegistryInfo, i).status, 0) << i;
  }
  EXPECT_EQ(Stored(kFixKey, "Count").data, (Bytes{0x0a, 0, 0, 0}));
  EXPECT_EQ(Stored(kFixKey, "Flag").type, regtype::kDword);
  EXPECT_EQ(Stored(kFixKey, "Flag").data, (Bytes{1, 0, 0, 0}));
}

// A Registry that acknowledges every write but keeps only its first three
// bytes, as a writer and a reader that disagree would.
class TruncatingRegistry final : public platform::Registry {
 public:
  explicit TruncatingRegistry(platform::Registry& inner) : inner_(inner) {}
  int32_t OpenKey(platform::RegKey parent, const std::string& subKey, Access access,
                  platform::RegKey& opened) override {
    return inner_.OpenKey(parent, subKey, access, opened);
  }
  int32_t CreateKey(platform::RegKey parent, const std::string& subKey, platform::RegKey& opened) override {
    return inner_.CreateKey(parent, subKey, opened);
  }
  int32_t QueryValue(platform::RegKey key, const std::string& name, platform::RegValue& value) override {
    return inner_.QueryValue(key, name, value);
  }
  int32_t SetValue(platform::RegKey key, const std::string& name, uint32_t type, const Bytes& data) override {
    inner_.SetValue(key, name, type, Bytes(data.begin(), data.begin() + std::min<size_t>(data.size(), 3)));
    return 0;
  }
  int32_t SetDefaultValue(platform::RegKey parent, const std::string& subKey, const std::string& text) override {
    return inner_.SetDefaultValue(parent, subKey, text);
  }
  int32_t EnumKey(platform::RegKey key, uint32_t index, std::string& name) override {
    return inner_.EnumKey(key, index, name);
  }
  int32_t EnumValue(platform::RegKey key, uint32_t index, std::string& name) override {
    return inner_.EnumValue(key, index, name);
  }
  int32_t CloseKey(platform::RegKey key) override { return inner_.CloseKey(key); }
  void SelectView(platform::View view) override { inner_.SelectView(view); }

 private:
  platform::Registry& inner_;
};

class TruncatingMachine final : public platform::Machine {
 public:
  explicit TruncatingMachine(platform::Machine& inner) : inner_(inner), registry_(inner.Reg()) {}
  platform::FileSystem& Files() override { return inner_.Files(); }
  platform::Profile& Ini() override { return inner_.Ini(); }
  platform::Registry& Reg() override { return registry_; }
  platform::VersionInfo& Versions() override { return inner_.Versions(); }
  platform::SystemInfo& System() override { return inner_.System(); }
  platform::Processes& Procs() override { return inner_.Procs(); }
  platform::Prompts& Ask() override { return inner_.Ask(); }
  platform::Strings& Texts() override { return inner_.Texts(); }
  platform::Shell& Desktop() override { return inner_.Desktop(); }

 private:
  platform::Machine& inner_;
  TruncatingRegistry registry_;
};

TEST_F(SettingFixTest, AWriteTheCheckDoesNotSeeIsToldAndNotCounted) {
  image_.RegistryDword(kFixKey, "Count", 1);
  image_.Registry(kFixKey, "Name", "abcdef");
  Load("Registry Info", Entry(At("Count"), "0x0000000a") + Entry(At("Name"), "xyzxyz"));
  TruncatingMachine truncating(*machine_);
  RunContext context(truncating);
  context.locations = context_->locations;
  FixSession session(context, database_, confirm_);
  FixResult last;
  for (size_t i = 0; i < 2; ++i) {
    confirm_.QueueSettingAnswer(SettingAnswer::Proposal());
    last = FixSetting(session, {SectionId::RegistryInfo, i, FixMode::Fix, {}});
    EXPECT_EQ(last.outcome, FixOutcome::NotTaken) << i;
    EXPECT_FALSE(Item(SectionId::RegistryInfo, i).checked) << i;
  }
  EXPECT_EQ(last.message,
            "The change to 'HKEY_CURRENT_USER\\Software\\Vendor\\App\\Name' did not take effect: checking it "
            "again still shows the same problem.");
  EXPECT_EQ(session.Counters().fixesMade, 0);
}

TEST_F(SettingFixTest, ATextTheTypeCannotTakeIsRefusedUntilCorrected) {
  image_.RegistryDword(kFixKey, "Count", 1);
  Load("Registry Info", Entry(At("Count"), "0x0000000a"));
  confirm_.QueueSettingAnswer(SettingAnswer::Typed("12"));
  confirm_.QueueSettingAnswer(SettingAnswer::Typed("0x1"));
  EXPECT_EQ(Fix(SectionId::RegistryInfo, 0, SettingAnswer::Typed("0x0000000C")).outcome, FixOutcome::Done);
  ASSERT_EQ(confirm_.refusals.size(), 2u);
  EXPECT_EQ(confirm_.refusals[0],
            "'12' is not a number for this setting. Please type 0x followed by eight hexadecimal digits, "
            "such as 0x00000001.");
  EXPECT_EQ(Stored(kFixKey, "Count").data, (Bytes{0x0c, 0, 0, 0}));
  EXPECT_EQ(Stored(kFixKey, "Count").type, regtype::kDword);
}

TEST_F(SettingFixTest, AWriteTheMachineRefusesIsToldAndNotCounted) {
  image_.ProtectedKey("HKLM\\SOFTWARE");
  image_.RegistryText("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor]\n\"Mode\"=\"old\"\n");
  image_.RegistryValue(kFixKey, "Wide", 11, {1, 2, 3, 4, 5, 6, 7, 8});
  Load("Registry Info", Entry("HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Mode", "new") + Entry(At("Wide"), "*"));
  SettingOutputs outputs;
  CheckRegistrySetting(*context_, Item(SectionId::RegistryInfo, 0), Texts(), outputs);
  const FixResult denied = Fix(SectionId::RegistryInfo, 0, SettingAnswer::Proposal());
  EXPECT_EQ(denied.message,
            "Cannot write HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Mode: access is denied. Changing this value may "
            "need administrator rights.");
  EXPECT_EQ(denied.outcome, FixOutcome::Refused);
  EXPECT_TRUE(Item(SectionId::RegistryInfo, 0).checked);

  const FixResult unhandled = Fix(SectionId::RegistryInfo, 1, SettingAnswer::Typed("1"));
  EXPECT_EQ(unhandled.outcome, FixOutcome::Refused);
  EXPECT_EQ(unhandled.message, "Cannot handle Registry type 11");
  EXPECT_EQ(session_->Counters().fixesMade, 0);

  const FixResult declined = Fix(SectionId::RegistryInfo, 1, SettingAnswer::No());
  EXPECT_EQ(declined.outcome, FixOutcome::Declined);
  EXPECT_TRUE(declined.cancelled);
  EXPECT_EQ(session_->Counters().fixesMade, 0);
}

TEST_F(SettingFixTest, ARefusedIniWriteIsToldAndNotCounted) {
  image_.File("C:\\App\\app.ini", "[Sec]\nKey=old\n", {std::nullopt, platform::attr::kReadOnly});
  Load("INI Info", Entry("app\\Sec\\Key", "new"));
  EXPECT_EQ(Fix(SectionId::IniInfo, 0, SettingAnswer::Proposal()).message, "Cannot write app\\Sec\\Key: the file cannot be written.");
  EXPECT_EQ(session_->Counters().fixesMade, 0);
  EXPECT_EQ(machine_->Ini().GetString("Sec", "Key", "", "C:\\App\\app.ini", 260), "old");
}

TEST_F(SettingFixTest, TheConfirmationProposesAnAllowedValue) {
  image_.Registry(kFixKey, "Cmd", "app.exe %1");
  Load("Registry Info", Entry(At("Three"), "[a, b, c]") + Entry(At("Any"), "*") + Entry(At("Cmd"), "{x.exe}") +
                            Entry(At("Folder"), "\"1|Data\""));
  for (size_t i = 0; i < 4; ++i) EXPECT_FALSE(Fix(SectionId::RegistryInfo, i, SettingAnswer::No()).Succeeded());
  ASSERT_EQ(confirm_.settings.size(), 4u);
  const SettingConfirmation& three = confirm_.settings[0];
  EXPECT_TRUE(three.useList);
  EXPECT_EQ(three.choices, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(three.proposal, "a");
  EXPECT_EQ(three.caption, "Confirm Registry Fix");
  EXPECT_EQ(three.firstLabel, "Key:");
  EXPECT_EQ(three.firstPart, "HKEY_CURRENT_USER");
  EXPECT_EQ(three.secondPart, "Software\\Vendor\\App");
  EXPECT_EQ(three.valueName, "Three");
  EXPECT_EQ(three.icon, 643);
  EXPECT_FALSE(confirm_.settings[1].useList);
  EXPECT_EQ(confirm_.settings[1].proposal, "");
  EXPECT_EQ(confirm_.settings[2].proposal, "app.exe %1 x.exe");
  EXPECT_EQ(confirm_.settings[3].proposal, "c:\\app\\data");
  EXPECT_EQ(session_->Counters().fixesMade, 0);
}

}  // namespace
}  // namespace cvn
