// The file and registration listings of the check pages: which rows they
// show, what they count, and which rows Fix and Details may act on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "checks/FileCheckList.h"
#include "checks/RegistrationList.h"
#include "checks/SettingCheckList.h"
#include "config/ItemStatus.h"
#include "tests/unit/RegistryCheckTestSupport.h"
#include "ui/CheckListFill.h"
#include "util/MemoryList.h"

namespace cvn {
namespace {

constexpr SectionId kDll = SectionId::DllInfo;
constexpr SectionId kOle = SectionId::OleServerInfo;
constexpr SectionId kTypeLibCategory = SectionId::TypeLibraryInfo;

class FileListingTest : public test::AppDatabaseTest {
 protected:
  void SetUp() override { image_.Windows95(); }

  void LoadDlls(const std::string& entries) { LoadApp("[DLL Info]\n" + entries); }

  platform::HResult List(ShowRows show, SectionId category = kDll) {
    rows.clear();
    problems = 0;
    return ListFiles(*context_, database_, category, show, rows, problems);
  }

  std::vector<FileRow> rows;
  int problems = 0;
};

TEST_F(FileListingTest, APageWhoseFilesAllPassShowsThemWithoutProblems) {
  image_.File("C:\\App\\GOOD.DLL", "MZ").File("C:\\App\\FINE.DLL", "MZ");
  LoadDlls("GOOD.DLL, 1, 1, Y, N\nFINE.DLL, 1, 1, N, N\n");
  ASSERT_EQ(List(ShowRows::All), platform::kSOk);
  EXPECT_EQ(problems, 0);
  ASSERT_EQ(rows.size(), 2u);
  for (const FileRow& row : rows) {
    EXPECT_EQ(row.data.status, level::kNone);
    EXPECT_TRUE(row.data.canFix);  // a fix copies it again
    EXPECT_TRUE(row.data.hasDetails);
  }
  EXPECT_EQ(rows[1].name, "FINE.DLL");
  EXPECT_EQ(rows[1].data.rowNumber, 1);
  ASSERT_EQ(List(ShowRows::Problems), platform::kSOk);
  EXPECT_TRUE(rows.empty());
}

TEST_F(FileListingTest, FolderFindingsAreProblemsThatFixCannotRepair) {
  image_.File("C:\\App\\GOOD.DLL", "MZ")
      .File("C:\\WINDOWS\\SYSTEM\\MOVED.DLL", "MZ")
      .File("C:\\App\\TWICE.DLL", "MZ")
      .File("C:\\WINDOWS\\TWICE.DLL", "MZ");
  LoadDlls("GOOD.DLL, 1, 1, Y, N\nGONE.DLL, 1, 1, Y, N\nMOVED.DLL, 1, 1, Y, N\nTWICE.DLL, 1, 1, N, N\n");
  ASSERT_EQ(List(ShowRows::Problems), platform::kSOk);
  EXPECT_EQ(problems, 3);
  ASSERT_EQ(rows.size(), 3u);

  EXPECT_EQ(rows[0].name, "GONE.DLL");
  EXPECT_EQ(rows[0].notes, "The file was not found.");
  RowData gone = ListedRowData(level::kSeriousProblem, kDll, 0);
  gone.canFix = true;
  EXPECT_EQ(rows[0].data, gone);

  EXPECT_EQ(rows[1].name, "MOVED.DLL");
  EXPECT_EQ(rows[1].data.status, level::kProblem);
  EXPECT_EQ(rows[2].name, "TWICE.DLL");
  EXPECT_EQ(rows[2].data.status, level::kSeriousWarning);
  for (size_t i = 1; i < rows.size(); ++i) {
    EXPECT_FALSE(rows[i].data.canFix) << rows[i].name;
    EXPECT_TRUE(rows[i].data.hasDetails) << rows[i].name;
    EXPECT_EQ(rows[i].data.rowNumber, static_cast<int>(i));
  }

  ASSERT_EQ(List(ShowRows::All), platform::kSOk);
  EXPECT_EQ(rows.size(), 4u);
  EXPECT_EQ(problems, 3);
}

TEST_F(FileListingTest, AnEmptyOrForeignSectionListsNothing) {
  LoadDlls("");
  EXPECT_EQ(List(ShowRows::All), platform::kEFail);
  EXPECT_EQ(List(ShowRows::All, SectionId::IniInfo), platform::kEFail);
  EXPECT_TRUE(rows.empty());
}

constexpr const char* kListedClsid = "{1A2B3C4D-0000-1111-2222-333344445555}";
constexpr const char* kLibId = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";

class RegistrationListingTest : public test::AppDatabaseTest {
 protected:
  platform::HResult List(SectionId category, ShowRows show) {
    rows.clear();
    problems = 0;
    return ListRegistrations(*context_, database_, category, show, rows, problems);
  }

  std::vector<RegistrationRow> rows;
  int problems = 0;
};

TEST_F(RegistrationListingTest, ServerRowsNameTheirProblemAndNeverOfferFix) {
  const std::string key = std::string("CLSID\\") + kListedClsid;
  ClassesRoot({{key + "\\InprocServer32", "C:\\WINDOWS\\SYSTEM\\WIDGET.DLL"}});
  LoadApp(std::string("[OLE Server Info]\n") +
          "Vendor Widget, WIDGET.DLL, S, Vendor.Widget.2, 2.0,\nY, N, N, " + kListedClsid + ", " + kLibId + "\n" +
          "Vendor Ghost, GHOST.DLL, S, Vendor.Ghost.1, 1.0,\nN, N, N, {00000000-0000-0000-0000-00000000000A}, " +
          kLibId + "\n");
  ASSERT_EQ(List(kOle, ShowRows::All), platform::kSOk);
  EXPECT_EQ(problems, 1);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].data.status, level::kNone);
  EXPECT_EQ(rows[1].name, "Vendor Ghost");
  EXPECT_EQ(rows[1].file, "GHOST.DLL");
  EXPECT_EQ(rows[1].problemText, "Problem found: server not found.  This file is not required.");
  RowData ghost = ListedRowData(level::kSeriousWarning, kOle, 1);
  ghost.itemIndex = 1;
  EXPECT_EQ(rows[1].data, ghost);
  EXPECT_FALSE(rows[0].data.canFix);

  ASSERT_EQ(List(kOle, ShowRows::Problems), platform::kSOk);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].data.rowNumber, 0);
  EXPECT_EQ(rows[0].data.itemIndex, 1);
}

TEST_F(RegistrationListingTest, AWrongHelpFolderAloneIsAWarningThatStillCounts) {
  const std::string lib = std::string("TypeLib\\") + kLibId;
  ClassesRoot({{lib + "\\1.0", "Widget Library (Ver 1.0)"},
               {lib + "\\1.0\\0\\win32", "C:\\WINDOWS\\SYSTEM\\WIDGET.TLB"},
               {lib + "\\HelpDir", "C:\\ELSEWHERE\\"}});
  LoadApp(std::string("[Type Library Info]\nWidget Library (Ver 1.0), WIDGET.TLB, S, H, 1.0,\nY, ") + kLibId +
          "\n");
  ASSERT_EQ(List(kTypeLibCategory, ShowRows::Problems), platform::kSOk);
  EXPECT_EQ(problems, 1);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].data.status, level::kWarning);
  EXPECT_EQ(rows[0].problemText, "Problem found: help file location.");
  EXPECT_FALSE(rows[0].data.canFix);
  EXPECT_TRUE(rows[0].data.hasDetails);
}

using SettingListingTest = test::ConfigMachineTest;

TEST_F(SettingListingTest, WithoutActionTextsTheSettingsAreStillListed) {
  image_.File("C:\\App\\APP.EXE", "MZ");
  ASSERT_EQ(Load("C:\\App\\app.cdb", "[App Info]\nAppFileName=APP.EXE\n[Explanation Text Info]\nWhy=Because\n"
                                      "[INI Info]\napp\\S\\Key = yes,\nY, N, Act, Why\n[End]\n"),
            platform::kSOk);
  MemoryList list;
  list.InsertItem(0, "stale", 5, std::make_unique<RowData>());
  int problems = 7;
  EXPECT_EQ(FillCheckList(*context_, database_, SectionId::IniInfo, ShowRows::All, list, problems), platform::kSOk);
  ASSERT_EQ(list.ItemCount(), 1);
  EXPECT_EQ(list.GetItemText(0, 0, 260), "Key");
  EXPECT_EQ(problems, 1);
}

TEST(SettingFullNameTest, IniLocationsAreSplitAndRegistryLocationsKept) {
  EXPECT_EQ(SettingFullName(SettingItem("app\\Options\\Mode"), SectionType::IniSetting), "app.ini [Options] Mode");
  EXPECT_EQ(SettingFullName(SettingItem("broken"), SectionType::IniSetting), "broken");
  EXPECT_EQ(SettingFullName(SettingItem("HKEY_CURRENT_USER\\Software\\V\\Mode"), SectionType::RegistrySetting),
            "HKEY_CURRENT_USER\\Software\\V\\Mode");
}

}  // namespace
}  // namespace cvn
