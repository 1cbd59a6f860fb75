// The expected sizes and dates of the shipped files: from the file
// information database beside the configuration database, or else from
// the files on the installation CD.
#pragma once

#include <cstdint>

#include "platform/Types.h"
#include "resources/StringIds.h"

namespace cvn {

struct RunContext;
class ConfigDatabase;

// Loads the .fdb beside the .cdb; without one, and with a "CDVolumeLabel"
// in App Info, asks for the CD (message IDS_INSERT_CD_TO_CHECK, OK and Cancel) until the
// drive holds a medium of that label and builds the information from it.
// A CD already in the drive is taken without a message. Returns 0; after
// Cancel the database simply has no file information.
platform::HResult PrepareFileInfo(RunContext& context, ConfigDatabase& database);

// One entry for every file of the four file sections whose size and date
// are to be checked and whose distribution copy exists: its name, size and
// local last-write time to the minute. Missing copies are skipped.
void BuildFileInfoFromMedia(RunContext& context, ConfigDatabase& database);

}  // namespace cvn
