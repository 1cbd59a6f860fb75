// One section of the database: its items in file order, with an index so
// that finding an item by name costs the same for the first and the last.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/Items.h"

namespace cvn {

enum class CaseSensitivity { Insensitive, Sensitive };

class ConfigSection {
 public:
  ConfigSection(std::string name, SectionType type, int linesPerEntry)
      : name_(std::move(name)), type_(type), linesPerEntry_(linesPerEntry) {}
  ConfigSection(const ConfigSection&) = delete;
  ConfigSection& operator=(const ConfigSection&) = delete;

  const std::string& Name() const { return name_; }
  SectionType Type() const { return type_; }
  int LinesPerEntry() const { return linesPerEntry_; }

  size_t Count() const { return items_.size(); }
  ConfigItem& Item(size_t index) const { return *items_[index]; }
  const std::vector<std::unique_ptr<ConfigItem>>& Items() const { return items_; }

  // Items of the section's class, e.g. section.ItemAs<FileItem>(i); null
  // when the item is of another class.
  template <class T>
  T* ItemAs(size_t index) const {
    return dynamic_cast<T*>(items_[index].get());
  }

  void Append(std::unique_ptr<ConfigItem> item);

  // The first item whose name equals `name`; null when there is none.
  ConfigItem* FindItem(std::string_view name, CaseSensitivity sensitivity) const;
  template <class T>
  T* FindItemAs(std::string_view name, CaseSensitivity sensitivity) const {
    return dynamic_cast<T*>(FindItem(name, sensitivity));
  }

 private:
  std::string name_;
  SectionType type_;
  int linesPerEntry_;
  std::vector<std::unique_ptr<ConfigItem>> items_;
  // First index of each name, case-folded and as written. The exact index
  // keys view the item names, which live as long as their items.
  std::unordered_map<std::string, size_t> foldedIndex_;
  std::unordered_map<std::string_view, size_t> exactIndex_;
};

// The value of a TextItem or DirectoryItem found by name (case-insensitive),
// or null. Null sections are allowed.
const std::string* FindValue(const ConfigSection* section, std::string_view key);

}  // namespace cvn
