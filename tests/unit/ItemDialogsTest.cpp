// The item details and fix confirmation dialogs through the recording
// host: which control gets which value, what is bold, which pages the file
// details sheet has, and how the setting confirmation keeps a value.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "config/ItemStatus.h"
#include "fixes/FileConfirmationFields.h"
#include "fixes/RegistrationFields.h"
#include "fixes/SettingConfirmationFields.h"
#include "resources/resource.h"
#include "tests/unit/ConfigTestSupport.h"
#include "tests/support/FileCheckTestFiles.h"
#include "ui/fakes/RecordingSheet.h"
#include "ui/dialogs/DialogFixConfirmations.h"
#include "ui/dialogs/ItemDetails.h"
#include "ui/dialogs/SettingDialogs.h"

namespace cvn {
namespace {

class ItemDialogsTest : public test::ConfigMachineTest {
 protected:
  template <class T>
  T& Add(SectionId id, std::unique_ptr<T> item) {
    T& added = *item;
    database_.GetSection(id)->Append(std::move(item));
    return added;
  }

  const RecordedControl& Shown(int dialog, int control) { return host_.surfaces[dialog].Control(control); }
  bool Bold(int dialog, int control) { return Shown(dialog, control).font.has_value(); }
  // Each row of a list as its column texts joined by "|".
  std::vector<std::string> Rows(int dialog, int list, int columns) {
    std::vector<std::string> rows;
    const MemoryList* shown = Shown(dialog, list).rows.get();
    for (int row = 0; shown != nullptr && row < shown->ItemCount(); ++row) {
      std::string text = shown->GetItemText(row, 0, 260);
      for (int column = 1; column < columns; ++column) text += "|" + shown->GetItemText(row, column, 260);
      rows.push_back(text);
    }
    return rows;
  }

  RecordingUiHost host_;
};

TEST_F(ItemDialogsTest, TheFileSheetShowsBothSidesItsVersionStringsAndItsImports) {
  image_.File("C:\\APP\\X.DLL", test::VersionedDll(0, 0, u"2.5"));
  image_.File("C:\\APP\\IMP.DLL", test::ImportingDll({"KERNEL32.DLL", "Sub\\"}));
  image_.File("C:\\APP\\PLAIN.DLL", test::PlainDll());
  Start();
  auto& x = Add(SectionId::DllInfo, std::make_unique<FileItem>("X.DLL"));
  x.foundFolder = "c:\\app";
  x.expectedFolder = "c:\\app";
  x.actualVersion = "1.0";
  x.expectedVersion = "2.0";
  x.status = filestatus::kRejectedVersion;
  x.versionProblem = true;
  for (const char* name : {"IMP.DLL", "PLAIN.DLL"}) {
    Add(SectionId::DllInfo, std::make_unique<FileItem>(name)).foundFolder = "c:\\app";
  }

  ASSERT_TRUE(ShowItemDetails(*context_, database_, host_, ItemRef::File(SectionId::DllInfo, "x.dll")));
  EXPECT_EQ(host_.shown, (std::vector<int>{IDD_FILE_GENERAL, IDD_FILE_VERSION}));
  EXPECT_EQ(Shown(111, IDC_ITEM_NAME).text, "X.DLL");
  EXPECT_TRUE(Bold(111, IDC_ITEM_NAME));
  EXPECT_EQ(Shown(111, IDC_ACTUAL_VERSION).text, "1.0 [known bad version]");
  EXPECT_EQ(Shown(111, IDC_EXPECTED_VERSION).text, "2.0");
  EXPECT_TRUE(Bold(111, IDC_ACTUAL_VERSION) && Bold(111, IDC_EXPECTED_VERSION));
  EXPECT_FALSE(Bold(111, IDC_ACTUAL_LOCATION) || Bold(111, IDC_EXPECTED_SIZE));
  EXPECT_EQ(Shown(111, IDC_ACTUAL_LABEL).text, "");  // the template's "Actual:" stays
  // A fixed version of 0.0.0.0 leaves "File Version:" empty; the strings
  // of the first translation still show.
  EXPECT_EQ(Shown(112, IDC_FILE_VERSION).text, "");
  EXPECT_EQ(Rows(112, IDC_VERSION_LIST, 2), std::vector<std::string>{"FileVersion|2.5"});

  host_ = RecordingUiHost();
  ItemRef compare = ItemRef::File(SectionId::DllInfo, "IMP.DLL");
  compare.compare = true;
  ASSERT_TRUE(ShowItemDetails(*context_, database_, host_, compare));
  EXPECT_EQ(host_.shown, (std::vector<int>{IDD_FILE_GENERAL, IDD_FILE_DEPENDENT}));
  EXPECT_EQ(Shown(111, IDC_ACTUAL_LABEL).text, "Current:");
  EXPECT_EQ(Shown(111, IDC_EXPECTED_LABEL).text, "Previous:");
  EXPECT_EQ(Rows(265, IDC_DEPENDENT_LIST, 1), (std::vector<std::string>{"kernel32.dll", "sub"}));

  host_ = RecordingUiHost();
  ASSERT_TRUE(ShowItemDetails(*context_, database_, host_, ItemRef::File(SectionId::DllInfo, "PLAIN.DLL")));
  EXPECT_EQ(host_.shown, std::vector<int>{IDD_FILE_GENERAL});
  EXPECT_FALSE(ShowItemDetails(*context_, database_, host_, ItemRef::File(SectionId::ProgramInfo, "X.DLL")));
}

TEST_F(ItemDialogsTest, FileConfirmationsShowTheByteCountFrom1024BytesOn) {
  image_.SizedFile("C:\\SRC\\SMALL.DLL", 1023).SizedFile("C:\\SRC\\LARGE.DLL", 1024);
  Start();
  DialogFixConfirmations confirmations(host_, machine_->Ask());
  FileItem item("X.DLL");
  item.foundFolder = "c:\\app";
  item.actualSizeText = "2 KB";
  item.sizeDiffers = true;
  auto confirm = [&](const std::string& source) {
    FileCopyPlan plan{"C:\\APP\\X.DLL", source, "C:\\APP\\BACKUP\\X.DLL", ReadCandidate(*context_, source).value()};
    return confirmations.ConfirmFile(MakeFileConfirmation(*context_, item, plan));
  };

  host_.QueueCommands(IDD_CONFIRM_FILE_REPLACE, {kIdCancel});
  EXPECT_FALSE(confirm("C:\\SRC\\LARGE.DLL"));
  EXPECT_EQ(Shown(113, IDC_EXPECTED_SIZE).text, "1 KB (1024 bytes)");
  EXPECT_EQ(Shown(113, IDC_EXPECTED_LOCATION).text, "c:\\src");
  EXPECT_EQ(Shown(113, IDC_ACTUAL_SIZE).text, "2 KB");
  EXPECT_TRUE(Bold(113, IDC_ACTUAL_SIZE));
  EXPECT_FALSE(Bold(113, IDC_EXPECTED_SIZE));
  EXPECT_EQ(Shown(113, IDC_NOTE).text, "The old file will be moved to 'c:\\app\\backup\\x.dll'.");

  item.status = filestatus::kNotFound;
  EXPECT_TRUE(confirm("C:\\SRC\\SMALL.DLL"));
  EXPECT_EQ(host_.shown.back(), IDD_CONFIRM_FILE_COPY);
  EXPECT_EQ(Shown(120, IDC_EXPECTED_SIZE).text, "1023 bytes");
  EXPECT_EQ(Shown(120, IDC_ACTUAL_LOCATION).text, "c:\\app");
  EXPECT_EQ(host_.surfaces[120].Find(IDC_ACTUAL_SIZE), nullptr);  // 120 has no such control
  EXPECT_EQ(Shown(120, IDC_NOTE).text, "");
}

class SettingDialogsTest : public ItemDialogsTest {
 protected:
  void SetUp() override { Start(); }

  SettingItem& Setting(std::vector<std::string> values, std::string valueText) {
    auto& item = Add(SectionId::RegistryInfo,
                     std::make_unique<SettingItem>("HKEY_CURRENT_USER\\Software\\Sky\\WordWrap"));
    item.expectedValues = std::move(values);
    item.valueText = std::move(valueText);
    item.actualDisplayText = "\"7\"";
    item.actualValueText = "7";
    item.status = settingstatus::kNotAcceptable;
    return item;
  }
};

TEST_F(SettingDialogsTest, ThreeAllowedValuesGiveTheListAndAnyValueAnEmptyEdit) {
  SettingItem& three = Setting({"0", "1", "2"}, "[0,1,2]");
  DialogFixConfirmations confirmations(host_, machine_->Ask());
  const auto chosen =
      confirmations.ConfirmSetting(MakeSettingConfirmation(*context_, three, SectionType::RegistrySetting), {});
  EXPECT_EQ(chosen, "0");
  const RecordedControl& list = Shown(115, IDC_NEW_VALUE_LIST);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_TRUE(list.shown && list.enabled);
  EXPECT_FALSE(Shown(115, IDC_NEW_VALUE_EDIT).shown || Shown(115, IDC_NEW_VALUE_EDIT).enabled);
  EXPECT_EQ(Shown(115, 0).text, "Confirm Registry Fix");
  EXPECT_EQ(Shown(115, IDC_NAME_LABEL1).text, "Key:");
  EXPECT_EQ(Shown(115, IDC_ITEM_NAME).text, "HKEY_CURRENT_USER");
  EXPECT_TRUE(Bold(115, IDC_ITEM_NAME));
  EXPECT_EQ(Shown(115, IDC_ITEM_SUBNAME).text, "Software\\Sky");
  EXPECT_EQ(Shown(115, IDC_VALUE_NAME).text, "WordWrap");

  SettingItem& any = Setting({"*"}, "*");
  host_.QueueCommands(IDD_CONFIRM_SETTING_FIX, {kIdCancel});
  EXPECT_EQ(confirmations.ConfirmSetting(MakeSettingConfirmation(*context_, any, SectionType::RegistrySetting), {}),
            std::nullopt);
  EXPECT_EQ(Shown(115, IDC_NEW_VALUE_EDIT).text, "");
  EXPECT_TRUE(Shown(115, IDC_NEW_VALUE_EDIT).shown);
  EXPECT_FALSE(Shown(115, IDC_NEW_VALUE_LIST).shown || Shown(115, IDC_NEW_VALUE_LIST).enabled);
}

TEST_F(SettingDialogsTest, ARefusedTextKeepsTheDialogOpenAndALongOneIsCut) {
  SettingItem& item = Setting({"1"}, "1");
  const SettingConfirmation fields = MakeSettingConfirmation(*context_, item, SectionType::RegistrySetting);
  const SettingTextCheck check = [](const std::string& text) {
    return text.starts_with("0x") ? std::string() : "'" + text + "' is not a number";
  };
  CSettingConfirmDialog dialog(fields, check, machine_->Ask());
  RecordingSurface surface;
  dialog.OnInitDialog(surface);
  EXPECT_EQ(surface.GetText(IDC_NEW_VALUE_EDIT), "1");
  EXPECT_EQ(dialog.OnCommand(surface, kIdOk), DialogEnd::Stay);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"'1' is not a number"});
  surface.SetText(IDC_NEW_VALUE_EDIT, "0x" + std::string(300, '1'));
  EXPECT_EQ(dialog.OnCommand(surface, kIdOk), DialogEnd::Ok);
  EXPECT_EQ(dialog.Value().size(), CSettingConfirmDialog::kMaxValue);
}

TEST_F(SettingDialogsTest, DetailsShowBothValuesInBoldAndTheAdviceUnlessAskedNot) {
  SettingItem& item = Setting({"1"}, "1");
  item.actionText = "Set word wrap to 1.";
  ASSERT_TRUE(ShowItemDetails(*context_, database_, host_, ItemRef::Setting(SectionId::RegistryInfo, 0)));
  EXPECT_EQ(Shown(114, 0).text, "Registry Details");
  EXPECT_EQ(Shown(114, IDC_ACTUAL_DATA).text, "\"7\"");
  EXPECT_EQ(Shown(114, IDC_EXPECTED_DATA).text, "1");
  EXPECT_TRUE(Bold(114, IDC_ACTUAL_DATA) && Bold(114, IDC_EXPECTED_DATA));
  EXPECT_EQ(Shown(114, IDC_SUGGESTED_ACTION).text, "Set word wrap to 1.");
  EXPECT_TRUE(Shown(114, IDC_SUGGESTED_ACTION_LABEL).enabled);

  item.status = settingstatus::kOk;
  ItemRef quiet = ItemRef::Setting(SectionId::RegistryInfo, 0);
  quiet.noAdvice = true;
  ASSERT_TRUE(ShowItemDetails(*context_, database_, host_, quiet));
  EXPECT_FALSE(Bold(114, IDC_ACTUAL_DATA));
  EXPECT_FALSE(Shown(114, IDC_SUGGESTED_ACTION_LABEL).enabled);
  EXPECT_FALSE(ShowItemDetails(*context_, database_, host_, ItemRef::Setting(SectionId::RegistryInfo, 1)));
}

TEST_F(ItemDialogsTest, AMovedServerShowsItsFoldersInBoldAndTheNote) {
  Start();
  auto& server = Add(SectionId::ControlRegistryInfo, std::make_unique<ServerItem>("Word Count Control"));
  server.serverFile = "wc.ocx";
  server.expectedServerPath = "C:\\App\\wc.ocx";
  server.registeredServerPath = "C:\\Windows\\wc.ocx";
  for (auto& status : server.subStatus) status = substatus::kMatches;
  server.SubStatus(ServerAspect::ServerLocation) = substatus::kWrongFolder;
  auto& library = Add(SectionId::TypeLibraryInfo, std::make_unique<TypeLibItem>("Sky Library"));
  for (auto& status : library.subStatus) status = substatus::kMatches;
  library.libraryFile = "sky.tlb";

  ASSERT_TRUE(ShowItemDetails(*context_, database_, host_,
                              ItemRef::Registration(SectionId::ControlRegistryInfo, "word count control")));
  EXPECT_EQ(Shown(116, IDC_ITEM_TYPE).text, "wc.ocx");
  EXPECT_EQ(Shown(116, IDC_ACTUAL_SERVER_LOCATION).text, "c:\\windows");
  EXPECT_TRUE(Bold(116, IDC_ACTUAL_SERVER_LOCATION) && Bold(116, IDC_EXPECTED_SERVER_LOCATION));
  EXPECT_FALSE(Bold(116, IDC_ACTUAL_PROGID));
  EXPECT_TRUE(Shown(116, IDC_SUGGESTED_ACTION).text.ends_with(
      "Note that this problem may have been caused by moving or renaming the file."));
  EXPECT_TRUE(Shown(116, IDC_SUGGESTED_ACTION_LABEL).enabled);
  EXPECT_EQ(Shown(116, IDC_PICTURE).iconId, 643);

  ASSERT_TRUE(
      ShowItemDetails(*context_, database_, host_, ItemRef::Registration(SectionId::TypeLibraryInfo, "Sky Library")));
  EXPECT_EQ(Shown(118, IDC_EXPECTED_TYPELIB_NAME).text, "Sky Library");
  EXPECT_EQ(Shown(118, IDC_ITEM_TYPE).text, "sky.tlb");
  EXPECT_FALSE(Bold(118, IDC_ACTUAL_TYPELIB_NAME));
  EXPECT_FALSE(Shown(118, IDC_SUGGESTED_ACTION_LABEL).enabled);

  DialogFixConfirmations confirmations(host_, machine_->Ask());
  host_.QueueCommands(IDD_CONFIRM_OLE_FIX, {kIdCancel});
  EXPECT_FALSE(confirmations.ConfirmServer(
      MakeServerFields(*context_, server, SectionId::OleServerInfo, DialogVariant::Confirm)));
  EXPECT_EQ(host_.surfaces[117].Find(IDC_SUGGESTED_ACTION), nullptr);
  EXPECT_TRUE(confirmations.ConfirmTypeLibrary(MakeTypeLibFields(*context_, library, DialogVariant::Confirm)));
  EXPECT_EQ(host_.shown.back(), IDD_CONFIRM_TYPELIB_FIX);
}

}  // namespace
}  // namespace cvn
