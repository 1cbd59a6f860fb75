// Small helpers shared by the contract tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Machine.h"

namespace cvn::test {

inline platform::Bytes ToBytes(const std::string& text) {
  return platform::Bytes(text.begin(), text.end());
}

inline std::string ToText(const platform::Bytes& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

inline std::string Join(const std::string& folder, const std::string& name) {
  return folder + "\\" + name;
}

// Writes a text file through the platform; the test fails when it cannot.
inline void WriteText(platform::FileSystem& files, const std::string& path,
                      const std::string& text) {
  ASSERT_TRUE(files.WriteFile(path, ToBytes(text))) << path;
}

inline std::string ReadText(platform::FileSystem& files, const std::string& path) {
  auto bytes = files.ReadFile(path);
  return bytes ? ToText(*bytes) : std::string("<unreadable>");
}

// The names a search yields, in the order the platform gives them.
inline std::vector<std::string> FindNames(platform::FileSystem& files,
                                          const std::string& pattern) {
  std::vector<std::string> names;
  platform::FindData data;
  auto search = files.FindFirst(pattern, data);
  if (!search) return names;
  do {
    names.push_back(data.name);
  } while (search->Next(data));
  return names;
}

}  // namespace cvn::test
