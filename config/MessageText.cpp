#include "config/MessageText.h"

namespace cvn {

namespace {

struct Conversion {
  bool leftAlign = false;
  bool zeroPad = false;
  size_t width = 0;
  size_t precision = std::string::npos;
  char kind = '\0';
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t ReadCount(std::string_view format, size_t& pos) {
  size_t count = 0;
  while (pos < format.size() && IsDigit(format[pos])) {
    count = count * 10 + static_cast<size_t>(format[pos] - '0');
    ++pos;
  }
  return count;
}

// Reads the conversion after a '%' at `pos`; `pos` ends after it.
Conversion ReadConversion(std::string_view format, size_t& pos) {
  Conversion conversion;
  for (; pos < format.size(); ++pos) {
    const char c = format[pos];
    if (c == '-') {
      conversion.leftAlign = true;
    } else if (c == '0') {
      conversion.zeroPad = true;
    } else if (c != '+' && c != ' ' && c != '#') {
      break;
    }
  }
  conversion.width = ReadCount(format, pos);
  if (pos < format.size() && format[pos] == '.') {
    ++pos;
    conversion.precision = ReadCount(format, pos);
  }
  while (pos < format.size() && std::string_view("hlLqjzt").find(format[pos]) != std::string_view::npos) {
    ++pos;
  }
  if (pos < format.size()) conversion.kind = format[pos++];
  return conversion;
}

std::string Apply(const Conversion& conversion, std::string_view arg) {
  std::string text(conversion.kind == 's' ? arg.substr(0, conversion.precision) : arg);
  if (text.size() >= conversion.width) return text;
  const size_t pad = conversion.width - text.size();
  if (conversion.leftAlign) return text + std::string(pad, ' ');
  if (!conversion.zeroPad || conversion.kind == 's') return std::string(pad, ' ') + text;
  // Zeros go after a sign.
  const size_t signs = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  return text.substr(0, signs) + std::string(pad, '0') + text.substr(signs);
}

}  // namespace

std::string FormatText(std::string_view format, std::initializer_list<std::string_view> args) {
  return FormatText(format, std::span<const std::string_view>(args.begin(), args.size()));
}

std::string FormatText(std::string_view format, std::span<const std::string_view> args) {
  std::string out;
  auto next = args.begin();
  for (size_t pos = 0; pos < format.size();) {
    const char c = format[pos++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (pos < format.size() && format[pos] == '%') {
      out += '%';
      ++pos;
      continue;
    }
    const Conversion conversion = ReadConversion(format, pos);
    const std::string_view arg = next != args.end() ? *next++ : std::string_view{};
    out += Apply(conversion, arg);
  }
  return out;
}

std::string LoadText(platform::Strings& texts, int id, std::initializer_list<std::string_view> args) {
  return FormatText(texts.Load(id), args);
}

}  // namespace cvn
