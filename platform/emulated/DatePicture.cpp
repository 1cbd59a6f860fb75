#include "platform/emulated/DatePicture.h"

#include <functional>
#include <optional>

namespace cvn::emulated {

namespace {

constexpr const char* kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

std::string Number(unsigned value, size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

// Expands one run of a picture letter; nothing when the letter is literal.
using FieldWriter = std::function<std::optional<std::string>(char letter, size_t count)>;

// The text of a quoted part starting at picture[i] (a quote); moves i past
// it. Inside, two quotes stand for one.
std::string QuotedText(std::string_view picture, size_t& i) {
  std::string text;
  for (++i; i < picture.size(); ++i) {
    if (picture[i] != '\'') {
      text += picture[i];
    } else if (i + 1 < picture.size() && picture[i + 1] == '\'') {
      text += picture[++i];
    } else {
      ++i;
      break;
    }
  }
  return text;
}

// Walks a picture: quoted text and other characters are copied, runs of a
// letter go to `field`. `skip` tells whether a field is dropped, together
// with the literal text before it (after it, when nothing came before).
std::string Expand(std::string_view picture, const FieldWriter& field,
                   const std::function<bool(char)>& skip = [](char) { return false; }) {
  std::string out;
  size_t literalStart = 0;   // where the literal text since the last field begins
  bool dropLiteral = false;  // a leading field was skipped: drop text up to the next field
  bool anyField = false;
  size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'') {
      const std::string text = QuotedText(picture, i);
      if (!dropLiteral) out += text;
      continue;
    }
    size_t count = 1;
    while (i + count < picture.size() && picture[i + count] == c) ++count;
    const bool isField = field(c, count).has_value();
    if (isField && skip(c)) {
      dropLiteral = !anyField;
      out.resize(literalStart);
    } else if (isField) {
      dropLiteral = false;
      anyField = true;
      out += *field(c, count);
      literalStart = out.size();
    } else if (!dropLiteral) {
      out.append(count, c);
    }
    i += count;
  }
  return out;
}

}  // namespace

std::string FormatDatePicture(const platform::SystemTime& time, std::string_view picture) {
  return Expand(picture, [&](char letter, size_t count) -> std::optional<std::string> {
    const std::string day = kDays[time.dayOfWeek % 7];
    const std::string month = time.month >= 1 && time.month <= 12 ? kMonths[time.month - 1] : "";
    switch (letter) {
      case 'd':
        if (count <= 2) return Number(time.day, count);
        return count == 3 ? day.substr(0, 3) : day;
      case 'M':
        if (count <= 2) return Number(time.month, count);
        return count == 3 ? month.substr(0, 3) : month;
      case 'y':
        if (count == 1) return std::to_string(time.year % 100);
        if (count == 2) return Number(time.year % 100, 2);
        return Number(time.year, 4);
      case 'g':
        return std::string("AD");
      default:
        return std::nullopt;
    }
  });
}

std::string FormatTimePicture(const platform::SystemTime& time, std::string_view picture, bool noSeconds) {
  const auto field = [&](char letter, size_t count) -> std::optional<std::string> {
    const size_t width = count >= 2 ? 2 : 1;
    const unsigned hour12 = time.hour % 12 == 0 ? 12u : time.hour % 12u;
    const std::string marker = time.hour < 12 ? "AM" : "PM";
    switch (letter) {
      case 'h':
        return Number(hour12, width);
      case 'H':
        return Number(time.hour, width);
      case 'm':
        return Number(time.minute, width);
      case 's':
        return Number(time.second, width);
      case 't':
        return count == 1 ? marker.substr(0, 1) : marker;
      default:
        return std::nullopt;
    }
  };
  return Expand(picture, field, [&](char letter) { return noSeconds && letter == 's'; });
}

}  // namespace cvn::emulated
