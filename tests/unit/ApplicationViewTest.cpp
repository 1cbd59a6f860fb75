// The application's own half of 64-bit Windows: its bitness from its
// program file, the Registry view and System folder that the checks then
// read, and the report's line that names them.
#include <gtest/gtest.h>

#include "checks/ComCheck.h"
#include "config/ApplicationView.h"
#include "config/PathSpec.h"
#include "tests/unit/ConfigTestSupport.h"
#include "tests/support/FileCheckTestFiles.h"

namespace cvn {
namespace {

constexpr const char* kViewClsid = "{1A2B3C4D-0000-1111-2222-333344445555}";

struct ViewCase {
  const char* name;
  int windowsBits;
  bool program64;
  const char* systemFolder;  // location S
  const char* server;        // the registration the class check reads
  const char* line;          // the report's bitness line
};

class ApplicationViewTest : public test::ConfigMachineTest, public ::testing::WithParamInterface<ViewCase> {};

// Both views hold a registration of the class; only the application's own
// is the one it uses.
TEST_P(ApplicationViewTest, TheChecksReadWhatTheApplicationSees) {
  const ViewCase& c = GetParam();
  image_.Windows95()
      .Fact("Windows", "Bits", std::to_string(c.windowsBits))
      .Fact("Windows", "SystemFolder", "C:\\WINDOWS\\SYSTEM32")
      .File("C:\\APP\\APP.EXE", c.program64 ? test::X64Dll() : test::PlainDll())
      .Registry(std::string("HKEY_CLASSES_ROOT\\CLSID\\") + kViewClsid + "\\InprocServer32", "", "C:\\APP\\SIXTY4.DLL")
      .Registry(std::string("HKEY_CLASSES_ROOT\\Wow6432Node\\CLSID\\") + kViewClsid + "\\InprocServer32", "",
                "C:\\APP\\THIRTY2.DLL");
  ASSERT_EQ(Load("C:\\APP\\APP.CDB", std::string("[App Info]\nAppFileName=APP.EXE\n[Directory Info]\nS=S|\n"
                                                 "[OLE Server Info]\nWidget, W.DLL, 1, W.1, 1.0,\nY, N, N, ") +
                                         kViewClsid + ", \n"),
            platform::kSOk);
  EXPECT_EQ(context_->appBitness, c.program64 ? bitness::k64 : bitness::k32);
  EXPECT_EQ(ExpandedDisplayForm(*context_, "S|"), c.systemFolder);
  const std::string* entry = Value(SectionId::DirectoryInfo, "S");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(DisplayForm(*entry), c.systemFolder);
  ServerItem& item = *database_.GetSection(SectionId::OleServerInfo)->ItemAs<ServerItem>(0);
  CheckServer(*context_, item);
  EXPECT_EQ(item.registeredServerPath, c.server);
  EXPECT_EQ(ApplicationViewText(*context_), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, ApplicationViewTest,
    ::testing::Values(
        ViewCase{"X86OnX64", 64, false, "c:\\windows\\syswow64", "C:\\APP\\THIRTY2.DLL",
                 "32-bit application, 32-bit Registry view and System folder"},
        ViewCase{"X64OnX64", 64, true, "c:\\windows\\system32", "C:\\APP\\SIXTY4.DLL",
                 "64-bit application, 64-bit Registry view and System folder"},
        // 32-bit Windows has one view: "Wow6432Node" is an ordinary key there.
        ViewCase{"X86OnX86", 32, false, "c:\\windows\\system32", "C:\\APP\\SIXTY4.DLL",
                 "32-bit application, 32-bit Registry view and System folder"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ApplicationViewTextTest, AProgramThatCannotBeReadIsOfUnknownBitness) {
  emulated::ImageBuilder image;
  auto machine = image.Open();
  ASSERT_NE(machine, nullptr);
  RunContext context(*machine);
  EXPECT_EQ(ApplicationViewText(context), "unknown application, 32-bit Registry view and System folder");
}

}  // namespace
}  // namespace cvn
