// Path, folder and drive queries of the Win32 file system.
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Text.h"

namespace cvn::platform::win32 {
namespace {

// Windows paths end at 32767 characters, even with the "\\?\" prefix.
constexpr size_t kLongestPath = size_t{1} << 16;

using GetDiskFreeSpaceExAFunction = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER,
                                                  PULARGE_INTEGER);

struct ByteCounts {
  uint64_t free = 0;
  uint64_t total = 0;
};

// GetDiskFreeSpaceEx came with Windows 95 OSR2; it measures drives larger
// than the 2 GiB that GetDiskFreeSpace reports at most there.
std::optional<ByteCounts> ByteCountsOf(const std::string& root) {
  const auto getDiskFreeSpaceEx =
      FindExport<GetDiskFreeSpaceExAFunction>("kernel32.dll", "GetDiskFreeSpaceExA");
  if (getDiskFreeSpaceEx == nullptr) return std::nullopt;
  ULARGE_INTEGER availableToCaller{};
  ULARGE_INTEGER total{};
  ULARGE_INTEGER totalFree{};
  if (!getDiskFreeSpaceEx(root.c_str(), &availableToCaller, &total, &totalFree)) {
    return std::nullopt;
  }
  return ByteCounts{totalFree.QuadPart, total.QuadPart};
}

}  // namespace

std::string Win32FileSystem::ShortPathName(const std::string& path) {
  return TextOfSizedCall(
      [&](char* buffer, DWORD size) { return ::GetShortPathNameA(path.c_str(), buffer, size); });
}

std::string Win32FileSystem::FullPathName(const std::string& path) {
  return TextOfSizedCall([&](char* buffer, DWORD size) {
    char* filePart = nullptr;
    return ::GetFullPathNameA(path.c_str(), size, buffer, &filePart);
  });
}

std::string Win32FileSystem::SearchPath(const std::string& fileName) {
  return TextOfSizedCall([&](char* buffer, DWORD size) {
    char* filePart = nullptr;
    return ::SearchPathA(nullptr, fileName.c_str(), nullptr, size, buffer, &filePart);
  });
}

std::string Win32FileSystem::CurrentDirectory() {
  return TextOfSizedCall(
      [](char* buffer, DWORD size) { return ::GetCurrentDirectoryA(size, buffer); });
}

bool Win32FileSystem::SetCurrentDirectory(const std::string& path) {
  return ::SetCurrentDirectoryA(path.c_str());
}

std::string Win32FileSystem::WindowsDirectory() {
  return TextOfSizedCall([](char* buffer, DWORD size) {
    return static_cast<DWORD>(::GetWindowsDirectoryA(buffer, size));
  });
}

std::string Win32FileSystem::SystemDirectory() {
  constexpr bool kThis64 = sizeof(void*) == 8;
  const bool otherBitness = (systemView_ == View::Bits32 && kThis64) || (systemView_ == View::Bits64 && !kThis64);
  if (otherBitness && On64BitWindows()) {
    if (kThis64) {
      using Wow64Folder = UINT(WINAPI*)(LPSTR, UINT);
      if (const auto wow64 = FindExport<Wow64Folder>("kernel32.dll", "GetSystemWow64DirectoryA")) {
        return TextOfSizedCall([wow64](char* buffer, DWORD size) { return static_cast<DWORD>(wow64(buffer, size)); });
      }
    } else {
      // A 32-bit program reaches the 64-bit System folder only under this
      // alias, which the file system redirection leaves alone.
      return WindowsDirectory() + "\\Sysnative";
    }
  }
  return TextOfSizedCall([](char* buffer, DWORD size) {
    return static_cast<DWORD>(::GetSystemDirectoryA(buffer, size));
  });
}

std::string Win32FileSystem::TempPath() {
  return TextOfSizedCall([](char* buffer, DWORD size) { return ::GetTempPathA(size, buffer); });
}

std::string Win32FileSystem::ProgramPath() {
  return TextOfTruncatingCall(
      [](char* buffer, DWORD size) { return ::GetModuleFileNameA(nullptr, buffer, size); },
      kLongestPath);
}

DriveType Win32FileSystem::GetDriveType(const std::string& root) {
  const UINT type = ::GetDriveTypeA(root.c_str());
  return type <= static_cast<UINT>(DriveType::RamDisk) ? static_cast<DriveType>(type)
                                                       : DriveType::Unknown;
}

std::optional<std::string> Win32FileSystem::VolumeLabel(const std::string& root) {
  char label[MAX_PATH + 1] = {};
  char fileSystem[MAX_PATH + 1] = {};
  DWORD serial = 0;
  DWORD longestName = 0;
  DWORD flags = 0;
  if (!::GetVolumeInformationA(root.c_str(), label, sizeof label, &serial, &longestName, &flags,
                               fileSystem, sizeof fileSystem)) {
    return std::nullopt;
  }
  return FixedText(label, sizeof label);
}

std::optional<DiskFreeSpace> Win32FileSystem::GetDiskFreeSpace(const std::string& root) {
  DWORD sectorsPerCluster = 0;
  DWORD bytesPerSector = 0;
  DWORD freeClusters = 0;
  DWORD totalClusters = 0;
  if (!::GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters)) {
    return std::nullopt;
  }
  DiskFreeSpace space;
  space.sectorsPerCluster = sectorsPerCluster;
  space.bytesPerSector = bytesPerSector;
  space.freeClusters = freeClusters;
  space.totalClusters = totalClusters;
  if (const auto bytes = ByteCountsOf(root)) {
    space.freeBytes = bytes->free;
    space.totalBytes = bytes->total;
  } else {
    const uint64_t clusterBytes = uint64_t{space.sectorsPerCluster} * space.bytesPerSector;
    space.freeBytes = clusterBytes * space.freeClusters;
    space.totalBytes = clusterBytes * space.totalClusters;
  }
  return space;
}

}  // namespace cvn::platform::win32
