#include "resources/gen/CppTableWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace cvn::resources {
namespace {

TEST(CppTableWriterTest, EscapesEveryByteThatCannotStandInALiteral) {
  const std::string source =
      WriteStringTableSource({{7, "q\"b\\s?\tt\nn"}, {8, std::string("\x01\x7F" "9", 3)}}, "x.rc");
  EXPECT_NE(source.find(R"({7, "q\"b\\s\?\tt\nn"},)"), std::string::npos) << source;
  // Octal escapes keep three digits, so a following digit stays a digit.
  EXPECT_NE(source.find(R"({8, "\001\1779"},)"), std::string::npos) << source;
}

}  // namespace
}  // namespace cvn::resources
