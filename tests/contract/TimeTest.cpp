// File times, local time conversion and the locale's date and time texts.
// Both runs use a machine whose local time is UTC.
#include <string>

#include "tests/contract/Contract.h"
#include "tests/contract/Helpers.h"

namespace cvn::test {
namespace {

using platform::FileTime;
using platform::SystemTime;

// 2026-12-08 10:30:15.250 UTC, a Tuesday.
constexpr uint64_t kTuesday = 134411994152500000ull;

class TimeTest : public ContractTest {};

TEST_F(TimeTest, FileTimeToLocalTime) {
  const auto local = machine().Files().FileTimeToLocal(FileTime::FromTicks(kTuesday));
  ASSERT_TRUE(local.has_value());
  EXPECT_EQ(*local, (SystemTime{2026, 12, 2, 8, 10, 30, 15, 250}));
}

TEST_F(TimeTest, LastWriteTimeRoundTrips) {
  auto& files = machine().Files();
  const std::string path = Join(env().ScratchFolder(), "stamped.txt");
  WriteText(files, path, "x");
  const auto stamp = FileTime::FromTicks(125647199990000000ull);  // 1999-02-28 23:59:59
  ASSERT_TRUE(files.SetLastWriteTime(path, stamp));
  platform::FindData data;
  ASSERT_NE(files.FindFirst(path, data), nullptr);
  EXPECT_EQ(data.lastWriteTime, stamp);
  const auto local = files.FileTimeToLocal(data.lastWriteTime);
  ASSERT_TRUE(local.has_value());
  EXPECT_EQ(*local, (SystemTime{1999, 2, 0, 28, 23, 59, 59, 0}));
}

TEST_F(TimeTest, DateAndTimeTextsOfTheUsEnglishLocale) {
  auto& sys = machine().System();
  const SystemTime morning{2026, 12, 2, 8, 9, 5, 15, 0};
  EXPECT_EQ(sys.FormatDate(morning, platform::DateStyle::Short), "12/8/2026");
  EXPECT_EQ(sys.FormatDate(morning, platform::DateStyle::Long), "Tuesday, December 8, 2026");
  EXPECT_EQ(sys.FormatTime(morning), "9:05 AM");
  const SystemTime evening{1999, 2, 0, 28, 23, 59, 59, 0};
  EXPECT_EQ(sys.FormatTime(evening), "11:59 PM");
}

TEST_F(TimeTest, LocalTimeIsAValidDate) {
  const SystemTime now = machine().System().LocalTime();
  EXPECT_GE(now.year, 1995);
  EXPECT_GE(now.month, 1);
  EXPECT_LE(now.month, 12);
  EXPECT_GE(now.day, 1);
  EXPECT_LE(now.day, 31);
  EXPECT_LE(now.dayOfWeek, 6);
}

}  // namespace
}  // namespace cvn::test
