#include "config/ExpectedValues.h"

#include "config/EntryReader.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "resources/StringIds.h"

namespace cvn {

std::string FormatExpectedValues(RunContext& context, std::string_view valueText) {
  platform::Strings& texts = context.machine.Texts();
  if (valueText == "*") return texts.Load(IDS_ANY_NON_BLANK);
  std::string text(valueText);
  if (text.size() > 1 && text.front() == '"') text = text.substr(1, text.size() - 2);
  if (LooksLikePath(text)) text = ExpandedDisplayForm(context, text);
  if (text.size() <= 1 || (text.front() != '[' && text.front() != '{')) return text;

  const ValueList list = EntryReader(text).ReadValueList(
      [&context](const std::string& path) { return ExpandedDisplayForm(context, path); });
  if (list.values.empty()) return text;
  std::string shown = texts.Load(text.front() == '{' ? IDS_CONTAINS_OPEN : IDS_LIST_OPEN);
  for (size_t i = 0; i < list.values.size(); ++i) {
    if (i > 0) shown += i + 1 == list.values.size() ? texts.Load(IDS_LAST_JOIN) : ", ";
    shown += list.values[i];
  }
  return shown + "]";
}

}  // namespace cvn
