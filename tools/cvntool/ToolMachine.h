// The machine a cvntool command looks at: the real or emulated machine,
// with its prompts replaced by console prompts.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/Machine.h"
#include "tools/cvntool/ConsolePrompts.h"

namespace cvn::tool {

class ToolMachine final : public platform::Machine {
 public:
  ToolMachine(std::unique_ptr<platform::Machine> inner, std::ostream& errors,
              std::optional<std::string> appFolder)
      : inner_(std::move(inner)), prompts_(errors, std::move(appFolder)) {}

  platform::FileSystem& Files() override { return inner_->Files(); }
  platform::Profile& Ini() override { return inner_->Ini(); }
  platform::Registry& Reg() override { return inner_->Reg(); }
  platform::VersionInfo& Versions() override { return inner_->Versions(); }
  platform::SystemInfo& System() override { return inner_->System(); }
  platform::Processes& Procs() override { return inner_->Procs(); }
  platform::Prompts& Ask() override { return prompts_; }
  platform::Strings& Texts() override { return inner_->Texts(); }
  platform::Shell& Desktop() override { return inner_->Desktop(); }

 private:
  std::unique_ptr<platform::Machine> inner_;
  ConsolePrompts prompts_;
};

// The machine of this build: the real one on Windows, the image named by
// `imageFolder` on the host. Null, with `error` set, when it cannot be had.
std::unique_ptr<platform::Machine> OpenMachine(const std::string& imageFolder, std::string& error);

}  // namespace cvn::tool
