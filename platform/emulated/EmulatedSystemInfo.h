// System facts of the emulated machine, as its machine.ini gives them.
#pragma once

#include "platform/SystemInfo.h"
#include "platform/emulated/MachineFacts.h"

namespace cvn::emulated {

class EmulatedSystemInfo : public platform::SystemInfo {
 public:
  explicit EmulatedSystemInfo(const MachineFacts& facts) : facts_(facts) {}

  platform::OsVersion GetVersion() override { return facts_.version; }
  int WindowsBits() override { return facts_.windowsBits; }
  uint32_t ProcessorType() override { return facts_.processorType; }
  platform::MemoryStatus GetMemoryStatus() override { return facts_.memory; }
  // 0 for an index the machine has no figure for, as Windows answers.
  int GetSystemMetrics(int index) override;
  platform::DisplayCaps GetDisplayCaps() override { return facts_.display; }
  platform::SystemTime LocalTime() override { return facts_.now; }
  std::string FormatDate(const platform::SystemTime& time, platform::DateStyle style) override;
  std::string FormatTime(const platform::SystemTime& time) override;

 private:
  const MachineFacts& facts_;
};

}  // namespace cvn::emulated
