#include "tools/cvntool/Options.h"

namespace cvn::tool {

const char* const kUsage =
    "usage: cvntool COMMAND [OPTIONS]\n"
    "commands:\n"
    "  dump FILE.cdb        print the database in canonical form\n"
    "  file PATH            print a file's version, kind and dependencies\n"
    "  fdb --cdb FILE.cdb DIR\n"
    "                       write the .fdb beside FILE.cdb for its files in DIR\n"
    "  report FILE.cdb [--out PATH] [--load-check]\n"
    "                       run every check and write the support report; with\n"
    "                       --load-check the DLL load check first, with the\n"
    "                       checkers beside cvntool\n"
    "  udb FILE.cdb         create or refresh the usage database as start-up does\n"
    "  changes FILE.cdb [--since YYYYMMDDhhmm] [--all]\n"
    "                       list the dates, or the recent changes since one\n"
    "  fix FILE.cdb [--item NAME]... [--yes]\n"
    "                       list what Fix would repair; carry it out with --yes\n"
    "  lint FILE.cdb...     report what the loader reads otherwise than meant\n"
    "  check FILE.cdb [--json]\n"
    "                       run every check, print the findings; exit 1 on a problem\n"
    "  report FILE.cdb --json [--out PATH]\n"
    "                       write the whole report as JSON\n"
    "  summary DIR          sum up the JSON reports collected in DIR\n"
    "  harvest FOLDER --out FILE.cdb [--program NAME] [--registry KEY]... [--ini FILE]...\n"
    "          [--cd-label LABEL --cd-folder DIR] [--fdb] [--force]\n"
    "                       write the database of the installation in FOLDER\n"
    "options:\n"
    "  --machine IMAGE      the machine image to look at (Linux build)\n"
    "  --app DIR            answer the search for the application with DIR\n";

namespace {

// The member an option with a value fills; null for an unknown option.
std::optional<std::string>* ValueSlot(Options& options, const std::string& name) {
  if (name == "--app") return &options.appFolder;
  if (name == "--out") return &options.outPath;
  if (name == "--cdb") return &options.cdbPath;
  if (name == "--since") return &options.since;
  if (name == "--program") return &options.program;
  if (name == "--cd-label") return &options.cdLabel;
  if (name == "--cd-folder") return &options.cdFolder;
  return nullptr;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error) {
  Options options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      if (options.command.empty()) {
        options.command = arg;
      } else {
        options.operands.push_back(arg);
      }
      continue;
    }
    if (arg == "--all") {
      options.all = true;
      continue;
    }
    if (arg == "--yes") {
      options.yes = true;
      continue;
    }
    if (arg == "--json") {
      options.json = true;
      continue;
    }
    if (arg == "--load-check") {
      options.loadCheck = true;
      continue;
    }
    if (arg == "--fdb" || arg == "--force") {
      (arg == "--fdb" ? options.fdb : options.force) = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = "option " + arg + " needs a value";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (arg == "--machine") {
      options.machineImage = value;
    } else if (arg == "--item") {
      options.items.push_back(value);
    } else if (arg == "--registry" || arg == "--ini") {
      (arg == "--ini" ? options.iniFiles : options.registryKeys).push_back(value);
    } else if (auto* slot = ValueSlot(options, arg)) {
      *slot = value;
    } else {
      error = "unknown option " + arg;
      return std::nullopt;
    }
  }
  if (options.command.empty()) {
    error = "no command given";
    return std::nullopt;
  }
  return options;
}

}  // namespace cvn::tool
