// The type library check: name, version, file and help folders, each
// sub-status from a registration that has it, and the row texts.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "checks/ComCheck.h"
#include "checks/RegistrationText.h"
#include "config/ItemStatus.h"
#include "tests/unit/RegistryCheckTestSupport.h"

namespace cvn {
namespace {

constexpr const char* kLibId = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
const std::string kLibKey = std::string("TypeLib\\") + kLibId;
const std::string kVersionKey = kLibKey + "\\1.0";

// A library registered as the type library API leaves it: the name on the
// version key, the file below it and the help folder.
test::RegistryKeys CorrectRegistration() {
  return {
      {kVersionKey, "Widget Library (Ver 1.0)"},
      {kVersionKey + "\\0\\win32", "C:\\WINDOWS\\SYSTEM\\WIDGET.TLB"},
      {kLibKey + "\\HelpDir", "C:\\WINDOWS\\HELP\\"},
  };
}

struct ComCheckTypeLibTestTraits {
  using Item = TypeLibItem;
  static constexpr SectionId kSection = SectionId::TypeLibraryInfo;
  static constexpr auto Check = CheckTypeLibrary;
  static constexpr auto CorrectRegistration = cvn::CorrectRegistration;
  static std::string Section(const char* required) {
    return std::string("[Type Library Info]\nWidget Library (Ver 1.0), WIDGET.TLB, S, H, 1.0,\n") +
           required + ", " + kLibId + "\n";
  }
};

using ComCheckTypeLibTest = test::RegistrationCheckTest<ComCheckTypeLibTestTraits>;

using Aspect = TypeLibAspect;

TEST_F(ComCheckTypeLibTest, ACorrectRegistrationMatchesInEveryAspect) {
  const TypeLibItem& item = CheckRegistration(CorrectRegistration());
  for (size_t i = 0; i < kTypeLibAspects; ++i) EXPECT_EQ(item.subStatus[i], substatus::kMatches) << i;
  EXPECT_EQ(item.displayTexts[0], "Widget Library (Ver 1.0)");
  EXPECT_EQ(item.displayTexts[1], "1.0");
  EXPECT_EQ(item.displayTexts[2], "c:\\windows\\system");
  EXPECT_EQ(item.displayTexts[3], "c:\\windows\\help");
  EXPECT_EQ(item.foundVersion, "1.0");
  EXPECT_EQ(item.expectedFileFolder, "c:\\windows\\system");
  EXPECT_EQ(item.notes, "");
  EXPECT_EQ(ProblemText(item), "");
  EXPECT_EQ(machine_->OpenRegistryKeys(), 0u);
}

TEST_F(ComCheckTypeLibTest, TheNameOnTheLibraryKeyIsTriedFirst) {
  auto keys = CorrectRegistration();
  keys[kLibKey] = "Widget Library (Ver 1.0)";
  keys[kVersionKey] = "Something Else";
  const TypeLibItem& item = CheckRegistration(keys);
  EXPECT_EQ(item.SubStatus(Aspect::Name), substatus::kMatches);
  EXPECT_EQ(item.SubStatus(Aspect::Version), substatus::kMatches);
}

TEST_F(ComCheckTypeLibTest, AWrongNameOnBothKeys) {
  auto keys = CorrectRegistration();
  keys[kLibKey] = "Gadget Library";
  keys[kVersionKey] = "Gadget Library (Ver 1.0)";
  const TypeLibItem& item = CheckRegistration(keys);
  EXPECT_EQ(item.SubStatus(Aspect::Name), substatus::kWrongName);
  EXPECT_EQ(item.displayTexts[0], "Gadget Library (Ver 1.0), expected Widget Library (Ver 1.0)");
  EXPECT_EQ(item.foundName, "Gadget Library (Ver 1.0)");
  EXPECT_EQ(item.notes, "Corvane will fix this problem automatically if you press the Fix button.");
  EXPECT_EQ(ProblemText(item), "Problem found: type library name.");
}

TEST_F(ComCheckTypeLibTest, AnOlderRegisteredVersion) {
  const TypeLibItem& item = CheckWith(kVersionKey, "Widget Library (Ver 0.9)");
  EXPECT_EQ(item.SubStatus(Aspect::Version), substatus::kOlderVersion);
  EXPECT_EQ(item.displayTexts[1], "0.9, expected 1.0");
  EXPECT_EQ(item.foundVersion, "0.9");
  EXPECT_EQ(ProblemText(item), "Problems found: type library name, version.");
}

TEST_F(ComCheckTypeLibTest, AMissingVersionKeyLeavesNameAndVersionUnjudged) {
  const TypeLibItem& item = CheckRegistration({{kLibKey + "\\Dir", "C:\\WINDOWS\\SYSTEM"}});
  EXPECT_EQ(item.SubStatus(Aspect::Name), substatus::kNotChecked);
  EXPECT_EQ(item.SubStatus(Aspect::Version), substatus::kNotChecked);
  EXPECT_EQ(item.SubStatus(Aspect::FileLocation), substatus::kMatches);
  EXPECT_EQ(item.SubStatus(Aspect::HelpLocation), substatus::kNotChecked);
  EXPECT_EQ(ProblemLevel(item), level::kNone);
}

TEST_F(ComCheckTypeLibTest, TheLibraryFileIsTriedWhenTheDirDiffers) {
  const TypeLibItem& item = CheckWith(kLibKey + "\\Dir", "C:\\OLD");
  EXPECT_EQ(item.SubStatus(Aspect::FileLocation), substatus::kMatches);
  EXPECT_EQ(item.foundFileFolder, "c:\\windows\\system");
}

TEST_F(ComCheckTypeLibTest, ALibraryFileInAnotherFolder) {
  const TypeLibItem& item =
      CheckWith(kVersionKey + "\\0\\win32", "C:\\Program Files\\Vendor\\WIDGET.TLB", "N");
  EXPECT_EQ(item.SubStatus(Aspect::FileLocation), substatus::kWrongFolder);
  EXPECT_EQ(item.displayTexts[2], "c:\\program files\\vendor, expected c:\\windows\\system");
  EXPECT_EQ(ProblemText(item), "Problem found: file location.  This file is not required.");
  EXPECT_EQ(ProblemLevel(item), level::kSeriousWarning);
}

TEST_F(ComCheckTypeLibTest, ALibraryWithoutFileIsNotFound) {
  auto keys = CorrectRegistration();
  keys.erase(kVersionKey + "\\0\\win32");
  const TypeLibItem& item = CheckRegistration(keys);
  EXPECT_EQ(item.SubStatus(Aspect::FileLocation), substatus::kNotFound);
  EXPECT_EQ(item.displayTexts[2], "Not found");
  EXPECT_EQ(ProblemText(item), "Problem found: type library not found.");
  EXPECT_EQ(ProblemLevel(item), level::kSeriousProblem);
}

TEST_F(ComCheckTypeLibTest, AnotherNameInAnotherFolderIsAnotherLibrary) {
  const TypeLibItem& item =
      CheckRegistration({{kVersionKey, "Gadget Library (Ver 2.0)"},
                         {kVersionKey + "\\0\\win32", "C:\\GADGET\\GADGET.TLB"},
                         {kLibKey + "\\HelpDir", "C:\\GADGET"}});
  EXPECT_EQ(item.SubStatus(Aspect::Name), substatus::kWrongName);
  EXPECT_EQ(item.SubStatus(Aspect::FileLocation), substatus::kWrongFolder);
  EXPECT_EQ(item.SubStatus(Aspect::HelpLocation), substatus::kWrongFolder);
  EXPECT_EQ(item.foundName, "");
  EXPECT_EQ(item.foundVersion, "");
  EXPECT_EQ(item.foundFileFolder, "");
  EXPECT_EQ(item.foundHelpFolder, "");
  EXPECT_EQ(ProblemText(item), "Problem found: type library not found.");
}

TEST_F(ComCheckTypeLibTest, OnlyTheHelpFolderWrongIsAWarning) {
  const TypeLibItem& item = CheckWith(kLibKey + "\\HelpDir", "C:\\WINDOWS");
  EXPECT_EQ(item.SubStatus(Aspect::HelpLocation), substatus::kWrongFolder);
  EXPECT_EQ(item.displayTexts[3], "c:\\windows, expected c:\\windows\\help");
  EXPECT_EQ(ProblemText(item), "Problem found: help file location.");
  const RegistrationRow row = MakeRegistrationRow(machine_->Texts(), item, 3);
  EXPECT_EQ(row.name, "Widget Library (Ver 1.0)");
  EXPECT_EQ(row.file, "WIDGET.TLB");
  RowData expected;
  expected.status = level::kWarning;
  expected.category = SectionId::TypeLibraryInfo;
  expected.itemIndex = 3;
  expected.hasDetails = true;
  EXPECT_EQ(row.data, expected);
}

}  // namespace
}  // namespace cvn
