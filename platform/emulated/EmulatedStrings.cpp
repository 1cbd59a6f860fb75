#include "platform/emulated/EmulatedStrings.h"

#include "resources/StringTable.h"

namespace cvn::emulated {

std::string EmulatedStrings::Load(int id) {
  const char* text = resources::FindString(id);
  return text ? text : "";
}

}  // namespace cvn::emulated
