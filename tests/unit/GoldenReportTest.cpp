// Whole support reports, byte for byte, for a few machines that together
// reach every block and option of the report. Each machine is built here;
// its report is tests/data/reports/<name>.txt. Run with
// CORVANE_UPDATE_GOLDEN=1 to write the files anew, then read the diff.
// The same machines give the JSON reports tests/data/reports/<name>.json,
// which the schema test validates.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "config/Answers.h"
#include "app/Startup.h"
#include "checks/InstallMedia.h"
#include "checks/Requirements.h"
#include "report/Report.h"
#include "report/ReportFacts.h"
#include "report/ReportJson.h"
#include "tests/support/FileCheckTestFiles.h"
#include "tests/unit/ConfigTestSupport.h"

namespace cvn {
namespace {

using emulated::ImageBuilder;
using namespace std::string_literals;
using platform::DriveType;

constexpr const char* kClsidGrid = "{5C1A0001-0000-1111-2222-333344445555}";
constexpr const char* kClsidNotes = "{5C1A0002-0000-1111-2222-333344445555}";
constexpr const char* kGoldenTypeLib = "{5C1A00FF-AAAA-BBBB-CCCC-DDDDEEEEFFFF}";

emulated::FileOptions At(int day, int minute = 0) { return {ImageBuilder::Time(1997, 1, day, 10, minute)}; }

// The user's answers and details, as the wizard saved them for "Skylark Notes".
void SavedUser(ImageBuilder& image, const std::string& windowsFolder) {
  image.File(windowsFolder + "\\cvn.ini",
             "[Skylark Notes]\r\nIsRebootable=0\r\nIsConsistent=1\r\nIsOnlyAppWithProblem=2\r\n"
             "IsLoadProblem=1\r\nIsRecentProblem=0\r\nIsQTProblem=1\r\nSymptoms=5\r\n"
             "UserName=Ada Park\r\nCompanyName=Park & Daughters\r\nAddress1=12 Mill Lane\r\n"
             "Address2=Suite 4\r\nAddress3=Leeds\r\nPhone=555-0199\r\nEmail=ada@park.example\r\n"
             "ProblemID=SK-1997-042\r\nProblemDesc=Notes lose their fonts after a restart.\r\n");
}

// Windows 95 with Skylark Notes installed in C:\APP and a finding of every
// kind: every block and option of the report is on.
void Installed(ImageBuilder& image) {
  image.Windows95()
      .Fact("Windows", "Path", "C:\\WINDOWS;C:\\WINDOWS\\COMMAND;C:\\APP")
      .Fact("Hardware", "Processor", "486")
      .Fact("Hardware", "ScreenWidth", "800")
      .Fact("Hardware", "ScreenHeight", "600")
      .Fact("Hardware", "BitsPerPixel", "8")
      .Fact("Drive C", "FreeBytes", "1048576")
      .Registry("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SETUP", "Manufacturer", "Gateway")
      .SizedFile("C:\\WINDOWS\\TEMP\\~big.tmp", 50 << 20)
      .Registry("HKCU\\Software\\Netscape\\Netscape Navigator\\Cache", "Cache Dir", "C:\\NETSCAPE\\CACHE")
      .SizedFile("C:\\NETSCAPE\\CACHE\\page.htm", 20 << 20)
      .Registry("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Main", "Cache_Directory", "C:\\IECACHE")
      .SizedFile("C:\\IECACHE\\pic.gif", 1000)
      // A DOS editor's CONFIG.SYS: an empty line, a tab, a NUL and the Ctrl-Z end.
      .File("C:\\CONFIG.SYS", "DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\n\r\nFILES=40\r\nBUFFERS=30\r\n"
                               "REM size\tlimit\r\nSHELL=COMMAND.COM\0junk\r\n\x1A"s)
      .File("C:\\AUTOEXEC.BAT", "@ECHO OFF\r\nPATH C:\\WINDOWS;C:\\APP\r\n")
      .File("C:\\APP\\SKY.EXE", test::VersionedDll(0x00020000, 0), At(2))
      .File("C:\\APP\\SKYCORE.DLL", test::VersionedDll(0x00010000, 0), At(2))
      .File("C:\\APP\\SKY16.DLL", test::OldStyleExecutable("NE"), At(2))
      .File("C:\\WINDOWS\\SYSTEM\\QTRAW.QTC", test::PlainDll(), At(2))
      .File("C:\\APP\\SKYGRID.OCX", test::PlainDll(), At(2))
      .File("C:\\WINDOWS\\SYSTEM\\SKYDRV.386", std::string(1000, 'D'), At(2, 31))
      .File("C:\\WINDOWS\\SKYDRV.386", std::string(1000, 'D'), At(2, 31))
      .File("C:\\APP\\SKY.INI", "[Fonts]\r\nFolder=C:\\FONTS\r\n")
      .Registry("HKLM\\SOFTWARE\\Skylark\\Notes", "Version", "2.0")
      .Registry(std::string("HKCR\\CLSID\\") + kClsidGrid + "\\InprocServer32", "", "C:\\APP\\SKYGRID.OCX")
      .Registry(std::string("HKCR\\CLSID\\") + kClsidGrid + "\\ProgID", "", "Skylark.Grid.1")
      .Registry(std::string("HKCR\\CLSID\\") + kClsidNotes + "\\LocalServer32", "",
                "\"C:\\APP\\SKY.EXE\" /automation")
      .Registry(std::string("HKCR\\CLSID\\") + kClsidNotes + "\\Version", "", "1.0")
      .Registry(std::string("HKCR\\TypeLib\\") + kGoldenTypeLib, "", "Skylark Types")
      .Registry(std::string("HKCR\\TypeLib\\") + kGoldenTypeLib + "\\1.0", "", "Skylark Types (Ver 1.0)")
      .Registry(std::string("HKCR\\TypeLib\\") + kGoldenTypeLib + "\\Dir", "", "C:\\APP")
      .Registry(std::string("HKCR\\TypeLib\\") + kGoldenTypeLib + "\\HelpDir", "", "C:\\WINDOWS\\HELP")
      .File("C:\\APP\\SKY.FDB", "SKY.EXE, 2048, 199701021000\r\nSKYDRV.386, 1000, 199701021030\r\n")
      .File("C:\\APP\\SKY.CDB",
            std::string("[App Info]\nAppName=Skylark Notes\nAppFileName=SKY.EXE\nCDVolumeLabel=SKYCD\n"
                        "[Directory Info]\n"
                        "[Action Text Info]\nReinstall=Reinstall Skylark Notes.\n"
                        "[Explanation Text Info]\nFonts=Skylark Notes looks for its fonts in this folder.\n"
                        "[Vendor Info]\nVendorName=Skylark Software\nTechSupportName=Skylark Support\n"
                        "VendorPhone=555-0100\nTechSupportPhone=\nTechSupportFax=555-0101\n"
                        "TechSupportEMail=help@skylark.example\n"
                        "TechSupportInstructions=Please have this report at hand when you call: our staff "
                        "will ask for the marked lines first, then for the answers you gave.\n"
                        "[Minimum Requirements Info]\nWindowsVersion=Win NT 4.0\nProcessor=486\n"
                        "ConfigFiles=1K\nConfigBuffers=20\nAppDiskSpace=512K\nWinDiskSpace=2M\n"
                        "TotalPhysicalMemory=8M\nVideoResolution=640 x 480\nVideoColors=256\n"
                        "MouseRequired=Yes\nCDROMRequired=Yes\n"
                        "[Program Info]\nSKY.EXE, 1, 1, Y, N, 2.0\n"
                        "[DLL Info]\nSKYCORE.DLL, 1, 1, Y, N, 2.0\nSKYOLD.DLL, S, 1, N, N\n"
                        "SKY16.DLL, 1, 1, Y, N\nQTRAW.QTC, S, 1, N, N\n"
                        "[Active X/OCX/VBX Info]\nSKYGRID.OCX, S, 1, Y, N\n"
                        "[Driver Info]\nSKYDRV.386, S, 1, Y, Y\n"
                        "[INI Info]\nSKY\\Fonts\\Folder=\n\"C:\\APP\\FONTS\", Y, N, Reinstall, Fonts\n"
                        "[Registry Info]\nHKEY_LOCAL_MACHINE\\SOFTWARE\\Skylark\\Notes\\Version=\n"
                        "\"2.0\", N, N\n"
                        "[Active X/OCX Registry Info]\n\"Skylark Grid\", SKYGRID.OCX, S, Skylark.Grid.1, 1.0,\n1, 0, 1, ") +
                kClsidGrid + ", " + kGoldenTypeLib + "\n" +
                "[OLE Server Info]\nSkylark Notes, SKY.EXE, 1, Skylark.Notes.1, 2.0,\n0, 1, 0, " + kClsidNotes +
                ",\n[Type Library Info]\n\"Skylark Types\", SKY.TLB, 1, 1, 1.0,\n1, " + kGoldenTypeLib + "\n[End]\n");
  SavedUser(image, "C:\\WINDOWS");
}

// Windows NT 4.0 running the wizard and the application from a CD-ROM
// drive, with no file information; user details and CONFIG.SYS are off and
// only the QuickTime question is asked, of an application without QuickTime.
void FromCdRom(ImageBuilder& image) {
  image.WindowsNt4()
      .Drive('E', DriveType::CdRom, "SKYCD")
      .Fact("Windows", "ProgramPath", "E:\\CORVANE.EXE")
      .File("C:\\CONFIG.SYS", "FILES=20\r\n")
      .File("E:\\SKY.EXE", test::VersionedDll(0x00020000, 0), At(3))
      .File("E:\\SKY.CDB",
            "[App Info]\nAppName=Skylark Notes\nAppFileName=SKY.EXE\n"
            "[Corvane Info]\nGetUserInfo=No\nShowConfigInfo=No\nAskQuestionsOptions=32\n"
            "[Vendor Info]\nVendorName=Skylark Software\nTechSupportPhone=555-0100\n"
            "[Minimum Requirements Info]\nWindowsVersion=Win 95\nConfigFiles=30\nAppDiskSpace=1G\n"
            "[Program Info]\nSKY.EXE, 1, 1, Y, N\n"
            "[INI Info]\nSKY\\Fonts\\Folder=\n\"C:\\APP\\FONTS\", Y, N\n[End]\n");
  SavedUser(image, "C:\\WINNT");
}

// Today's Windows 11 on a fixed drive D: (no CD-ROM at all) with the
// application on a floppy: no User Responses (options 0), no support block.
void FromFloppy(ImageBuilder& image) {
  image.Fact("Windows", "Version", "10.0")
      .Fact("Windows", "Build", "22631")
      .Fact("Windows", "Platform", "nt")
      .Drive('A', DriveType::Removable)
      .Fact("Drive A", "Media", "yes")
      .Drive('D', DriveType::Fixed)
      .File("A:\\SKYLARK\\SKY.EXE", test::PlainDll(), At(4))
      .File("A:\\SKYLARK\\SKY.CDB",
            "[App Info]\nAppName=Skylark Notes\nAppFileName=SKY.EXE\n[Directory Info]\n"
            "[Corvane Info]\nAskQuestionsOptions=0\nShowTechSupportInfo=No\n"
            "[Vendor Info]\nVendorName=Skylark Software\n"
            "[Minimum Requirements Info]\nWindowsVersion=Win NT 4.0\n[End]\n");
}

// No App Info and every option off: title, legend, notes and nothing else.
void Quiet(ImageBuilder& image) {
  image.File("C:\\CORVANE\\QUIET.CDB",
             "[Corvane Info]\nGetUserInfo=N\nCheckConfigurationDatabase=N\nAskQuestions=N\n"
             "ShowTechSupportInfo=N\n[Vendor Info]\nVendorName=Skylark Software\n[End]\n");
}

// A problem description of exactly 2048 characters over several lines, as
// the page's multi-line edit holds it (CR LF between lines), and as cvn.ini
// keeps it on one line.
struct Description {
  std::string text;
  std::string saved;
};

Description LongDescription() {
  const std::string head[] = {"Notes lose their fonts after a restart.", "", "Steps:",
                              "  1. Open a note and set its font to Garamond.",
                              "  2. Restart Windows and open the note again.", ""};
  Description d;
  for (const std::string& line : head) {
    d.text += line + "\r\n";
    d.saved += line + "\\r\\n";
  }
  std::string filler;
  while (d.text.size() + filler.size() < 2048) filler += "The font list shows Garamond, but the note is drawn in Arial. ";
  filler.resize(2048 - d.text.size());
  filler.back() = '.';
  d.text += filler;
  d.saved += filler;
  return d;
}

// Values with a tab and a line feed in them, user details with a tab, the
// long description; and a size that fills its column exactly.
void ControlCharacters(ImageBuilder& image) {
  image.Windows95()
      .Fact("Drive C", "FreeBytes", "129453826506752")  // 123,456,789.5 MB
      .Fact("Drive C", "TotalBytes", "200000000000000")
      .File("C:\\APP\\SKY.EXE", test::PlainDll(), At(2))
      .File("C:\\APP\\SKY.INI", "[View]\r\nColour=red\tand blue\r\n")
      .RegistryValue("HKLM\\SOFTWARE\\Skylark\\Notes", "Greeting", platform::regtype::kString,
                     {'l', 'i', 'n', 'e', '1', '\n', 'l', 'i', 'n', 'e', '2', 0})
      .File("C:\\APP\\SKY.CDB",
            "[App Info]\nAppName=Skylark Notes\nAppFileName=SKY.EXE\n[Directory Info]\n"
            "[Corvane Info]\nShowConfigInfo=No\nAskQuestionsOptions=0\n"
            "[Vendor Info]\nVendorName=Skylark\tSoftware\nTechSupportPhone=555-0100\n"
            "TechSupportInstructions=Call us\tany day.\n"
            "[Minimum Requirements Info]\nWinDiskSpace=2M\n"
            "[INI Info]\nSKY\\View\\Colour=\n\"blue\", Y, N\n"
            "[Registry Info]\nHKEY_LOCAL_MACHINE\\SOFTWARE\\Skylark\\Notes\\Greeting=\n\"x\", N, N\n[End]\n");
  const Description description = LongDescription();
  EXPECT_EQ(description.text.size(), 2048u);
  image.File("C:\\WINDOWS\\cvn.ini",
             "[Skylark Notes]\r\nUserName=Ada\\tPark\r\nAddress1=12 Mill Lane\\r\\nLeeds\r\n"
             "Phone=\\x20555-0199\r\nProblemID=SK\\\\42\r\nProblemDesc=" + description.saved +
                 "\r\nUserInfoForm=2\r\n");
}

struct GoldenCase {
  const char* name;  // tests/data/reports/<name>.txt
  void (*arrange)(ImageBuilder&);
  const char* database;
  bool loadCheckIncomplete;
};

const GoldenCase kCases[] = {
    {"installed", Installed, "C:\\APP\\SKY.CDB", false},
    {"from-cdrom", FromCdRom, "E:\\SKY.CDB", true},
    {"from-floppy", FromFloppy, "A:\\SKYLARK\\SKY.CDB", false},
    {"quiet", Quiet, "C:\\CORVANE\\QUIET.CDB", false},
    {"control-characters", ControlCharacters, "C:\\APP\\SKY.CDB", false},
};

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string ExpectedPath(const GoldenCase& c, const char* extension = ".txt") {
  return std::string(CORVANE_TEST_DATA_DIR) + "/reports/" + c.name + extension;
}

void ExpectGolden(const std::string& written, const std::string& path) {
  if (std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr) std::ofstream(path, std::ios::binary) << written;
  EXPECT_EQ(written, ReadAll(path)) << "expected in " << path;
}

class GoldenReportTest : public test::ConfigMachineTest, public ::testing::WithParamInterface<GoldenCase> {};

// Start-up's order: measure, load, file information, requirements, the
// saved answers, then the report.
TEST_P(GoldenReportTest, WritesTheExpectedReport) {
  const GoldenCase& c = GetParam();
  c.arrange(image_);
  Start();
  ASSERT_EQ(MeasureAndLoad(*context_, database_, c.database), platform::kSOk);
  static_cast<void>(PrepareFileInfo(*context_, database_));
  static_cast<void>(ReadRequirements(database_, database_.minimumRequirements));
  database_.loadCheckIncomplete = c.loadCheckIncomplete;
  std::string path;
  ASSERT_EQ(WriteReport(*context_, database_, LoadAnswers(*context_), LoadUserInfo(*context_), path),
            platform::kSOk);
  const auto written = machine_->Files().ReadFile(path);
  ASSERT_TRUE(written.has_value()) << path;
  ExpectGolden(std::string(written->begin(), written->end()), ExpectedPath(c));

  // The JSON report reads the same checked items.
  const ReportFacts facts = GatherReportFacts(*context_, database_);
  ExpectGolden(ReportJson(*context_, database_, facts, LoadAnswers(*context_), LoadUserInfo(*context_)),
               ExpectedPath(c, ".json"));
}

INSTANTIATE_TEST_SUITE_P(Machines, GoldenReportTest, ::testing::ValuesIn(kCases),
                         [](const auto& machine) {
                           std::string name = machine.param.name;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace cvn
