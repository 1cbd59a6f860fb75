// The date and time writer, through the machine's locale formats.
#include <gtest/gtest.h>

#include "config/ValueFormats.h"
#include "tests/unit/ConfigTestSupport.h"

namespace cvn {
namespace {

class ValueFormatsDateTest : public test::ConfigMachineTest {};

TEST_F(ValueFormatsDateTest, ShortDateABlankAndTheTimeWithoutSeconds) {
  image_.Fact("Locale", "ShortDate", "dd.MM.yyyy").Fact("Locale", "Time", "HH:mm:ss");
  Start();
  platform::SystemTime time;
  time.year = 1997;
  time.month = 3;
  time.day = 5;
  time.hour = 14;
  time.minute = 7;
  time.second = 59;
  EXPECT_EQ(FormatDateTime(machine_->System(), time), "05.03.1997 14:07");
}

}  // namespace
}  // namespace cvn
