// Loading .cdb files: lines, headers, entries and what the end of App Info
// and Directory Info sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "tests/unit/ConfigTestSupport.h"

namespace cvn {
namespace {

using Strings = std::vector<std::string>;

using namespace std::string_literals;

constexpr const char* kCdb = "C:\\CORVANE\\Corvane.cdb";
constexpr const char* kAppInfo = "[App Info]\nAppFileName=CORVANE.EXE\n";

class LoaderTest : public test::ConfigMachineTest {
 protected:
  // Loads `text` after an App Info that locates the application.
  platform::HResult LoadBody(std::string_view text) { return Load(kCdb, std::string(kAppInfo) + std::string(text)); }

  Strings Names(SectionId id) const {
    Strings names;
    for (const auto& item : database_.GetSection(id)->Items()) names.push_back(item->Name());
    return names;
  }
};

TEST_F(LoaderTest, EmptyPathAndMissingFileShowTheirMessages) {
  Start();
  EXPECT_EQ(database_.Load(*context_, ""), platform::kEFail);
  EXPECT_EQ(database_.Load(*context_, "C:\\Vendor\\Missing.CDB"), platform::kEFail);
  EXPECT_EQ(MessageTexts(), (Strings{"Unable to open Configuration Database file.",
                                     "Unable to open Configuration Database file "
                                     "'c:\\vendor\\missing.cdb'."}));
  EXPECT_EQ(machine_->Messages()[0].buttons, platform::Buttons::Ok);
  EXPECT_TRUE(database_.path.empty());
}

TEST_F(LoaderTest, AppNameIsTakenWhenTheNextHeaderIsRead) {
  EXPECT_EQ(Load(kCdb, "[App Info]\nAppName=Foo\nAppFileName=CORVANE.EXE\n[End]\n"), platform::kSOk);
  EXPECT_EQ(context_->appName, "Foo");
  EXPECT_EQ(database_.path, kCdb);
  EXPECT_EQ(database_.title, "Corvane.cdb");
}

TEST_F(LoaderTest, AppNameWithoutAFollowingHeaderIsNotTaken) {
  EXPECT_EQ(Load(kCdb, "[App Info]\nAppName=Foo\nAppWin32=No\n"), platform::kSOk);
  EXPECT_EQ(context_->appName, "");
  EXPECT_TRUE(database_.appWin32);
  ASSERT_NE(Value(SectionId::AppInfo, "appname"), nullptr);
  EXPECT_EQ(*Value(SectionId::AppInfo, "appname"), "Foo");
}

TEST_F(LoaderTest, AppWin32ReadsAsYesNo) {
  const struct {
    const char* value;
    bool win32;
  } cases[] = {{"No", false}, {"False", false}, {"0", false}, {"10", false},
               {"Yes", true}, {"1", true},      {"True", true}, {"", true}};
  Start();
  for (const auto& c : cases) {
    ConfigDatabase database;
    RunContext context(*machine_);
    image_.File(kCdb, std::string("[App Info]\nAppWin32=") + c.value + "\n[End]\n");
    ASSERT_EQ(database.Load(context, kCdb), platform::kSOk);
    EXPECT_EQ(database.appWin32, c.win32) << c.value;
    EXPECT_EQ(context.appWin32, c.win32) << c.value;
  }
}

// The run keeps only a watch on the database's Directory Info: either may
// end first without the other reaching into it.
TEST_F(LoaderTest, ADatabaseAndItsRunMayEndInEitherOrder) {
  Start();
  image_.File(kCdb, std::string(kAppInfo) + "[Directory Info]\nQ=W|sub\n[End]\n");
  RunContext outliving(*machine_);
  {
    ConfigDatabase database;
    ASSERT_EQ(database.Load(outliving, kCdb), platform::kSOk);
    EXPECT_NE(outliving.locations.DirectoryInfo(), nullptr);
  }  // the database ends first
  EXPECT_EQ(outliving.locations.DirectoryInfo(), nullptr);
  ConfigDatabase database;
  {
    RunContext shortLived(*machine_);
    ASSERT_EQ(database.Load(shortLived, kCdb), platform::kSOk);
  }  // the run ends first: the database's end must not read it
}

TEST_F(LoaderTest, CommentsBlankLinesAndQuotes) {
  ASSERT_EQ(LoadBody("; a comment\n\n   \n[Vendor Info]\n"
                     "VendorName=Value ; note\n"
                     "VendorPhone=\"a;b\" ; note\n"
                     "  ; indented comment\n"
                     "VendorFax = spaced value \t\n"),
            platform::kSOk);
  EXPECT_EQ(*Value(SectionId::VendorInfo, "VendorName"), "Value");
  EXPECT_EQ(*Value(SectionId::VendorInfo, "VendorPhone"), "\"a;b\"");
  EXPECT_EQ(*Value(SectionId::VendorInfo, "VendorFax"), "spaced value");
  EXPECT_EQ(Names(SectionId::VendorInfo), (Strings{"VendorName", "VendorPhone", "VendorFax"}));
}

TEST_F(LoaderTest, LinesBeforeTheFirstHeaderAndAfterEndAreIgnored) {
  ASSERT_EQ(Load(kCdb, "Stray=1\n" + std::string(kAppInfo) +
                           "[End]\n[Vendor Info]\nVendorName=late\n"),
            platform::kSOk);
  EXPECT_EQ(Names(SectionId::AppInfo), Strings{"AppFileName"});
  EXPECT_TRUE(Names(SectionId::VendorInfo).empty());
}

TEST_F(LoaderTest, HeadersMatchInAnyCaseAndKeepBlanksBeforeTheBracket) {
  ASSERT_EQ(LoadBody("[ vendor INFO]\nVendorName=a\n[Vendor Info ]\nVendorName=b\n[eNd]\n"
                     "[Vendor Info]\nVendorName=c\n"),
            platform::kSOk);
  EXPECT_EQ(Names(SectionId::VendorInfo), Strings{"VendorName"});
  EXPECT_EQ(*Value(SectionId::VendorInfo, "VendorName"), "a");
  const ConfigSection* extra = database_.FindSection("Vendor Info ");
  ASSERT_NE(extra, nullptr);
  EXPECT_EQ(extra->Type(), SectionType::Text);
  EXPECT_EQ(database_.Sections().back().get(), extra);
  EXPECT_EQ(database_.Sections().size(), 17u);
}

TEST_F(LoaderTest, UnknownSectionsAreTextSectionsInOrderOfAppearance) {
  ASSERT_EQ(LoadBody("[Zeta]\nk=1\n[Alpha]\nk=2\n[zeta]\nk=3\n[]\nk=4\n[No close\nk=5\n"),
            platform::kSOk);
  const auto& sections = database_.Sections();
  ASSERT_EQ(sections.size(), 20u);
  EXPECT_EQ(sections[16]->Name(), "Zeta");
  EXPECT_EQ(sections[16]->Count(), 2u);
  EXPECT_EQ(sections[17]->Name(), "Alpha");
  EXPECT_EQ(sections[18]->Name(), "");
  EXPECT_EQ(sections[19]->Name(), "No close");
  EXPECT_EQ(sections[19]->LinesPerEntry(), 1);
}

TEST_F(LoaderTest, TwoLineEntriesJoinTheirLinesAsTheyCome) {
  ASSERT_EQ(LoadBody("[INI Info]\n"
                     "win\\windows\\load=abc\n"
                     "Y, N\n"
                     "win\\windows\\run=\"x\",\n"
                     "Y, Y, act, expl\n"
                     "app\\s\\blank=*, Y\n"
                     "\n"
                     "app\\s\\header=1,\n"
                     "[Vendor Info]\n"
                     "app\\s\\last=1\n"),
            platform::kSOk);
  const ConfigSection* ini = database_.GetSection(SectionId::IniInfo);
  ASSERT_EQ(ini->Count(), 5u);
  const auto* load = ini->ItemAs<SettingItem>(0);
  EXPECT_EQ(load->expectedValues, Strings{"abcY"});
  EXPECT_FALSE(load->required);
  const auto* run = ini->ItemAs<SettingItem>(1);
  EXPECT_EQ(run->expectedValues, Strings{"x"});
  EXPECT_TRUE(run->required);
  EXPECT_TRUE(run->tracked);
  EXPECT_EQ(run->actionKey, "act");
  EXPECT_EQ(run->explanationKey, "expl");
  // A blank continuation is still consumed, and so is a header.
  EXPECT_EQ(ini->Item(2).Name(), "app\\s\\blank");
  EXPECT_EQ(ini->Item(3).Name(), "app\\s\\header");
  EXPECT_EQ(ini->ItemAs<SettingItem>(3)->expectedValues, Strings{"1"});
  EXPECT_TRUE(Names(SectionId::VendorInfo).empty());
  EXPECT_EQ(ini->Item(4).Name(), "app\\s\\last");
}

TEST_F(LoaderTest, EntriesOfEachSectionType) {
  ASSERT_EQ(LoadBody("[DLL Info]\n"
                     "FOO.DLL, S, 2, Y, N, 4.21.7022, -4.0\n"
                     "QTRAW.QTC, W\n"
                     "[Registry Info]\n"
                     "HKEY_CURRENT_USER\\Software\\V\\List = [ \"a\", \"b\" ],\n"
                     "Y, N\n"
                     "HKEY_CURRENT_USER\\Software\\V\\Contains = {abc}\n"
                     ", Y\n"
                     "HKEY_CURRENT_USER\\Software\\V\\Path = \"W|sub\\\",\n"
                     "Y\n"
                     "[OLE Server Info]\n"
                     "\"Thing\", thing.exe, 1, Vendor.Thing.1, 1.0, Y, N, N,\n"
                     "{11111111-2222-3333-4455-66778899AABB}, \n"
                     "[Type Library Info]\n"
                     "\"Lib\", lib.tlb, S, 1, 1.0, Y,\n"
                     "\n"
                     "[End]\n"),
            platform::kSOk);
  const auto* foo = database_.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(0);
  EXPECT_EQ(foo->Name(), "FOO.DLL");
  EXPECT_EQ(foo->folderCode, 'S');
  EXPECT_EQ(foo->sourceCode, '2');
  EXPECT_EQ(foo->acceptedVersions, Strings{"4.21.7022"});
  EXPECT_EQ(foo->rejectedVersions, Strings{"4.0"});
  EXPECT_NE(ConfigDatabase::FindItem(database_.GetSection(SectionId::DllInfo), "qtraw.qtc",
                                     CaseSensitivity::Insensitive),
            nullptr);

  const ConfigSection* registry = database_.GetSection(SectionId::RegistryInfo);
  ASSERT_EQ(registry->Count(), 3u);
  EXPECT_EQ(registry->ItemAs<SettingItem>(0)->expectedValues, (Strings{"a", "b"}));
  EXPECT_EQ(registry->ItemAs<SettingItem>(1)->expectedValues, Strings{"abc"});
  EXPECT_EQ(registry->ItemAs<SettingItem>(1)->valueText, "{abc}");
  EXPECT_TRUE(registry->ItemAs<SettingItem>(1)->required);
  // An escaped quote does not end the element: the rest of the entry is in it.
  EXPECT_EQ(registry->ItemAs<SettingItem>(2)->expectedValues,
            Strings{"c:\\windows\\sub\",y"});

  const auto* server = database_.GetSection(SectionId::OleServerInfo)->ItemAs<ServerItem>(0);
  EXPECT_EQ(server->Name(), "Thing");
  EXPECT_EQ(server->versionIndependentProgId, "Vendor.Thing");
  EXPECT_EQ(server->clsid.data1, 0x11111111u);
  EXPECT_TRUE(server->typeLib.IsZero());

  const auto* library = database_.GetSection(SectionId::TypeLibraryInfo)->ItemAs<TypeLibItem>(0);
  EXPECT_EQ(library->Name(), "Lib");
  EXPECT_TRUE(library->required);
  EXPECT_TRUE(library->libId.IsZero());
}

TEST_F(LoaderTest, LineEndsAndBinaryContentNeverBreakTheLoad) {
  const std::string lf = std::string(kAppInfo) + "[Vendor Info]\nVendorName=v\n[End]\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ASSERT_EQ(Load(kCdb, crlf), platform::kSOk);
  EXPECT_EQ(*Value(SectionId::VendorInfo, "VendorName"), "v");

  const std::string inputs[] = {
      "",
      "\0\0\0"s,
      std::string(kAppInfo) + "[DLL Info]\n" + std::string(1 << 20, 'A') + "\n",
      std::string(kAppInfo) + "[Registry Info]\n[\"\\\n{\"\n[OLE Server Info]\n\"\n",
      std::string(kAppInfo) + "[Type Library Info]\nx,y,z,{",
      std::string(kAppInfo) + "[DLL Info]\nA\0B.DLL, S\n"s,
  };
  for (const std::string& input : inputs) {
    ConfigDatabase database;
    RunContext context(*machine_);
    image_.File("C:\\CORVANE\\Odd.cdb", input);
    EXPECT_EQ(database.Load(context, "C:\\CORVANE\\Odd.cdb"), platform::kSOk) << input.size();
  }
}

TEST_F(LoaderTest, ANulByteEndsItsLine) {
  ASSERT_EQ(LoadBody("[DLL Info]\nA.DLL\0, S\nB.DLL\n"s), platform::kSOk);
  EXPECT_EQ(Names(SectionId::DllInfo), (Strings{"A.DLL", "B.DLL"}));
  EXPECT_EQ(database_.GetSection(SectionId::DllInfo)->ItemAs<FileItem>(0)->folderCode, '\0');
}

}  // namespace
}  // namespace cvn
