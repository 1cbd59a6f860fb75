#include "platform/emulated/EmulatedStrings.h"

#include "platform/emulated/Text.h"
#include "resources/StringTable.h"
#include "util/pe/AnsiText.h"

namespace cvn::emulated {

std::string EmulatedStrings::Load(int id) {
  const char* text = resources::FindString(id);
  return text ? text : "";
}

std::string EmulatedStrings::AnsiToUtf8(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (const char16_t c : pe::FromAnsi(ansi)) pe::AppendUtf8(out, c);
  return out;
}

platform::CaseRules EmulatedStrings::LetterCase() {
  platform::CaseRules rules;
  for (size_t byte = 0; byte < rules.lower.size(); ++byte) {
    const char c = static_cast<char>(byte);
    rules.lower[byte] = static_cast<unsigned char>(LowerChar(c));
    rules.upper[byte] = static_cast<unsigned char>(UpperChar(c));
  }
  return rules;
}

}  // namespace cvn::emulated
