#include "ui/dialogs/ItemFields.h"

#include "resources/resource.h"

namespace cvn {

void ShowValue(ControlSurface& surface, int id, const std::string& text, bool bold) {
  surface.SetText(id, text);
  if (bold) surface.SetFont(id, kEmphasisFont);
}

void ShowFileFacts(ControlSurface& surface, const FileFacts& facts, int firstId) {
  ShowValue(surface, firstId, facts.location, facts.locationBold);
  ShowValue(surface, firstId + 1, facts.version, facts.versionBold);
  ShowValue(surface, firstId + 2, facts.size, facts.sizeBold);
  ShowValue(surface, firstId + 3, facts.date, facts.dateBold);
}

void ShowRegistrationField(ControlSurface& surface, const RegistrationField& field, int actualId,
                           int expectedId) {
  ShowValue(surface, actualId, field.actual, field.actualBold);
  ShowValue(surface, expectedId, field.expected, field.expectedBold);
}

void ShowSuggestedAction(ControlSurface& surface, const std::string& text, bool enabled) {
  surface.SetText(IDC_SUGGESTED_ACTION, text);
  surface.Enable(IDC_SUGGESTED_ACTION_LABEL, enabled);
}

}  // namespace cvn
