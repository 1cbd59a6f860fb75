// The supported application's bitness, read from its program file, and the
// half of 64-bit Windows it sees: its Registry view and its System folder.
// The checks, the fixes and the usage database all go through that view,
// whichever bitness Corvane itself has.
#pragma once

#include <string>

#include "platform/Machine.h"
#include "util/pe/ExecutableKind.h"

namespace cvn {

struct RunContext;
class ConfigDatabase;

// The kind and bitness of the file at `path` from its headers alone.
pe::ImageHeader ReadImageHeader(platform::Machine& machine, const std::string& path);

// The bitness code (bitness::k16, k32, k64 or kUnknown) of 16, 32, 64 or
// any other number of bits.
int BitnessOfBits(int bits);

// The bitness code of the file at `path`: bitness::k16 for an MS-DOS, NE or
// LE program, k32 for an x86 PE32 image, k64 for an x64 PE32+ image, and
// kUnknown for a file that cannot be read or whose headers say otherwise.
int ImageBitness(platform::Machine& machine, const std::string& path);

// Reads the application's bitness from "AppFileName" (else
// "SignatureFileName") in the application folder, and selects its view on
// the machine: the 64-bit view for a PE32+ program, the 32-bit view for any
// other, as Windows runs 16-bit and 32-bit programs alike in its 32-bit half.
// Location S becomes the System folder of that view.
void SelectApplicationView(RunContext& context, const ConfigDatabase& database);

// "32-bit application, 32-bit Registry view and System folder".
std::string ApplicationViewText(RunContext& context);

}  // namespace cvn
