#include "platform/emulated/PendingRenames.h"

#include <string_view>

#include "platform/Registry.h"

namespace cvn::emulated {

namespace {

constexpr std::string_view kKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr std::string_view kValue = "PendingFileRenameOperations";
constexpr std::string_view kPrefix = "\\??\\";

void AppendText(platform::Bytes& data, std::string_view text) {
  data.insert(data.end(), text.begin(), text.end());
  data.push_back(0);
}

std::vector<std::string> SplitMultiString(const platform::Bytes& data) {
  std::vector<std::string> texts;
  std::string current;
  for (uint8_t byte : data) {
    if (byte != 0) {
      current += static_cast<char>(byte);
      continue;
    }
    texts.push_back(current);
    current.clear();
  }
  if (!current.empty()) texts.push_back(current);
  // The list ends with an empty text; an empty target inside it is a deletion.
  if (!texts.empty() && texts.size() % 2 == 1 && texts.back().empty()) texts.pop_back();
  return texts;
}

std::string WithoutPrefix(std::string_view text) {
  if (text.substr(0, kPrefix.size()) == kPrefix) text.remove_prefix(kPrefix.size());
  return std::string(text);
}

}  // namespace

bool PendingRenames::Add(const PendingRename& rename) {
  RegNode& key = registry_.Tree().Root(RegRoot::LocalMachine).Create(kKey);
  platform::Bytes data;
  if (const auto* old = key.Value(kValue)) {
    data = old->data;
    if (!data.empty() && data.back() == 0) data.pop_back();  // the closing empty text
  }
  AppendText(data, std::string(kPrefix) + rename.from);
  AppendText(data, rename.to.empty() ? std::string() : (rename.replaceExisting ? "!" : "") + std::string(kPrefix) + rename.to);
  data.push_back(0);
  key.SetValue(kValue, platform::regtype::kMultiString, std::move(data));
  return registry_.Save();
}

std::vector<PendingRename> PendingRenames::List() const {
  std::vector<PendingRename> renames;
  const RegNode* key = registry_.Tree().Root(RegRoot::LocalMachine).Find(kKey);
  const RegStoredValue* value = key ? key->Value(kValue) : nullptr;
  if (!value) return renames;
  const auto texts = SplitMultiString(value->data);
  for (size_t i = 0; i + 1 < texts.size(); i += 2) {
    PendingRename rename;
    rename.from = WithoutPrefix(texts[i]);
    std::string_view to = texts[i + 1];
    rename.replaceExisting = !to.empty() && to.front() == '!';
    if (rename.replaceExisting) to.remove_prefix(1);
    rename.to = WithoutPrefix(to);
    renames.push_back(rename);
  }
  return renames;
}

}  // namespace cvn::emulated
