// Listing a section of settings: rows, problem counts, severities, also
// without the text sections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/SettingCheckList.h"
#include "config/ItemStatus.h"
#include "tests/unit/RegistryCheckTestSupport.h"

namespace cvn {
namespace {

class SettingCheckListTest : public test::SettingCheckTest {
 protected:
  void SetUp() override {
    image_.File("C:\\WINDOWS\\APP.INI", "[S]\r\nGood=yes\r\nBad=no\r\n");
    LoadSettings("INI Info", Entry("app\\S\\Good", "yes") + Entry("app\\S\\Bad", "yes", "N") +
                                 Entry("app\\S\\Missing", "*") + Entry("broken", "*"));
  }

  platform::HResult List(const SettingTexts& texts, ShowRows show) {
    return ListSettings(*context_, *database_.GetSection(SectionId::IniInfo), texts, show, rows,
                        problems);
  }

  std::vector<SettingRow> rows;
  int problems = 0;
};

TEST_F(SettingCheckListTest, ProblemRowsWithTheirSeverity) {
  ASSERT_EQ(List(Texts(), ShowRows::Problems), platform::kSOk);
  EXPECT_EQ(problems, 3);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, "Bad");
  EXPECT_EQ(rows[0].liveValue, "no");
  EXPECT_EQ(rows[0].expectedValues, "yes");
  EXPECT_EQ(rows[0].explanation, std::string(test::kVendorExplanation) + "  This setting is not required.");
  EXPECT_EQ(rows[1].name, "Missing");
  EXPECT_EQ(rows[1].expectedValues, "[Any non-blank value]");
  EXPECT_EQ(rows[2].name, "broken");

  RowData bad;
  bad.status = level::kSeriousWarning;
  bad.category = SectionId::IniInfo;
  bad.rowNumber = 0;
  bad.itemIndex = 1;
  bad.hasDetails = true;
  bad.canFix = true;
  EXPECT_EQ(rows[0].data, bad);
  EXPECT_EQ(rows[1].data.status, level::kSeriousProblem);
  EXPECT_EQ(rows[1].data.itemIndex, 2);
  EXPECT_EQ(rows[2].data.rowNumber, 2);
}

TEST_F(SettingCheckListTest, ShowingAllAddsTheRowsWithoutProblems) {
  ASSERT_EQ(List(Texts(), ShowRows::All), platform::kSOk);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].name, "Good");
  EXPECT_EQ(rows[0].data.status, level::kNone);
  EXPECT_FALSE(rows[0].data.canFix);
  EXPECT_EQ(problems, 3);
}

TEST_F(SettingCheckListTest, WithoutATextSectionTheSameRowsAreListedWithoutItsTexts) {
  const SettingTexts noActions{nullptr, Texts().explanationTexts};
  const SettingTexts noExplanations{Texts().actionTexts, nullptr};
  for (const SettingTexts& texts : {noActions, noExplanations}) {
    rows.clear();
    problems = 0;
    EXPECT_EQ(List(texts, ShowRows::Problems), platform::kSOk);
    EXPECT_EQ(problems, 3);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "Bad");
    EXPECT_EQ(rows[0].data.status, level::kSeriousWarning);
  }
}

}  // namespace
}  // namespace cvn
