#include "platform/emulated/EmulatedStrings.h"

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

}  // namespace cvn::emulated
