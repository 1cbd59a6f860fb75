// The sizes a benchmark measures: those given as arguments, or its own.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace cvn::bench {

inline std::vector<size_t> SizesFromArguments(int argc, char** argv, std::vector<size_t> defaults) {
  // Figures go out as they come, even when the output is a pipe.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc <= 1) return defaults;
  std::vector<size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  return sizes;
}

}  // namespace cvn::bench
