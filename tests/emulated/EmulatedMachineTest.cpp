// The machine image as a whole: what Open makes of it, what a run leaves
// in it, and the hooks tests use.
#include <gtest/gtest.h>

#include "platform/emulated/EmulatedMachine.h"
#include "platform/emulated/HostFile.h"
#include "platform/emulated/ImageBuilder.h"
#include "resources/StringIds.h"

namespace cvn::emulated {
namespace {

using namespace std::string_literals;
using platform::Bytes;
namespace attr = platform::attr;

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

TEST(EmulatedMachineTest, EmptyImageIsPlainWindows95) {
  ImageBuilder img;
  auto machine = img.Open();
  ASSERT_TRUE(machine) << img.Error();
  const auto version = machine->System().GetVersion();
  EXPECT_EQ(version.major, 4u);
  EXPECT_EQ(version.minor, 0u);
  EXPECT_EQ(version.build, 950u);
  EXPECT_EQ(version.platformId, platform::kPlatformWindows);
  auto& files = machine->Files();
  EXPECT_EQ(files.WindowsDirectory(), "C:\\WINDOWS");
  EXPECT_EQ(files.SystemDirectory(), "C:\\WINDOWS\\SYSTEM");
  EXPECT_EQ(files.TempPath(), "C:\\WINDOWS\\TEMP\\");
  for (const char* folder : {"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\TEMP"}) {
    EXPECT_EQ(files.GetAttributes(folder), attr::kDirectory) << folder;
  }
  EXPECT_EQ(files.GetDriveType("C:\\"), platform::DriveType::Fixed);
  EXPECT_EQ(files.GetDriveType("D:\\"), platform::DriveType::NoRootDir);
}

TEST(EmulatedMachineTest, NtImageMakesItsOwnFolders) {
  ImageBuilder img;
  img.WindowsNt4();
  auto machine = img.Open();
  ASSERT_TRUE(machine) << img.Error();
  EXPECT_EQ(machine->System().GetVersion().platformId, platform::kPlatformNt);
  EXPECT_EQ(machine->System().GetVersion().servicePack, "Service Pack 6");
  EXPECT_EQ(machine->Files().GetAttributes("C:\\WINNT\\SYSTEM32"), attr::kDirectory);
  EXPECT_EQ(machine->Files().GetAttributes("C:\\TEMP"), attr::kDirectory);
}

TEST(EmulatedMachineTest, ChangesStayInTheImage) {
  ImageBuilder img;
  img.File("C:\\APP\\APP.INI", "[S]\r\nK=1\r\n");
  {
    auto machine = img.Open();
    ASSERT_TRUE(machine) << img.Error();
    platform::RegKey key = 0;
    ASSERT_EQ(machine->Reg().CreateKey(platform::hkey::kCurrentUser, "Software\\Corvane\\Test", key), 0);
    ASSERT_EQ(machine->Reg().SetValue(key, "Name", platform::regtype::kString, Text(std::string("v\0", 2))), 0);
    machine->Reg().CloseKey(key);
    ASSERT_TRUE(machine->Files().SetAttributes("C:\\APP\\APP.INI", attr::kReadOnly | attr::kHidden));
    ASSERT_TRUE(machine->Files().CreateDirectory("C:\\Program Files"));
    ASSERT_TRUE(machine->Files().MoveFile("C:\\APP\\OLD.DLL", "C:\\APP\\NEW.DLL",
                                          platform::move::kDelayUntilReboot | platform::move::kReplaceExisting));
  }
  auto again = img.Open();
  ASSERT_TRUE(again) << img.Error();
  platform::RegKey key = 0;
  ASSERT_EQ(again->Reg().OpenKey(platform::hkey::kCurrentUser, "SOFTWARE\\corvane\\TEST",
                                 platform::Registry::Access::Read, key),
            0);
  platform::RegValue value;
  ASSERT_EQ(again->Reg().QueryValue(key, "name", value), 0);
  EXPECT_EQ(value.data, Text(std::string("v\0", 2)));
  EXPECT_EQ(again->Files().GetAttributes("C:\\APP\\APP.INI"), attr::kReadOnly | attr::kHidden);
  platform::FindData data;
  ASSERT_TRUE(again->Files().FindFirst("C:\\PROGRA~1", data));
  EXPECT_EQ(data.shortName, "PROGRA~1");
  const std::vector<PendingRename> expected = {{"C:\\APP\\OLD.DLL", "C:\\APP\\NEW.DLL", true}};
  EXPECT_EQ(again->PendingRenames(), expected);
}

TEST(EmulatedMachineTest, PendingRenamesKeepTheirOrderAndDeletions) {
  ImageBuilder img;
  auto machine = img.Open();
  ASSERT_TRUE(machine);
  auto& files = machine->Files();
  using namespace platform::move;
  ASSERT_TRUE(files.MoveFile("C:\\A.TMP", "", kDelayUntilReboot));
  ASSERT_TRUE(files.MoveFile("C:\\B.TMP", "C:\\B.DLL", kDelayUntilReboot));
  EXPECT_FALSE(files.MoveFile("C:\\C.TMP", "C:\\C.DLL", kDelayUntilReboot | kCopyAllowed));
  const std::vector<PendingRename> expected = {{"C:\\A.TMP", "", false}, {"C:\\B.TMP", "C:\\B.DLL", false}};
  EXPECT_EQ(machine->PendingRenames(), expected);
  // Windows NT's own record of them.
  platform::RegKey key = 0;
  ASSERT_EQ(machine->Reg().OpenKey(platform::hkey::kLocalMachine,
                                   "SYSTEM\\CurrentControlSet\\Control\\Session Manager",
                                   platform::Registry::Access::Read, key),
            0);
  platform::RegValue value;
  ASSERT_EQ(machine->Reg().QueryValue(key, "PendingFileRenameOperations", value), 0);
  EXPECT_EQ(value.type, platform::regtype::kMultiString);
  const std::string text(value.data.begin(), value.data.end());
  EXPECT_EQ(text, "\\??\\C:\\A.TMP\0\0\\??\\C:\\B.TMP\0\\??\\C:\\B.DLL\0\0"s);
}

TEST(EmulatedMachineTest, MalformedImagesSayWhere) {
  struct Case {
    const char* file;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"registry.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\X]\r\n\"A\"=dword:xyz\r\n", "registry.reg line 4"},
      {"registry.reg", "[HKEY_LOCAL_MACHINE\\X]\r\n", "registry.reg line 1: not a REGEDIT4 file"},
      {"machine.ini", "[Windows]\r\nBuild=950\r\nVersoin=4.0\r\n", "machine.ini line 3: unknown key \"Versoin\""},
      {"machine.ini", "[Hardware]\r\nScreenWidth=wide\r\n", "machine.ini line 2: bad value for \"ScreenWidth\""},
      {"files.ini", "[C:\\X]\r\nColour=red\r\n", "files.ini line 2"},
  };
  for (const auto& c : cases) {
    ImageBuilder img;
    ASSERT_TRUE(WriteHostFile(std::filesystem::path(img.Folder()) / c.file, c.text));
    std::string error;
    EXPECT_FALSE(EmulatedMachine::Open(img.Folder(), error)) << c.file;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }
}

TEST(EmulatedMachineTest, OpenRefusesAMissingFolder) {
  std::string error;
  EXPECT_FALSE(EmulatedMachine::Open("/nonexistent/corvane-image", error));
  EXPECT_NE(error.find("not a folder"), std::string::npos);
}

TEST(EmulatedMachineTest, BuilderKeepsTheFolderOnlyWhenTold) {
  std::string kept, removed;
  {
    ImageBuilder keep(ImageBuilder::Keep::Yes);
    kept = keep.Folder();
    ImageBuilder drop;
    removed = drop.Folder();
  }
  EXPECT_TRUE(std::filesystem::exists(kept));
  EXPECT_FALSE(std::filesystem::exists(removed));
  std::filesystem::remove_all(kept);
}

TEST(EmulatedMachineTest, BuilderFilesLandOnTheirDrives) {
  ImageBuilder img;
  const auto host = std::filesystem::temp_directory_path() / "corvane-mapped-drive";
  std::filesystem::create_directories(host);
  img.Drive('D', platform::DriveType::CdRom, "APPCD")
      .MapDrive('Z', host.string())
      .File("D:\\SETUP\\APP.DLL", "dll")
      .File("z:\\note.txt", "note")
      .File("C:\\App\\a.txt", "a")
      .File("c:\\APP\\b.txt", "b", FileOptions{ImageBuilder::Time(1996, 8, 24, 9, 30), attr::kReadOnly});
  auto machine = img.Open();
  ASSERT_TRUE(machine) << img.Error();
  auto& files = machine->Files();
  EXPECT_EQ(files.GetDriveType("D:\\"), platform::DriveType::CdRom);
  EXPECT_EQ(files.VolumeLabel("D:\\"), "APPCD");
  EXPECT_TRUE(files.ReadFile("D:\\SETUP\\APP.DLL"));
  EXPECT_TRUE(std::filesystem::exists(host / "note.txt"));
  EXPECT_EQ(machine->HostPath("Z:\\NOTE.TXT"), host / "note.txt");
  // Folders differing only in case are one folder.
  EXPECT_EQ(img.HostPath("C:\\APP\\A.TXT").parent_path(), img.HostPath("C:\\app\\b.txt").parent_path());
  platform::FindData data;
  ASSERT_TRUE(files.FindFirst("C:\\APP\\B.TXT", data));
  EXPECT_EQ(data.attributes, attr::kReadOnly);
  EXPECT_EQ(data.lastWriteTime, ImageBuilder::Time(1996, 8, 24, 9, 30));
  std::filesystem::remove_all(host);
}

TEST(EmulatedMachineTest, BuilderReportsBadInputAtOpen) {
  ImageBuilder badKey;
  badKey.Registry("HKEY_NOWHERE\\X", "A", "b");
  EXPECT_FALSE(badKey.Open());
  EXPECT_NE(badKey.Error().find("HKEY_NOWHERE"), std::string::npos);
  ImageBuilder badText;
  badText.RegistryText("[HKEY_CURRENT_USER\\X]\n\"A\"=hex:zz\n");
  EXPECT_FALSE(badText.Open());
  EXPECT_NE(badText.Error().find("line 2"), std::string::npos) << badText.Error();
}

TEST(EmulatedMachineTest, ProcessesAnswerFromTheExitCodeTable) {
  const std::string checker = "\"C:\\CORVANE\\Lodvex32.exe\" \"c:\\app\\a.dll\" \"a.dll\"";
  ImageBuilder img;
  img.ExitCode(checker, 101).ExitCode("C:\\WINDOWS\\WRITE.EXE", 0);
  auto machine = img.Open();
  ASSERT_TRUE(machine) << img.Error();
  auto& procs = machine->Procs();
  auto process = procs.Start("\"c:\\corvane\\LODVEX32.EXE\" \"c:\\app\\a.dll\" \"a.dll\"", 0);
  ASSERT_TRUE(process);
  EXPECT_TRUE(process->Wait(platform::kWaitInfinite));
  EXPECT_EQ(process->ExitCode(), 101u);
  // Another argument list of the same checker is a different entry.
  EXPECT_FALSE(procs.Start("\"C:\\CORVANE\\Lodvex32.exe\" \"c:\\app\\b.dll\" \"b.dll\"", 0));
  // An entry naming the program alone answers for any arguments.
  auto viewer = procs.Start("C:\\WINDOWS\\WRITE.EXE C:\\APP\\README.TXT", 0);
  ASSERT_TRUE(viewer);
  EXPECT_EQ(viewer->ExitCode(), 0u);
  EXPECT_FALSE(procs.Start("C:\\UNKNOWN.EXE", 0));
  ASSERT_EQ(machine->StartedProcesses().size(), 4u);
  EXPECT_TRUE(machine->StartedProcesses()[0].started);
  EXPECT_FALSE(machine->StartedProcesses()[1].started);
  EXPECT_TRUE(procs.RestartWindows(platform::exitwin::kReboot));
  EXPECT_EQ(machine->RestartRequests(), std::vector<uint32_t>{platform::exitwin::kReboot});
}

TEST(EmulatedMachineTest, RegistryHandlesKeepTheirAccess) {
  ImageBuilder img;
  img.RegistryKey("HKEY_CURRENT_USER\\Software\\App");
  auto machine = img.Open();
  ASSERT_TRUE(machine) << img.Error();
  auto& reg = machine->Reg();
  using Access = platform::Registry::Access;
  platform::RegKey readOnly = 0;
  ASSERT_EQ(reg.OpenKey(platform::hkey::kCurrentUser, "Software\\App\\", Access::Read, readOnly), 0);
  EXPECT_EQ(reg.SetValue(readOnly, "x", platform::regtype::kString, Text("a")), 5) << "access denied";
  platform::RegKey sub = 0;
  EXPECT_EQ(reg.CreateKey(readOnly, "Sub", sub), 5) << "a read handle cannot make subkeys";
  EXPECT_EQ(reg.OpenKey(platform::hkey::kCurrentUser, "\\Software", Access::Read, sub), 161) << "bad path name";
  EXPECT_EQ(reg.OpenKey(readOnly, "Missing", Access::Read, sub), platform::regerr::kFileNotFound);
  EXPECT_EQ(machine->OpenRegistryKeys(), 1u);
  EXPECT_EQ(reg.CloseKey(readOnly), 0);
  EXPECT_EQ(reg.CloseKey(readOnly), platform::regerr::kInvalidHandle);
  EXPECT_EQ(reg.CloseKey(platform::hkey::kLocalMachine), 0);
  EXPECT_EQ(machine->OpenRegistryKeys(), 0u);
  platform::RegValue value;
  EXPECT_EQ(reg.QueryValue(readOnly, "x", value), platform::regerr::kInvalidHandle);
}

TEST(EmulatedMachineTest, StringsComeFromTheStringTable) {
  ImageBuilder img;
  auto machine = img.Open();
  ASSERT_TRUE(machine);
  EXPECT_EQ(machine->Texts().Load(IDS_FREE_SPACE_QUESTION), "Free disk space by deleting temporary files?");
  EXPECT_EQ(machine->Texts().Load(9), "");
}

TEST(EmulatedMachineTest, FilesInUseRefuseChangesButNotReads) {
  ImageBuilder img;
  img.File("C:\\APP\\LIB.DLL", "lib").File("C:\\APP\\OTHER.DLL", "other").FileInUse("c:\\app\\lib.dll");
  auto machine = img.Open();
  ASSERT_TRUE(machine) << img.Error();
  auto& files = machine->Files();
  EXPECT_TRUE(files.IsFileInUse("C:\\APP\\LIB.DLL"));
  EXPECT_FALSE(files.DeleteFile("C:\\APP\\LIB.DLL"));
  EXPECT_FALSE(files.CopyFile("C:\\APP\\OTHER.DLL", "C:\\APP\\LIB.DLL", platform::FailIfExists::No));
  EXPECT_FALSE(files.WriteFile("C:\\APP\\LIB.DLL", Text("x")));
  // A loaded module can still be read and copied.
  EXPECT_EQ(files.ReadFile("C:\\APP\\LIB.DLL"), Text("lib"));
  EXPECT_TRUE(files.CopyFile("C:\\APP\\LIB.DLL", "C:\\APP\\COPY.DLL", platform::FailIfExists::Yes));
  machine->MarkInUse("C:\\APP\\LIB.DLL", false);
  EXPECT_TRUE(files.DeleteFile("C:\\APP\\LIB.DLL"));
}

}  // namespace
}  // namespace cvn::emulated
