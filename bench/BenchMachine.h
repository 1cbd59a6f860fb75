// The machine a benchmark measures: an emulated image on the host, the real
// machine in the Windows build. The benchmark writes its files through the
// machine into Folder(), so the same code times both.
#pragma once

#include <memory>
#include <string>

#include "platform/Machine.h"

namespace cvn::bench {

class BenchMachine {
 public:
  virtual ~BenchMachine() = default;
  virtual platform::Machine& Machine() = 0;
  // A folder of its own for the benchmark's files, with a trailing backslash.
  virtual const std::string& Folder() const = 0;
  // "emulated machine" or "Windows machine".
  virtual const char* Name() const = 0;
};

// Null, with `error` set, when no machine could be opened.
std::unique_ptr<BenchMachine> OpenBenchMachine(std::string& error);

}  // namespace cvn::bench
