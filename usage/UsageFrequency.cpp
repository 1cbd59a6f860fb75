#include "usage/UsageFrequency.h"

#include "config/ValueFormats.h"

namespace cvn {

namespace {

int Order(int a, int b) { return a > b ? 1 : a < b ? -1 : 0; }

}  // namespace

int CompareByFrequency(const platform::SystemTime& now, const platform::SystemTime& last, int frequency) {
  if (frequency == frequency::kNever) return -1;
  if (frequency == frequency::kAlways) return 1;
  if (const int years = Order(now.year, last.year); years != 0) return years;
  if (const int months = Order(now.month, last.month); months != 0) return months;
  if (frequency == frequency::kMonthly) return 0;
  if (frequency == frequency::kWeekly) return Order(now.day / 7, last.day / 7);
  return Order(now.day, last.day);
}

}  // namespace cvn
