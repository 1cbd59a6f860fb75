#include "platform/emulated/EmulatedStrings.h"

#include "platform/emulated/Text.h"
#include "resources/StringTable.h"

namespace cvn::emulated {

std::string EmulatedStrings::Load(int id) {
  const char* text = resources::FindString(id);
  return text ? text : "";
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
