// The FILES and BUFFERS counts of CONFIG.SYS, read once per run into the
// run context.
#pragma once

#include <cstdint>
#include <string_view>

namespace cvn {

struct RunContext;

// Reads FILES and BUFFERS lines of CONFIG.SYS text into the two counts.
// REM lines are skipped; a later line overwrites an earlier one; a line
// whose number cannot be read leaves its count as it was.
void ReadConfigSysCounts(std::string_view text, int32_t& files, int32_t& buffers);

// The counts of "c:\config.sys", read on first use; counts the file does
// not give take the defaults of the platform (8 and 0 on NT, else 60 and 20).
int32_t ConfigFiles(RunContext& context);
int32_t ConfigBuffers(RunContext& context);

}  // namespace cvn
