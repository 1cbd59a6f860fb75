#include "tools/cvntool/FileCommand.h"

#include <string>

#include "checks/PeModules.h"
#include "config/ApplicationView.h"
#include "config/Items.h"
#include "tools/cvntool/DumpFormat.h"

namespace cvn::tool {

namespace {

const char* KindName(pe::ExeKind kind) {
  switch (kind) {
    case pe::ExeKind::Dos: return "ms-dos";
    case pe::ExeKind::Ne: return "ne";
    case pe::ExeKind::Le: return "le";
    case pe::ExeKind::Xe: return "xe";
    case pe::ExeKind::Pe: return "pe";
    default: return "unknown";
  }
}

const char* BitnessName(int bits) {
  switch (bits) {
    case bitness::k16: return "16";
    case bitness::k32: return "32";
    case bitness::k64: return "64";
    default: return "unknown";
  }
}

void PrintDependencies(std::ostream& out, const ModuleDependencies& deps) {
  out << "dependencies status=" << deps.status << " modules=" << deps.modules.size() << '\n';
  for (const auto& module : deps.modules) {
    out << "  module depth=" << module.depth << ' ' << Quote(module.fileName) << ' ' << Quote(module.path) << '\n';
    for (const auto& missing : module.missing) {
      out << "    missing depth=" << missing.depth << ' ' << Quote(missing.name) << '\n';
    }
  }
}

}  // namespace

int RunFile(RunContext& context, const Options& options, std::ostream& out, std::ostream& errors) {
  if (options.operands.size() != 1) {
    errors << kUsage;
    return 2;
  }
  platform::Machine& machine = context.machine;
  const std::string& path = options.operands[0];
  if (!machine.Files().ReadFile(path)) {
    errors << "cvntool: cannot read " << path << '\n';
    return 1;
  }
  out << "file " << Quote(path) << '\n';
  std::string version;
  if (ReadFileVersion(machine, path, version) == platform::kSOk) {
    out << "version " << Quote(version) << '\n';
  } else {
    out << "version none\n";
  }
  const pe::ExeKind kind = ExecutableKind(machine, path);
  out << "kind " << KindName(kind) << " bitness=" << BitnessName(ImageBitness(machine, path)) << '\n';
  PrintDependencies(out, ListModuleDependencies(machine, path));
  return 0;
}

}  // namespace cvn::tool
