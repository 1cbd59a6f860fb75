#include "config/ConfigSection.h"

#include "config/TextCase.h"

namespace cvn {

void ConfigSection::Append(std::unique_ptr<ConfigItem> item) {
  const size_t index = items_.size();
  const std::string& name = item->Name();
  // emplace keeps an existing entry, so each index holds the first match.
  foldedIndex_.emplace(ToLower(name), index);
  exactIndex_.emplace(std::string_view(name), index);
  items_.push_back(std::move(item));
}

ConfigItem* ConfigSection::FindItem(std::string_view name, CaseSensitivity sensitivity) const {
  if (sensitivity == CaseSensitivity::Sensitive) {
    const auto hit = exactIndex_.find(name);
    return hit != exactIndex_.end() ? items_[hit->second].get() : nullptr;
  }
  const auto hit = foldedIndex_.find(ToLower(name));
  return hit != foldedIndex_.end() ? items_[hit->second].get() : nullptr;
}

const std::string* FindValue(const ConfigSection* section, std::string_view key) {
  if (section == nullptr) return nullptr;
  const ConfigItem* item = section->FindItem(key, CaseSensitivity::Insensitive);
  if (const auto* text = dynamic_cast<const TextItem*>(item)) return &text->value;
  if (const auto* directory = dynamic_cast<const DirectoryItem*>(item)) return &directory->value;
  return nullptr;
}

}  // namespace cvn
