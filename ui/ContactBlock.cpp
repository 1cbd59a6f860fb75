#include "ui/ContactBlock.h"

#include "resources/StringIds.h"

namespace cvn {
namespace {

struct ContactLine {
  const char* supportKey;
  const char* vendorKey;
  int label;
};

constexpr ContactLine kLines[] = {
    {"TechSupportPhone", "VendorPhone", IDS_PHONE},
    {"TechSupportFax", "VendorFax", IDS_FAX},
    {"TechSupportEMail", "VendorEMail", IDS_EMAIL},
};

constexpr size_t kVendorName = 0;
constexpr size_t kSupportName = 1;
constexpr size_t kFirstPair = 2;
constexpr size_t kInstructions = 8;

void TakeValue(const ConfigSection* vendor, const char* key, std::string& into) {
  if (const std::string* value = FindValue(vendor, key)) into = *value;
}

}  // namespace

ContactBlock BuildContactBlock(const ConfigSection* vendor, platform::Strings& strings) {
  ContactBlock block;
  if (vendor == nullptr) return block;
  TakeValue(vendor, "VendorName", block.texts[kVendorName]);
  TakeValue(vendor, "TechSupportName", block.texts[kSupportName]);
  TakeValue(vendor, "TechSupportInstructions", block.texts[kInstructions]);
  size_t pair = kFirstPair;
  for (const ContactLine& line : kLines) {
    const std::string* support = FindValue(vendor, line.supportKey);
    if (support == nullptr) continue;
    std::string value = *support;
    if (value.empty()) TakeValue(vendor, line.vendorKey, value);
    if (value.empty()) continue;
    block.texts[pair] = strings.Load(line.label);
    block.texts[pair + 1] = value;
    pair += 2;
  }
  return block;
}

void ShowContactBlock(ControlSurface& surface, const ContactBlock& block, const FontSpec& nameFont) {
  for (size_t i = 0; i < block.texts.size(); ++i) {
    surface.SetText(kContactFirstControl + static_cast<int>(i), block.texts[i]);
  }
  surface.SetFont(kContactFirstControl + static_cast<int>(kVendorName), nameFont);
  surface.SetFont(kContactFirstControl + static_cast<int>(kSupportName), nameFont);
}

}  // namespace cvn
