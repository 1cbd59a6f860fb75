// The fields of the OLE registration and type library dialogs, in their
// details (116, 118) and confirmation (117, 119) variants: registered
// against expected values, with the differing ones in bold, and for the
// details variant the suggested action.
#pragma once

#include "config/Items.h"
#include "config/RunContext.h"
#include "fixes/FixConfirmations.h"

namespace cvn {

enum class DialogVariant { Details, Confirm };

// `category` 6 (ActiveX/OCX) or 7 (OLE server) names the thing in the
// suggested action: "control" or "server".
ServerConfirmation MakeServerFields(RunContext& context, const ServerItem& item, int category,
                                    DialogVariant variant);
TypeLibConfirmation MakeTypeLibFields(RunContext& context, const TypeLibItem& item, DialogVariant variant);

}  // namespace cvn
