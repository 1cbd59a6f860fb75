#include "app/DocumentTypes.h"

#include <string>

#include "platform/RegistryKey.h"

namespace cvn {
namespace {

using platform::Registry;
using platform::regerr::kSuccess;

struct DocumentType {
  const char* className;
  const char* description;
  const char* extension;
  const char* iconIndex;
};

constexpr DocumentType kTypes[] = {
    {"Corvane.cdb", "Corvane Database", ".cdb", ",1"},
    {"Corvane.udb", "Corvane Recent Usage", ".udb", ",2"},
    {"Corvane.fdb", "Corvane File Info", ".fdb", ",3"},
};

// The program's own long path. The open command quotes it: a volume of
// today's Windows may have no short (8.3) names, so a path with blanks
// cannot be avoided, and a short name, where there is one, can be removed
// from the volume later.
std::string QuotedForShell(const std::string& path) {
  std::string quoted = path;
  quoted.insert(0, 1, '"').push_back('"');
  return quoted;
}

bool SetDefault(Registry& reg, const std::string& subKey, const std::string& text) {
  return reg.SetDefaultValue(platform::hkey::kClassesRoot, subKey, text) == kSuccess;
}

// A named string value: create the key, set the value with its terminating
// zero, close the key; both the set and the close must succeed.
bool SetNamedString(Registry& reg, const std::string& subKey, const std::string& name,
                    const std::string& text) {
  OpenedKey key(reg, platform::hkey::kClassesRoot, subKey, OpenedKey::Mode::Create);
  if (!key.IsOpen()) return false;
  platform::Bytes data(text.begin(), text.end());
  data.push_back(0);
  const bool set = key.Set(name, platform::regtype::kString, data) == kSuccess;
  const bool closed = key.Close() == kSuccess;
  return set && closed;
}

void RegisterType(Registry& reg, const DocumentType& type, const std::string& program,
                  RegisterIcons icons, bool withOpenCommand) {
  const std::string className = type.className;
  if (!SetDefault(reg, className, type.description)) return;
  if (icons == RegisterIcons::Yes &&
      !SetDefault(reg, className + "\\DefaultIcon", program + type.iconIndex)) {
    return;
  }
  if (!SetDefault(reg, type.extension, className)) return;
  if (!withOpenCommand) return;
  if (SetDefault(reg, className + "\\shell\\open\\command", QuotedForShell(program) + " \"%1\"") &&
      icons == RegisterIcons::Yes) {
    SetNamedString(reg, std::string(type.extension) + "\\ShellNew", "NullFile", "");
  }
}

}  // namespace

void RegisterDocumentTypes(platform::Machine& machine, RegisterIcons icons) {
  const std::string program = machine.Files().ProgramPath();
  bool first = true;
  for (const DocumentType& type : kTypes) {
    RegisterType(machine.Reg(), type, program, icons, first);
    first = false;
  }
}

}  // namespace cvn
