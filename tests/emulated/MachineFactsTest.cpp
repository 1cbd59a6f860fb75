// machine.ini: the defaults, each section, and how bad lines are reported.
#include "platform/emulated/MachineFacts.h"

#include <gtest/gtest.h>

namespace cvn::emulated {
namespace {

using platform::DriveType;

MachineFacts Parse(std::string_view text) {
  std::string error;
  auto facts = ParseMachineFacts(text, error);
  EXPECT_TRUE(facts) << error;
  return facts.value_or(MachineFacts{});
}

TEST(MachineFactsTest, DefaultsAreAPlainWindows95Machine) {
  const MachineFacts facts = Parse("");
  EXPECT_EQ(facts.version.major, 4u);
  EXPECT_EQ(facts.version.build, 950u);
  EXPECT_EQ(facts.version.platformId, platform::kPlatformWindows);
  EXPECT_EQ(facts.windowsFolder, "C:\\WINDOWS");
  ASSERT_EQ(facts.drives.size(), 1u);
  const DriveFacts& c = facts.drives[0];
  EXPECT_EQ(c.letter, 'C');
  EXPECT_EQ(c.type, DriveType::Fixed);
  EXPECT_EQ(c.hostFolder, "c");
  EXPECT_EQ(uint64_t{c.space.freeClusters} * c.space.sectorsPerCluster * c.space.bytesPerSector, c.space.freeBytes);
  EXPECT_EQ(facts.now.dayOfWeek, 2) << "1 July 1997 was a Tuesday";
}

TEST(MachineFactsTest, ReadsEverySection) {
  const MachineFacts facts = Parse(
      "; an NT 4.0 workstation\n"
      "[Windows]\nVersion=4.0\nBuild=1381\nPlatform=nt\nServicePack=Service Pack 3\n"
      "Folder=C:\\WINNT\nSystemFolder=C:\\WINNT\\system32\nTempFolder=C:\\TEMP\n"
      "ProgramPath=D:\\CORVANE\\CORVANE.EXE\nCurrentFolder=C:\\\nPath=C:\\BIN\n"
      "[Hardware]\nProcessor=486\nTotalPhysical=0x200000000\nAvailVirtual=12345\nScreenWidth=640\n"
      "ScreenHeight=480\nMousePresent=no\nMouseButtons=3\nNetwork=yes\nDisplayPlanes=4\nBitsPerPixel=1\n"
      "[Clock]\nNow=2000-02-29 23:59:30\nBias=-120\n"
      "[Locale]\nShortDate=dd.MM.yyyy\nLongDate=d. MMMM yyyy\nTime=HH:mm:ss\n"
      "[FilesInUse]\nC:\\APP\\A.DLL\nC:\\APP\\B.DLL=no\n"
      "[Processes]\n101 = \"D:\\CORVANE\\Lodvex32.exe\" \"C:\\A.DLL\" \"A.DLL\"\n0=C:\\WINNT\\NOTEPAD.EXE\n"
      "[Prompts]\nAnswer=Yes\nOpenFile=C:\\APP\\APP.EXE\nAnswer=cancel\nOpenFile=\nShiftKey=yes\n");
  EXPECT_EQ(facts.version.platformId, platform::kPlatformNt);
  EXPECT_EQ(facts.version.servicePack, "Service Pack 3");
  EXPECT_EQ(facts.systemFolder, "C:\\WINNT\\system32");
  EXPECT_EQ(facts.currentFolder, "C:\\");
  EXPECT_EQ(facts.processorType, 486u);
  EXPECT_EQ(facts.memory.totalPhys, 0x200000000ull);
  EXPECT_EQ(facts.memory.availVirtual, 12345u);
  EXPECT_FALSE(facts.mousePresent);
  EXPECT_EQ(facts.mouseButtons, 3);
  EXPECT_EQ(facts.network, 1);
  EXPECT_EQ(facts.display.planes, 4);
  EXPECT_EQ(facts.now, (platform::SystemTime{2000, 2, 2, 29, 23, 59, 30, 0}));
  EXPECT_EQ(facts.biasMinutes, -120);
  EXPECT_EQ(facts.longDate, "d. MMMM yyyy");
  EXPECT_EQ(facts.filesInUse, std::vector<std::string>{"C:\\APP\\A.DLL"});
  ASSERT_EQ(facts.programs.size(), 2u);
  EXPECT_EQ(facts.programs[0].commandLine, "\"D:\\CORVANE\\Lodvex32.exe\" \"C:\\A.DLL\" \"A.DLL\"");
  EXPECT_EQ(facts.programs[0].exitCode, 101u);
  ASSERT_EQ(facts.prompts.size(), 4u);
  EXPECT_EQ(facts.prompts[0].answer, platform::Answer::Yes);
  EXPECT_EQ(facts.prompts[1].path, "C:\\APP\\APP.EXE");
  EXPECT_EQ(facts.prompts[2].answer, platform::Answer::Cancel);
  EXPECT_EQ(facts.prompts[3].kind, ScriptedAnswer::Kind::OpenFile);
  EXPECT_FALSE(facts.prompts[3].path);
  EXPECT_TRUE(facts.shiftKeyDown);
}

TEST(MachineFactsTest, DrivesTakeTheDefaultsOfTheirType) {
  const MachineFacts facts = Parse(
      "[Drive D]\nType=cdrom\nLabel=APP_CD\n"
      "[Drive A]\nType=removable\nMedia=no\n"
      "[Drive Z]\nFolder=/\n"
      "[Drive C]\nFreeBytes=5000000000\nTotalBytes=9000000000\nSectorsPerCluster=64\n");
  ASSERT_EQ(facts.drives.size(), 4u);
  EXPECT_EQ(facts.drives[0].letter, 'A') << "sorted by letter";
  EXPECT_FALSE(facts.drives[0].media);
  const DriveFacts* d = facts.Drive('d');
  ASSERT_TRUE(d);
  EXPECT_EQ(d->type, DriveType::CdRom);
  EXPECT_EQ(d->label, "APP_CD");
  EXPECT_EQ(d->space.bytesPerSector, 2048u);
  EXPECT_EQ(d->space.freeBytes, 0u);
  EXPECT_EQ(facts.Drive('Z')->hostFolder, "/");
  // Byte counts beyond 2^32 stay whole; the cluster counts of
  // GetDiskFreeSpace stop at 2 GB, as Windows 95 OSR2 reports them.
  const DriveFacts* c = facts.Drive('C');
  EXPECT_EQ(c->space.freeBytes, 5000000000ull);
  EXPECT_EQ(c->space.totalBytes, 9000000000ull);
  EXPECT_EQ(c->space.freeClusters, 0x7FFF8000u / (64 * 512));
  EXPECT_EQ(c->space.totalClusters, c->space.freeClusters);
}

TEST(MachineFactsTest, ClusterCountsGiveByteCounts) {
  const MachineFacts facts = Parse("[Drive C]\nSectorsPerCluster=8\nBytesPerSector=512\nFreeClusters=1000\nTotalClusters=4000\n");
  EXPECT_EQ(facts.Drive('C')->space.freeBytes, 4096000u);
  EXPECT_EQ(facts.Drive('C')->space.totalBytes, 16384000u);
}

TEST(MachineFactsTest, BadLinesNameTheLine) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"[Windows]\nVersion=4\n", "line 2: bad value for \"Version\""},
      {"[Windows]\n\nBuild=-1\n", "line 3: bad value for \"Build\""},
      {"[Windows]\nBuild\n", "line 2: bad value for \"Build\""},
      {"[Hardware]\nMousePresent=maybe\n", "line 2: bad value"},
      {"[Hardware]\nColour=blue\n", "line 2: unknown key \"Colour\""},
      {"[Clock]\nNow=1997-02-30 10:00\n", "line 2: bad value for \"Now\""},
      {"[Drive 1]\n", "line 1: bad drive letter"},
      {"[Drive D]\nType=floppy\n", "line 2: bad value for \"Type\""},
      {"[Drive D]\nSectorsPerCluster=0\n", "line 2: bad value"},
      {"[Processes]\nfast=C:\\X.EXE\n", "line 2: expected \"exit code = command line\""},
      {"[Prompts]\nAnswer=Maybe\n", "line 2: bad value for \"Answer\""},
      {"[Prompts]\nPress=Enter\n", "line 2: unknown key"},
      {"[Weather]\n", "line 1: unknown section [Weather]"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseMachineFacts(c.text, error)) << c.text;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.text << " gave " << error;
    EXPECT_EQ(error.rfind("machine.ini ", 0), 0u) << error;
  }
}

}  // namespace
}  // namespace cvn::emulated
