// What the file benchmarks generate and time: DLLs with a version
// resource, and the file check of a section as a check page runs it.
#pragma once

#include <chrono>
#include <string>

#include "config/ConfigDatabase.h"
#include "config/RunContext.h"
#include "tests/support/PeBuilder.h"

namespace cvn::bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// "F12.DLL" for file 12.
std::string DllName(size_t i);

// A DLL whose version resource gives 4.0.950.0 and names its company.
test::Bytes VersionedDll();

// Seconds to check every item of the section with shared folder listings,
// after naming the items with a finding, if any.
double CheckSection(RunContext& context, ConfigDatabase& database, SectionId id);

}  // namespace cvn::bench
