#include "checks/RegistrationList.h"

#include <optional>
#include <utility>

#include "checks/ComCheck.h"

namespace cvn {

namespace {

// The checked row of the item at `index`, or nothing for an item of
// another class.
std::optional<RegistrationRow> CheckedRow(RunContext& context, const ConfigSection& section,
                                          SectionId category, size_t index) {
  platform::Strings& strings = context.machine.Texts();
  const int entry = static_cast<int>(index);
  if (auto* library = section.ItemAs<TypeLibItem>(index)) {
    CheckTypeLibrary(context, *library);
    return MakeRegistrationRow(strings, *library, entry);
  }
  if (auto* server = section.ItemAs<ServerItem>(index)) {
    CheckServer(context, *server);
    return MakeRegistrationRow(strings, *server, category, entry);
  }
  return std::nullopt;
}

}  // namespace

platform::HResult ListRegistrations(RunContext& context, const ConfigDatabase& database, SectionId id, ShowRows show,
                                    std::vector<RegistrationRow>& rows, int& problemCount) {
  const ConfigSection* section = KindOf(id) == SectionKind::Registration ? database.GetSection(id) : nullptr;
  if (section == nullptr || section->Count() == 0) return platform::kEFail;
  for (size_t index = 0; index < section->Count(); ++index) {
    std::optional<RegistrationRow> row = CheckedRow(context, *section, id, index);
    if (!row) continue;
    // Every failed registration counts, even one lowered to a warning.
    if (row->data.status != 0) ++problemCount;
    if (!RowShown(show, row->data.status)) continue;
    row->data.rowNumber = static_cast<int>(rows.size());
    rows.push_back(std::move(*row));
  }
  return platform::kSOk;
}

}  // namespace cvn
