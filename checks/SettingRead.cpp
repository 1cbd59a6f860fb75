#include "checks/SettingRead.h"

#include "platform/RegistryKey.h"
#include "config/PathSpec.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

namespace regtype = platform::regtype;

bool IsDataType(uint32_t type) {
  return type == regtype::kNone || type == regtype::kBinary || type == regtype::kDword;
}

std::string ReadAsNamed(RunContext& context, const IniLocation& location) {
  return context.machine.Ini().GetString(location.section, location.key, "", location.file, kIniValueBuffer);
}

}  // namespace

std::string ReadIniValue(RunContext& context, const IniLocation& location) {
  std::string value = ReadAsNamed(context, location);
  if (!value.empty()) return value;
  const PathSpec inApplicationFolder(context, "1|" + location.file);
  return context.machine.Ini().GetString(location.section, location.key, "", inApplicationFolder,
                                         kIniValueBuffer);
}

std::string IniFileToWrite(RunContext& context, const IniLocation& location) {
  if (!ReadAsNamed(context, location).empty()) return location.file;
  const PathSpec inApplicationFolder(context, "1|" + location.file);
  platform::FindData data;
  return context.machine.Files().FindFirst(inApplicationFolder, data) ? inApplicationFolder.Text() : location.file;
}

RegistryReading ReadRegistryValue(platform::Registry& registry, const RegistryLocation& location) {
  RegistryReading reading;
  std::optional<platform::RegValue> value =
      OpenedKey(registry, location.root, location.subKey).Query(location.valueName);
  if (!value) return reading;
  const bool handled = value->type == regtype::kString || IsDataType(value->type);
  reading.result = handled ? RegistryReadResult::Read : RegistryReadResult::UnhandledType;
  reading.type = value->type;
  // Another type (an expandable or multiple string) is shown as its raw text.
  reading.text = IsDataType(value->type) ? FormatRegistryData(value->type, value->data)
                                         : TextOfData(value->data);
  reading.data = std::move(value->data);
  return reading;
}

}  // namespace cvn
