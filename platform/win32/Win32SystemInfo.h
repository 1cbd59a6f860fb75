// System facts through kernel32, user32 and gdi32.
#pragma once

#include "platform/SystemInfo.h"

namespace cvn::platform::win32 {

class Win32SystemInfo final : public SystemInfo {
 public:
  OsVersion GetVersion() override;
  int WindowsBits() override;
  uint32_t ProcessorType() override;
  MemoryStatus GetMemoryStatus() override;
  int GetSystemMetrics(int index) override;
  DisplayCaps GetDisplayCaps() override;

  SystemTime LocalTime() override;
  std::string FormatDate(const SystemTime& time, DateStyle style) override;
  std::string FormatTime(const SystemTime& time) override;
};

}  // namespace cvn::platform::win32
