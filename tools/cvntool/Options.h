// The command line of cvntool: a command, its operands and the options
// every command takes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cvn::tool {

struct Options {
  std::string command;
  std::vector<std::string> operands;
  std::string machineImage;               // --machine IMAGE (host build)
  std::optional<std::string> appFolder;   // --app DIR
  std::optional<std::string> outPath;     // --out PATH
  std::optional<std::string> cdbPath;     // --cdb FILE.cdb
  std::optional<std::string> since;       // --since YYYYMMDDhhmm
  bool all = false;                       // --all
  std::vector<std::string> items;         // --item NAME, repeatable
  bool yes = false;                       // --yes
  bool json = false;                      // --json
  bool loadCheck = false;                 // --load-check
  std::optional<std::string> program;     // --program NAME
  std::vector<std::string> registryKeys;  // --registry KEY, repeatable
  std::vector<std::string> iniFiles;      // --ini FILE, repeatable
  std::optional<std::string> cdLabel;     // --cd-label LABEL
  std::optional<std::string> cdFolder;    // --cd-folder DIR
  bool fdb = false;                       // --fdb
  bool force = false;                     // --force
};

// Nothing, with `error` set, for an unknown option or a missing value.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace cvn::tool
