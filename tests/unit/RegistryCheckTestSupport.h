// Machine images with a loaded database for the tests of the INI, Registry
// and COM registration checks: the application lives in C:\App, and the
// text sections hold the action "Act" and the explanation "Why".
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "checks/RegistrationText.h"
#include "checks/SettingCheck.h"
#include "tests/unit/ConfigTestSupport.h"

namespace cvn::test {

inline constexpr const char* kVendorAction = "Run setup again.";
inline constexpr const char* kVendorExplanation = "The application reads this value.";

class AppDatabaseTest : public ConfigMachineTest {
 protected:
  // Loads a database of the application with `sections` after its text sections.
  void LoadApp(const std::string& sections) {
    image_.File("C:\\App\\APP.EXE", "MZ");
    const std::string cdb = "[App Info]\nAppFileName=APP.EXE\n[Directory Info]\nH=W|Help\n"
                            "[Action Text Info]\nAct=" + std::string(kVendorAction) +
                            "\n[Explanation Text Info]\nWhy=" + kVendorExplanation + "\n" +
                            sections + "[End]\n";
    ASSERT_EQ(Load("C:\\App\\app.cdb", cdb), platform::kSOk);
  }

  // Default values of keys under HKEY_CLASSES_ROOT.
  void ClassesRoot(const std::map<std::string, std::string>& keys) {
    for (const auto& [key, value] : keys) image_.Registry("HKEY_CLASSES_ROOT\\" + key, "", value);
  }

  template <class Item>
  Item& ItemOf(SectionId id, size_t index) {
    return *database_.GetSection(id)->ItemAs<Item>(index);
  }

  template <class Item>
  std::string ProblemText(const Item& item) {
    return RegistrationProblemText(machine_->Texts(), item);
  }
};

using RegistryKeys = std::map<std::string, std::string>;

// The tests of one kind of COM registration. `Traits` gives the item
// class, a correct registration, the database section of one item and
// its check.
template <class Traits>
class RegistrationCheckTest : public AppDatabaseTest {
 protected:
  using Item = typename Traits::Item;

  // Writes the registration, loads the database and checks its item.
  Item& CheckRegistration(const RegistryKeys& keys, const char* required = "Y") {
    ClassesRoot(keys);
    LoadApp(Traits::Section(required));
    Item& item = ItemOf<Item>(Traits::kSection, 0);
    Traits::Check(*context_, item);
    return item;
  }

  // The correct registration with the value of `key` set to `value`.
  Item& CheckWith(const std::string& key, const std::string& value, const char* required = "Y") {
    RegistryKeys keys = Traits::CorrectRegistration();
    keys[key] = value;
    return CheckRegistration(keys, required);
  }
};

class SettingCheckTest : public AppDatabaseTest {
 protected:
  // One two-line entry: location = expected values, then the flags and keys.
  static std::string Entry(const std::string& location, const std::string& expected,
                           const char* required = "Y") {
    return location + " = " + expected + ",\n" + required + ", N, Act, Why\n";
  }

  void LoadSettings(const std::string& section, const std::string& entries) {
    LoadApp("[" + section + "]\n" + entries);
  }

  SettingItem& Item(SectionId id, size_t index) { return ItemOf<SettingItem>(id, index); }

  SettingTexts Texts() const {
    return {database_.GetSection(SectionId::ActionTextInfo),
            database_.GetSection(SectionId::ExplanationTextInfo)};
  }

  // Runs `check` (CheckIniSetting or CheckRegistrySetting) on an item of section `id`.
  template <class CheckFunction>
  SettingOutputs Run(CheckFunction check, SectionId id, size_t index) {
    SettingOutputs outputs;
    check(*context_, Item(id, index), Texts(), outputs);
    return outputs;
  }
};

}  // namespace cvn::test
