#include "fixes/SettingData.h"

#include <cctype>

#include "config/MessageText.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

namespace regtype = platform::regtype;

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

bool StartsWithHexPrefix(const std::string& text) {
  return text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// "0x" and exactly eight hexadecimal digits.
bool IsDwordText(const std::string& text) {
  if (text.size() != 10 || !StartsWithHexPrefix(text)) return false;
  for (size_t i = 2; i < text.size(); ++i) {
    if (!IsHex(text[i])) return false;
  }
  return true;
}

// Two-digit hexadecimal bytes separated by single blanks ("01 02 ff"),
// or nothing.
bool IsByteListText(const std::string& text) {
  if (text.empty()) return true;
  if ((text.size() + 1) % 3 != 0) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool separator = i % 3 == 2;
    if (separator ? text[i] != ' ' : !IsHex(text[i])) return false;
  }
  return true;
}

}  // namespace

uint32_t SettingWriteType(const SettingItem& item, const std::string& text) {
  if (item.dataType != regtype::kNone) return item.dataType;
  if (item.readType != regtype::kNone) return item.readType;
  return StartsWithHexPrefix(text) ? regtype::kDword : regtype::kBinary;
}

bool IsWritableSettingType(uint32_t type) {
  return type == regtype::kString || type == regtype::kExpandString || type == regtype::kMultiString ||
         type == regtype::kDword || type == regtype::kBinary;
}

platform::Bytes SettingDataBytes(uint32_t type, const std::string& text) {
  if (type == regtype::kDword || type == regtype::kBinary) return ReadRegistryData(text);
  platform::Bytes bytes(text.begin(), text.end());
  bytes.push_back(0);
  if (type == regtype::kMultiString) bytes.push_back(0);
  return bytes;
}

std::string SettingTextProblem(platform::Strings& texts, uint32_t type, const std::string& text) {
  if (type == regtype::kDword && !IsDwordText(text)) return LoadText(texts, IDS_NOT_A_NUMBER, {text});
  if (type == regtype::kBinary && !IsByteListText(text) && !IsDwordText(text)) {
    return LoadText(texts, IDS_NOT_BINARY, {text});
  }
  return "";
}

}  // namespace cvn
