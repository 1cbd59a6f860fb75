#include "usage/UsageMessages.h"

#include "config/MessageText.h"
#include "config/PathSpec.h"

namespace cvn {

void TellUsageProblem(RunContext& context, int textId, std::string_view path) {
  const std::string text = LoadText(context.machine.Texts(), textId, {DisplayForm(path)});
  context.machine.Ask().MessageBox(text, platform::Buttons::Ok, platform::Icon::Warning);
}

}  // namespace cvn
