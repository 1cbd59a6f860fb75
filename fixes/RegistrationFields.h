// The fields of the OLE registration and type library dialogs, in their
// details (116, 118) and confirmation (117, 119) variants: registered
// against expected values, with the differing ones in bold, and for the
// details variant the suggested action.
#pragma once

#include "config/Items.h"
#include "config/RunContext.h"
#include "config/SectionId.h"
#include "fixes/FixConfirmations.h"

namespace cvn {

enum class DialogVariant { Details, Confirm };

// `section` ControlRegistryInfo or OleServerInfo names the thing in the
// suggested action: "control" or "server".
ServerConfirmation MakeServerFields(RunContext& context, const ServerItem& item, SectionId section,
                                    DialogVariant variant);
TypeLibConfirmation MakeTypeLibFields(RunContext& context, const TypeLibItem& item, DialogVariant variant);

}  // namespace cvn
