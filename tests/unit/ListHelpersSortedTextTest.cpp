#include "util/SortedTextList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/emulated/ImageBuilder.h"

namespace cvn {
namespace {

using emulated::EmulatedMachine;
using emulated::ImageBuilder;

class SortedTextListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine_ = image_.Open();
    ASSERT_TRUE(machine_) << image_.Error();
  }
  platform::Shell& Collation() { return machine_->Desktop(); }

  ImageBuilder image_;
  std::unique_ptr<EmulatedMachine> machine_;
};

TEST_F(SortedTextListTest, InsertsInCollationOrder) {
  TextList list;
  for (const char* text : {"pear", "Apple", "banana", "10", "2", "apple"}) {
    EXPECT_TRUE(InsertSorted(Collation(), list, text)) << text;
  }
  // The locale's word order: digits before letters, case second, lower first.
  EXPECT_EQ(list, (TextList{"10", "2", "apple", "Apple", "banana", "pear"}));
}

TEST_F(SortedTextListTest, TimeStampsStayAscending) {
  TextList list;
  for (const char* stamp : {"199703051407", "199612310000", "199703051406", "199801010000"}) {
    InsertSorted(Collation(), list, stamp);
  }
  EXPECT_EQ(list, (TextList{"199612310000", "199703051406", "199703051407", "199801010000"}));
}

TEST_F(SortedTextListTest, AnEqualTextIsNotInsertedAgain) {
  TextList list{"alpha", "beta", "gamma"};
  const TextList before = list;
  for (const char* text : {"alpha", "beta", "gamma"}) {
    EXPECT_FALSE(InsertSorted(Collation(), list, text)) << text;
  }
  EXPECT_EQ(list, before);
}

TEST_F(SortedTextListTest, InsertsAtBothEnds) {
  TextList list{"m"};
  EXPECT_TRUE(InsertSorted(Collation(), list, "z"));
  EXPECT_TRUE(InsertSorted(Collation(), list, "a"));
  EXPECT_EQ(list, (TextList{"a", "m", "z"}));
}

TEST(SortedTextIndexOfTest, FindsTheFirstExactMatch) {
  const TextList list{"apple", "Apple", "pear", "pear"};
  EXPECT_EQ(IndexOf(list, "apple"), 0);
  EXPECT_EQ(IndexOf(list, "Apple"), 1);
  EXPECT_EQ(IndexOf(list, "pear"), 2);
  EXPECT_EQ(IndexOf(list, "APPLE"), -1);
  EXPECT_EQ(IndexOf(list, "pea"), -1);
  EXPECT_EQ(IndexOf(TextList{}, "apple"), -1);
}

}  // namespace
}  // namespace cvn
