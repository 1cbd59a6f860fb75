// The facts of a machine, measured or required. The database holds two:
// the measured machine and the minimum requirements of the application.
#pragma once

#include <cstdint>
#include <string>

namespace cvn {

struct SystemProfile {
  int windowsVersion = 0;  // winver:: code
  int32_t configFiles = 0;
  int32_t configBuffers = 0;
  // Sizes are bytes, held in 64 bits so that large disks and memories do
  // not wrap.
  int64_t appDiskSpace = 0;
  int64_t winDiskSpace = 0;
  int processor = 0;  // cpu:: code
  int64_t totalPhysicalMemory = 0;
  int64_t availPhysicalMemory = 0;
  int64_t totalVirtualMemory = 0;
  int64_t availVirtualMemory = 0;
  int32_t horizontalResolution = 640;
  int32_t verticalResolution = 480;
  int colorClass = 0;  // colors:: code
  bool mouse = false;
  bool cdrom = false;
  bool modem = false;
  bool network = false;

  // Reference figures of the measured machine; never compared.
  uint32_t windowsMajor = 0;
  uint32_t windowsMinor = 0;
  uint32_t windowsBuild = 0;
  uint32_t windowsPlatformId = 0;
  uint32_t videoPlanes = 0;
  uint32_t videoBitsPerPixel = 0;
  int64_t windowsTempSpaceUsed = 0;
  int64_t netscapeTempSpaceUsed = 0;
  int64_t explorerTempSpaceUsed = 0;
  std::string computerMaker;
};

}  // namespace cvn
