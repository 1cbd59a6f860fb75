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

TEST(CppTableWriterTest, NamesEveryStringInTheIdsHeader) {
  const std::string header = WriteStringIdsHeader({{7, "a", "IDS_A"}, {12, "b", "IDS_B"}}, "x.rc");
  EXPECT_NE(header.find("#pragma once"), std::string::npos) << header;
  EXPECT_NE(header.find("namespace cvn {\n\ninline constexpr int IDS_A = 7;\ninline constexpr int IDS_B = 12;\n"),
            std::string::npos)
      << header;
}

}  // namespace
}  // namespace cvn::resources
