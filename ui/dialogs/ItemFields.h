// What the item details and fix confirmation dialogs share: the emphasis
// font, a value that may be bold, the two sides of a file or registration,
// and the suggested action.
#pragma once

#include <string>

#include "fixes/FixConfirmations.h"
#include "ui/ControlSurface.h"

namespace cvn {

// The item's name and every differing field: MS Sans Serif, 8 points, bold.
inline const FontSpec kEmphasisFont{"MS Sans Serif", 8};

// Sets the text of `id`, in the emphasis font when `bold`.
void ShowValue(ControlSurface& surface, int id, const std::string& text, bool bold);

// Location, version, size and date into four controls numbered from
// `firstId` (1218 for the actual side, 1222 for the expected one).
void ShowFileFacts(ControlSurface& surface, const FileFacts& facts, int firstId);

void ShowRegistrationField(ControlSurface& surface, const RegistrationField& field, int actualId,
                           int expectedId);

// Control 1249, with its label 1253 disabled when there is no advice.
void ShowSuggestedAction(ControlSurface& surface, const std::string& text, bool enabled);

}  // namespace cvn
