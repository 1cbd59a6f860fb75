#include "ui/fakes/RecordingSurface.h"

namespace cvn {

const RecordedControl* RecordingSurface::Find(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

std::string RecordingSurface::GetText(int id) const {
  const RecordedControl* control = Find(id);
  return control ? control->text : std::string();
}

bool RecordingSurface::GetCheck(int id) const {
  const RecordedControl* control = Find(id);
  return control != nullptr && control->checked;
}

void RecordingSurface::SetColumns(int id, const std::vector<ListColumn>& columns) {
  Control(id).columns = columns;
}

ListSurface* RecordingSurface::Rows(int id) {
  RecordedControl& control = Control(id);
  if (!control.rows) control.rows = std::make_unique<MemoryList>();
  return control.rows.get();
}

int RecordingSurface::ClientWidth(int id) const {
  const RecordedControl* control = Find(id);
  return control ? control->clientWidth : 0;
}

int RecordingSurface::SelectedLine(int id) const {
  const RecordedControl* control = Find(id);
  return control ? control->selectedLine : -1;
}

ControlRect RecordingSurface::RectOf(int id) const {
  const RecordedControl* control = Find(id);
  return control ? control->rect : ControlRect{};
}

}  // namespace cvn
