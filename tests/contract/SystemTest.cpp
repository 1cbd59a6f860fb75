// System facts: what every machine reports in a consistent shape.
#include "tests/contract/Contract.h"

namespace cvn::test {
namespace {

class SystemTest : public ContractTest {};

TEST_F(SystemTest, VersionIsWindows95OrNt) {
  const auto version = machine().System().GetVersion();
  EXPECT_TRUE(version.platformId == platform::kPlatformWindows ||
              version.platformId == platform::kPlatformNt);
  EXPECT_GE(version.major, 4u);
}

TEST_F(SystemTest, MemoryAndScreenFigures) {
  auto& sys = machine().System();
  EXPECT_GE(sys.ProcessorType(), 386u);
  const auto memory = sys.GetMemoryStatus();
  EXPECT_GT(memory.totalPhys, 0u);
  EXPECT_LE(memory.availPhys, memory.totalPhys);
  EXPECT_LE(memory.availVirtual, memory.totalVirtual);
  EXPECT_GT(sys.GetSystemMetrics(platform::metric::kCxScreen), 0);
  EXPECT_GT(sys.GetSystemMetrics(platform::metric::kCyScreen), 0);
  const auto caps = sys.GetDisplayCaps();
  EXPECT_GE(caps.planes, 1);
  EXPECT_GE(caps.bitsPerPixel, 1);
}

}  // namespace
}  // namespace cvn::test
