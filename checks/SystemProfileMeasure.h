// Measuring the machine into the measured profile. Every measurement that
// fails leaves its fields as they were, without a message.
#pragma once

#include "config/SystemProfile.h"

namespace cvn {

struct RunContext;

// Fills every field of `profile` from the machine, in a fixed order:
// version, CONFIG.SYS, processor, the two free-space figures, memory,
// display, mouse and network, CD-ROM, modem, temporary space and maker.
// Also sets the run's NT flag.
void Measure(RunContext& context, SystemProfile& profile);

// The free bytes of the application drive and of the Windows folder's drive.
void MeasureDiskSpace(RunContext& context, SystemProfile& profile);

// The space taken by the Windows, Netscape and Internet Explorer temporary files.
void MeasureTemporarySpace(RunContext& context, SystemProfile& profile);

// The colour class of a display depth in bits: under 8 bits 16 colours, 8
// bits 256, up to 16 bits high colour, above that true colour.
int ColorClassOfDepth(int64_t bits);

// The processor code of GetSystemInfo's processor type.
int ProcessorCodeOf(uint32_t processorType);

}  // namespace cvn
