#include "report/FleetSummary.h"

#include <algorithm>

#include "config/TextCase.h"
#include "report/JsonReader.h"
#include "report/ReportFacts.h"
#include "report/ReportJson.h"

namespace cvn {

namespace {

using Kind = JsonValue::Kind;

const JsonValue* ArrayOf(const JsonValue& value, std::string_view name) {
  const JsonValue* member = value.Find(name);
  return member != nullptr && member->kind == Kind::Array ? member : nullptr;
}

// Why a parsed document is no report of ours; empty when it is one.
std::string Unreadable(const JsonValue& document) {
  if (document.kind != Kind::Object) return "not a JSON object";
  const double schema = document.NumberOf("schema", -1);
  if (schema != kReportSchema) return "no report of schema " + std::to_string(kReportSchema);
  const JsonValue* loaded = document.Find("loaded");
  if (loaded == nullptr || loaded->kind != Kind::Bool) return "no \"loaded\" member";
  return {};
}

}  // namespace

void FleetTally::Count(std::string_view section, std::string_view name, double level) {
  if (level < kWarningLevel) return;
  std::string key(section);
  key += '\n';
  key += ToLower(name);
  auto [slot, added] = index_.try_emplace(std::move(key), summary_.items.size());
  if (added) summary_.items.push_back({std::string(section), std::string(name)});
  FleetItem& item = summary_.items[slot->second];
  if (item.lastReport == summary_.reports) return;
  item.lastReport = summary_.reports;
  ++(level >= kProblemLevel ? item.problems : item.warnings);
}

void FleetTally::Add(const std::string& machine, std::string_view json) {
  ++summary_.reports;
  std::string error;
  const std::optional<JsonValue> document = ParseJson(json, error);
  if (document) error = Unreadable(*document);
  if (!error.empty()) {
    summary_.unreadable.push_back({machine, std::move(error)});
    return;
  }
  if (!document->Find("loaded")->boolean) {
    summary_.notLoaded.push_back({machine, std::string(document->TextOf("error"))});
    return;
  }
  ++summary_.checked;
  if (const JsonValue* findings = ArrayOf(*document, "findings")) {
    for (const JsonValue& f : findings->items) Count(f.TextOf("section"), f.TextOf("name"), f.NumberOf("level", 0));
  }
  const std::string requirements(StandardSectionName(SectionId::MinimumRequirementsInfo));
  if (const JsonValue* rows = ArrayOf(*document, "requirements")) {
    for (const JsonValue& row : rows->items) Count(requirements, row.TextOf("name"), row.NumberOf("level", 0));
  }
  if (const JsonValue* sections = ArrayOf(*document, "sections")) {
    for (const JsonValue& section : sections->items) {
      const JsonValue* items = ArrayOf(section, "items");
      for (size_t i = 0; items != nullptr && i < items->items.size(); ++i) {
        const JsonValue& item = items->items[i];
        Count(section.TextOf("name"), item.TextOf("name"), item.NumberOf("level", 0));
      }
    }
  }
}

FleetSummary FleetTally::Finish() {
  std::stable_sort(summary_.items.begin(), summary_.items.end(), [](const FleetItem& a, const FleetItem& b) {
    if (a.problems != b.problems) return a.problems > b.problems;
    return a.warnings > b.warnings;
  });
  index_.clear();
  return std::move(summary_);
}

}  // namespace cvn
