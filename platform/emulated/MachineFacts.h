// The facts of an emulated machine, read from "machine.ini" in the image:
// what GetVersionEx, GetSystemInfo, GlobalMemoryStatus, GetSystemMetrics,
// the drive calls and the clock report, and the scripts for the programs
// started and the prompts answered. Every fact has a default, so that an
// empty file is a plain Windows 95 machine.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Prompts.h"
#include "platform/SystemInfo.h"

namespace cvn::emulated {

struct DriveFacts {
  char letter = 'C';
  platform::DriveType type = platform::DriveType::Fixed;
  std::string hostFolder;  // as written: relative to the image or absolute
  std::string label;
  bool media = true;  // false: a removable or CD-ROM drive with nothing in it
  platform::DiskFreeSpace space;
};

struct ProgramExit {
  std::string commandLine;  // exactly as CreateProcess gets it, or the program alone
  uint32_t exitCode = 0;
};

// One queued answer of the prompt script.
struct ScriptedAnswer {
  enum class Kind { MessageBox, OpenFile };
  Kind kind = Kind::MessageBox;
  platform::Answer answer = platform::Answer::Ok;
  std::optional<std::string> path;  // OpenFile: nothing means Cancel
};

struct MachineFacts {
  platform::OsVersion version{4, 0, 950, platform::kPlatformWindows, ""};
  std::string windowsFolder = "C:\\WINDOWS";
  std::string systemFolder = "C:\\WINDOWS\\SYSTEM";
  // 64: the machine is 64-bit Windows, where a 32-bit program reads the
  // 32-bit Registry view and finds `wow64Folder` as its System folder.
  int windowsBits = 32;
  std::string wow64Folder;  // empty: SysWOW64 in the Windows folder
  std::string tempFolder = "C:\\WINDOWS\\TEMP";
  std::string programPath = "C:\\CORVANE\\CORVANE.EXE";
  std::string currentFolder;  // empty: the program's folder
  std::string path = "C:\\WINDOWS;C:\\WINDOWS\\COMMAND";

  uint32_t processorType = 586;
  platform::MemoryStatus memory{50, 16u << 20, 4u << 20, 64u << 20, 48u << 20, 2147352576u, 2143289344u};
  int screenWidth = 800;
  int screenHeight = 600;
  bool mousePresent = true;
  int mouseButtons = 2;
  int network = 1;  // SM_NETWORK: bit 0 set when a network is present
  platform::DisplayCaps display{1, 8};

  platform::SystemTime now{1997, 7, 2, 1, 12, 0, 0, 0};  // local time; 1 Jul 1997 was a Tuesday
  int32_t biasMinutes = 0;  // UTC = local time + bias, as TIME_ZONE_INFORMATION.Bias
  std::string shortDate = "M/d/yy";
  std::string longDate = "dddd, MMMM dd, yyyy";
  std::string timeFormat = "h:mm:ss tt";

  std::vector<DriveFacts> drives;  // sorted by letter; C: unless the file says otherwise
  std::vector<std::string> filesInUse;
  // Registry keys that refuse writes to themselves and below, as
  // HKEY_LOCAL_MACHINE does for a user without administrator rights.
  std::vector<std::string> protectedKeys;
  std::vector<ProgramExit> programs;
  std::vector<ScriptedAnswer> prompts;
  bool shiftKeyDown = false;

  const DriveFacts* Drive(char letter) const;
};

// Reads the facts; on a malformed line, nothing and `error` naming the line.
std::optional<MachineFacts> ParseMachineFacts(std::string_view text, std::string& error);

// The default facts of drive `letter` of the given type (C: is fixed).
DriveFacts DefaultDrive(char letter, platform::DriveType type);

std::string_view DriveTypeName(platform::DriveType type);

}  // namespace cvn::emulated
