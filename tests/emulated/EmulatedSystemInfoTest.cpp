// System facts and the locale's date and time pictures.
#include "platform/emulated/EmulatedSystemInfo.h"

#include <gtest/gtest.h>

#include "platform/emulated/DatePicture.h"

namespace cvn::emulated {
namespace {

using platform::SystemTime;

// Friday 2 January 1998, 15:07:09; and a morning, 00:05:03.
constexpr SystemTime kAfternoon{1998, 1, 5, 2, 15, 7, 9, 0};
constexpr SystemTime kMidnight{2005, 11, 0, 20, 0, 5, 3, 0};

TEST(EmulatedSystemInfoTest, DatePictures) {
  const std::pair<const char*, const char*> cases[] = {
      {"M/d/yy", "1/2/98"},
      {"MM/dd/yyyy", "01/02/1998"},
      {"dddd, MMMM dd, yyyy", "Friday, January 02, 1998"},
      {"ddd d MMM y", "Fri 2 Jan 98"},
      {"yyyy-MM-dd", "1998-01-02"},
      {"'Day' d 'of' MMMM", "Day 2 of January"},
      {"d''MMM", "2Jan"},  // '' outside quotes is empty quoted text
      {"'it''s' dd", "it's 02"},
      {"g yyyy", "AD 1998"},
      {"yyy", "1998"},
      {"hh:mm", "hh:mm"},  // time letters are plain text in a date
  };
  for (const auto& [picture, expected] : cases) EXPECT_EQ(FormatDatePicture(kAfternoon, picture), expected) << picture;
}

TEST(EmulatedSystemInfoTest, TimePictures) {
  struct Case {
    const char* picture;
    const SystemTime& time;
    bool noSeconds;
    const char* expected;
  };
  const Case cases[] = {
      {"h:mm:ss tt", kAfternoon, false, "3:07:09 PM"},
      {"h:mm:ss tt", kAfternoon, true, "3:07 PM"},
      {"HH:mm:ss", kAfternoon, true, "15:07"},
      {"ss:mm", kAfternoon, true, "07"},
      {"h 'at' ss tt", kAfternoon, true, "3 PM"},
      {"hh:mm t", kMidnight, false, "12:05 A"},
      {"H:m:s", kMidnight, false, "0:5:3"},
      {"HH'h'mm", kAfternoon, false, "15h07"},
      {"dd HH", kAfternoon, false, "dd 15"},  // date letters are plain text in a time
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTimePicture(c.time, c.picture, c.noSeconds), c.expected) << c.picture;
  }
}

TEST(EmulatedSystemInfoTest, FactsAndTheLocale) {
  MachineFacts facts;
  facts.shortDate = "dd.MM.yyyy";
  facts.longDate = "d. MMMM yyyy";
  facts.timeFormat = "HH:mm:ss";
  facts.mousePresent = false;
  facts.mouseButtons = 3;
  facts.screenWidth = 1024;
  EmulatedSystemInfo info(facts);
  EXPECT_EQ(info.FormatDate(kAfternoon, platform::DateStyle::Short), "02.01.1998");
  EXPECT_EQ(info.FormatDate(kAfternoon, platform::DateStyle::Long), "2. January 1998");
  EXPECT_EQ(info.FormatTime(kAfternoon), "15:07");
  EXPECT_EQ(info.LocalTime(), facts.now);
  EXPECT_EQ(info.GetSystemMetrics(platform::metric::kCxScreen), 1024);
  EXPECT_EQ(info.GetSystemMetrics(platform::metric::kMousePresent), 0);
  EXPECT_EQ(info.GetSystemMetrics(platform::metric::kCMouseButtons), 0) << "no mouse, no buttons";
  EXPECT_EQ(info.GetSystemMetrics(platform::metric::kNetwork), 1);
  EXPECT_EQ(info.GetSystemMetrics(999), 0);
}

}  // namespace
}  // namespace cvn::emulated
