// The class registration check: each aspect and sub-status from a
// registration that really has it, and the row texts that name them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "checks/ComCheck.h"
#include "checks/RegistrationText.h"
#include "config/ItemStatus.h"
#include "tests/unit/RegistryCheckTestSupport.h"

namespace cvn {
namespace {

constexpr const char* kServerClsid = "{1A2B3C4D-0000-1111-2222-333344445555}";
constexpr const char* kServerTypeLib = "{9F8E7D6C-AAAA-BBBB-CCCC-DDDDEEEEFFFF}";
const std::string kClassKey = std::string("CLSID\\") + kServerClsid;

// A registration as regsvr32 leaves it for Vendor.Widget.2 in the System
// folder; tests change or remove single keys.
test::RegistryKeys CorrectRegistration() {
  return {
      {kClassKey, "Vendor Widget"},
      {kClassKey + "\\InprocServer32", "C:\\WINDOWS\\SYSTEM\\WIDGET.DLL"},
      {kClassKey + "\\ProgID", "Vendor.Widget.2"},
      {kClassKey + "\\VersionIndependentProgID", "Vendor.Widget"},
      {kClassKey + "\\Version", "2.0"},
      {kClassKey + "\\TypeLib", kServerTypeLib},
      {"Vendor.Widget\\CurVer", "Vendor.Widget.2"},
      {"Vendor.Widget\\CLSID", kServerClsid},
      {"Vendor.Widget.2\\CLSID", kServerClsid},
  };
}

struct ComCheckServerTestTraits {
  using Item = ServerItem;
  static constexpr SectionId kSection = SectionId::OleServerInfo;
  static constexpr auto Check = CheckServer;
  static constexpr auto CorrectRegistration = cvn::CorrectRegistration;
  static std::string Section(const char* required) {
    return std::string("[OLE Server Info]\nVendor Widget, WIDGET.DLL, S, Vendor.Widget.2, 2.0,\n") +
           required + ", N, N, " + kServerClsid + ", " + kServerTypeLib + "\n";
  }
};

using ComCheckServerTest = test::RegistrationCheckTest<ComCheckServerTestTraits>;

using Aspect = ServerAspect;

TEST_F(ComCheckServerTest, ACorrectRegistrationMatchesInEveryAspect) {
  const ServerItem& item = CheckRegistration(CorrectRegistration());
  for (size_t i = 0; i < kServerAspects; ++i) EXPECT_EQ(item.subStatus[i], substatus::kMatches) << i;
  EXPECT_EQ(item.expectedServerPath, "C:\\WINDOWS\\SYSTEM\\WIDGET.DLL");
  EXPECT_EQ(item.displayTexts[0], "C:\\WINDOWS\\SYSTEM\\WIDGET.DLL");
  EXPECT_EQ(item.displayTexts[1], "Vendor.Widget");
  EXPECT_EQ(item.displayTexts[2], "2.0");
  EXPECT_EQ(item.displayTexts[3], kServerClsid);
  EXPECT_EQ(item.displayTexts[4], kServerTypeLib);
  EXPECT_EQ(item.foundVersion, "2.0");
  EXPECT_EQ(item.notes, "");
  EXPECT_EQ(ProblemText(item), "");
  EXPECT_EQ(ProblemLevel(item), level::kNone);
  EXPECT_TRUE(item.checked);
  EXPECT_EQ(machine_->OpenRegistryKeys(), 0u);
}

TEST_F(ComCheckServerTest, MissingKeysLeaveTheirAspectsUnjudged) {
  auto keys = CorrectRegistration();
  for (const char* key : {"\\ProgID", "\\VersionIndependentProgID", "\\Version", "\\TypeLib"}) {
    keys.erase(kClassKey + key);
  }
  keys.erase("Vendor.Widget\\CurVer");
  keys.erase("Vendor.Widget\\CLSID");
  keys.erase("Vendor.Widget.2\\CLSID");
  const ServerItem& item = CheckRegistration(keys);
  EXPECT_EQ(item.SubStatus(Aspect::ServerLocation), substatus::kMatches);
  for (Aspect a : {Aspect::ProgId, Aspect::Version, Aspect::Clsid, Aspect::TypeLib}) {
    EXPECT_EQ(item.SubStatus(a), substatus::kNotChecked) << static_cast<int>(a);
  }
  EXPECT_EQ(ProblemLevel(item), level::kNone);
}

TEST_F(ComCheckServerTest, AnUnregisteredClassIsNotFoundAndKeepsNoValues) {
  auto keys = CorrectRegistration();
  keys.erase(kClassKey + "\\InprocServer32");
  keys[kClassKey + "\\Version"] = "1.0";
  const ServerItem& item = CheckRegistration(keys);
  EXPECT_EQ(item.SubStatus(Aspect::ServerLocation), substatus::kNotFound);
  EXPECT_EQ(item.displayTexts[0], "Not found");
  EXPECT_EQ(item.SubStatus(Aspect::Version), substatus::kOlderVersion);
  EXPECT_EQ(item.registeredServerPath, "");
  EXPECT_EQ(item.foundProgId, "");
  EXPECT_EQ(item.foundVersion, "");
  EXPECT_EQ(item.foundClsid, "");
  EXPECT_EQ(item.foundTypeLib, "");
  EXPECT_EQ(item.notes, "Corvane will fix this problem automatically if you press the Fix button.");
  EXPECT_EQ(ProblemText(item), "Problem found: server not found.");
  EXPECT_EQ(ProblemLevel(item), level::kSeriousProblem);
}

TEST_F(ComCheckServerTest, ALocalServerInTheExpectedFolderIsFound) {
  auto keys = CorrectRegistration();
  keys.erase(kClassKey + "\\InprocServer32");
  keys[kClassKey + "\\LocalServer32"] = "c:\\windows\\system\\widget.dll";
  const ServerItem& item = CheckRegistration(keys);
  EXPECT_EQ(item.SubStatus(Aspect::ServerLocation), substatus::kMatches);
  EXPECT_EQ(item.registeredServerPath, "c:\\windows\\system\\widget.dll");
}

// Servers register a command line: the program may be quoted and followed
// by arguments. Only the program's path is compared.
struct LocalServerCase {
  const char* command;
  int status;
  const char* path;
};

class LocalServerCommandTest : public ComCheckServerTest, public ::testing::WithParamInterface<LocalServerCase> {};

TEST_P(LocalServerCommandTest, IsJudgedByItsProgram) {
  auto keys = CorrectRegistration();
  keys.erase(kClassKey + "\\InprocServer32");
  keys[kClassKey + "\\LocalServer32"] = GetParam().command;
  const ServerItem& item = CheckRegistration(keys);
  EXPECT_EQ(item.SubStatus(Aspect::ServerLocation), GetParam().status);
  EXPECT_EQ(item.registeredServerPath, GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LocalServerCommandTest,
    ::testing::Values(
        LocalServerCase{"\"c:\\windows\\system\\widget.dll\" /automation", substatus::kMatches,
                        "c:\\windows\\system\\widget.dll"},
        LocalServerCase{"\"c:\\windows\\system\\widget.dll\"", substatus::kMatches, "c:\\windows\\system\\widget.dll"},
        LocalServerCase{"c:\\windows\\system\\widget.dll -Embedding", substatus::kMatches,
                        "c:\\windows\\system\\widget.dll"},
        LocalServerCase{"\"c:\\other dir\\widget.dll\" /automation", substatus::kWrongFolder,
                        "c:\\other dir\\widget.dll"}));

TEST_F(ComCheckServerTest, AServerInAnotherFolderNamesBothFolders) {
  auto keys = CorrectRegistration();
  keys[kClassKey + "\\InprocServer32"] = "C:\\Program Files\\Other\\WIDGET.DLL";
  keys[kClassKey + "\\LocalServer32"] = "C:\\WINDOWS\\SYSTEM\\WIDGET.DLL";
  const ServerItem& item = CheckRegistration(keys, "N");
  EXPECT_EQ(item.SubStatus(Aspect::ServerLocation), substatus::kWrongFolder);
  EXPECT_EQ(item.displayTexts[0], "c:\\program files\\other, expected c:\\windows\\system");
  EXPECT_EQ(item.registeredServerPath, "C:\\Program Files\\Other\\WIDGET.DLL");
  EXPECT_EQ(ProblemText(item), "Problem found: server location.  This file is not required.");
  EXPECT_EQ(ProblemLevel(item), level::kSeriousWarning);
}

// A server registered as Windows may write it: the file is what counts,
// compared as a path, and the texts show no quote and no folder twice.
struct RegisteredAsCase {
  const char* name;
  const char* registered;  // InprocServer32
  int status;
  const char* text;
};

class ComCheckRegisteredAsTest : public ComCheckServerTest,
                                 public ::testing::WithParamInterface<RegisteredAsCase> {};

TEST_P(ComCheckRegisteredAsTest, TheFileItNamesIsJudged) {
  image_.File("C:\\WINDOWS\\SYSTEM\\Widget Server.dll", "MZ");
  ClassesRoot({{kClassKey + "\\InprocServer32", GetParam().registered}});
  LoadApp(std::string("[OLE Server Info]\nVendor Widget, Widget Server.dll, S, Vendor.Widget.2, 2.0,\nY, N, N, ") +
          kServerClsid + ", " + kServerTypeLib + "\n");
  ServerItem& item = ItemOf<ServerItem>(SectionId::OleServerInfo, 0);
  CheckServer(*context_, item);
  EXPECT_EQ(item.SubStatus(Aspect::ServerLocation), GetParam().status);
  EXPECT_EQ(item.displayTexts[0], GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Registrations, ComCheckRegisteredAsTest,
    ::testing::Values(
        RegisteredAsCase{"ShortPath", "C:\\WINDOWS\\SYSTEM\\WIDGET~1.DLL", substatus::kMatches,
                         "C:\\WINDOWS\\SYSTEM\\Widget Server.dll"},
        RegisteredAsCase{"Quoted", "\"C:\\Windows\\System\\Widget Server.dll\"", substatus::kMatches,
                         "C:\\WINDOWS\\SYSTEM\\Widget Server.dll"},
        RegisteredAsCase{"BareNameOnTheSearchPath", "Widget Server.dll", substatus::kMatches,
                         "C:\\WINDOWS\\SYSTEM\\Widget Server.dll"},
        RegisteredAsCase{"QuotedElsewhere", "\"C:\\Program Files\\Other\\Widget Server.dll\"",
                         substatus::kWrongFolder, "c:\\program files\\other, expected c:\\windows\\system"},
        RegisteredAsCase{"AnotherFileOfTheFolder", "C:\\WINDOWS\\SYSTEM\\OTHER.DLL", substatus::kWrongFolder,
                         "c:\\windows\\system\\other.dll, expected c:\\windows\\system\\widget server.dll"},
        RegisteredAsCase{"BareNameFoundNowhere", "gone.dll", substatus::kWrongFolder,
                         "gone.dll, expected c:\\windows\\system\\widget server.dll"}),
    [](const auto& p) { return std::string(p.param.name); });

// Each of the three ProgID readings can be the one that differs.
struct ProgIdCase {
  std::string key;
  const char* value;
  const char* text;
};

class ComCheckProgIdTest : public ComCheckServerTest,
                           public ::testing::WithParamInterface<ProgIdCase> {};

TEST_P(ComCheckProgIdTest, TheFirstProgIdThatDiffersDecides) {
  const ServerItem& item = CheckWith(GetParam().key, GetParam().value);
  EXPECT_EQ(item.SubStatus(Aspect::ProgId), substatus::kWrongProgId);
  EXPECT_EQ(item.displayTexts[1], GetParam().text);
  EXPECT_EQ(item.foundProgId, GetParam().value);
  EXPECT_EQ(ProblemText(item), "Problem found: prog ID.");
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ComCheckProgIdTest,
    ::testing::Values(
        ProgIdCase{kClassKey + "\\ProgID", "Vendor.Widget.1",
                   "Vendor.Widget.1, expected Vendor.Widget.2"},
        ProgIdCase{"Vendor.Widget\\CurVer", "Vendor.Widget.3",
                   "Vendor.Widget.3, expected Vendor.Widget.2"},
        ProgIdCase{kClassKey + "\\VersionIndependentProgID", "Other.Widget",
                   "Other.Widget, expected Vendor.Widget"}));

TEST_F(ComCheckServerTest, AnOlderVersionDiffers) {
  const ServerItem& older = CheckWith(kClassKey + "\\Version", "1.9");
  EXPECT_EQ(older.SubStatus(Aspect::Version), substatus::kOlderVersion);
  EXPECT_EQ(older.displayTexts[2], "1.9, expected 2.0");
  EXPECT_EQ(ProblemText(older), "Problem found: version.");
}

TEST_F(ComCheckServerTest, ANewerVersionIsAccepted) {
  const ServerItem& item = CheckWith(kClassKey + "\\Version", "2.1");
  EXPECT_EQ(item.SubStatus(Aspect::Version), substatus::kMatches);
  EXPECT_EQ(item.foundVersion, "2.1");
}

TEST_F(ComCheckServerTest, AProgIdOfAnotherClassAndAnotherTypeLibrary) {
  auto keys = CorrectRegistration();
  keys["Vendor.Widget\\CLSID"] = "{00000000-0000-0000-0000-000000000001}";
  keys[kClassKey + "\\TypeLib"] = "{00000000-0000-0000-0000-000000000002}";
  const ServerItem& item = CheckRegistration(keys);
  EXPECT_EQ(item.SubStatus(Aspect::Clsid), substatus::kWrongClsid);
  EXPECT_EQ(item.displayTexts[3],
            std::string("{00000000-0000-0000-0000-000000000001}, expected ") + kServerClsid);
  EXPECT_EQ(item.SubStatus(Aspect::TypeLib), substatus::kWrongTypeLib);
  EXPECT_EQ(item.foundTypeLib, "{00000000-0000-0000-0000-000000000002}");
  EXPECT_EQ(ProblemText(item), "Problems found: GUID, type library GUID.");
}

TEST_F(ComCheckServerTest, EveryFailedAspectIsNamedInOrder) {
  auto keys = CorrectRegistration();
  keys[kClassKey + "\\InprocServer32"] = "C:\\OTHER\\WIDGET.DLL";
  keys[kClassKey + "\\ProgID"] = "Vendor.Widget.1";
  keys[kClassKey + "\\Version"] = "1.0";
  keys["Vendor.Widget.2\\CLSID"] = "{00000000-0000-0000-0000-000000000001}";
  keys[kClassKey + "\\TypeLib"] = "{00000000-0000-0000-0000-000000000002}";
  const ServerItem& item = CheckRegistration(keys);
  EXPECT_EQ(ProblemText(item),
            "Problems found: server location, prog ID, version, GUID, type library GUID.");
  const RegistrationRow row =
      MakeRegistrationRow(machine_->Texts(), item, SectionId::OleServerInfo, 0);
  EXPECT_EQ(row.name, "Vendor Widget");
  EXPECT_EQ(row.file, "WIDGET.DLL");
  EXPECT_EQ(row.problemText, "Problems found: server location, prog ID, version, GUID, type library GUID.");
  RowData expected;
  expected.status = level::kSeriousProblem;
  expected.category = SectionId::OleServerInfo;
  expected.hasDetails = true;
  EXPECT_EQ(row.data, expected);
}

TEST_F(ComCheckServerTest, AResultIsKeptUntilTheItemIsCleared) {
  ServerItem& item = CheckRegistration(CorrectRegistration());
  platform::RegKey key = 0;
  ASSERT_EQ(machine_->Reg().OpenKey(platform::hkey::kClassesRoot, kClassKey + "\\Version",
                                    platform::Registry::Access::All, key),
            platform::regerr::kSuccess);
  machine_->Reg().SetValue(key, "", platform::regtype::kString, {'1', 0});
  machine_->Reg().CloseKey(key);
  CheckServer(*context_, item);
  EXPECT_EQ(item.SubStatus(Aspect::Version), substatus::kMatches);
  item.checked = false;
  CheckServer(*context_, item);
  EXPECT_EQ(item.SubStatus(Aspect::Version), substatus::kOlderVersion);
}

}  // namespace
}  // namespace cvn
