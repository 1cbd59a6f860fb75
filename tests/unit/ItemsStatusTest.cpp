// Problem levels and status texts of the item classes.
#include <gtest/gtest.h>

#include "config/ItemStatus.h"
#include "resources/StringIds.h"

namespace cvn {
namespace {

TEST(ItemsStatusTest, FileLevelsByStatusRequiredAndPendingRestart) {
  const struct {
    int status;
    int required;     // level when required
    int notRequired;  // level when not
  } cases[] = {
      {filestatus::kOk, level::kNone, level::kNone},
      {filestatus::kNotFound, level::kSeriousProblem, level::kSeriousWarning},
      {filestatus::kMoreThanOneFolder, level::kSeriousProblem, level::kSeriousWarning},
      {filestatus::kUnexpectedFolder, level::kProblem, level::kWarning},
      {filestatus::kBothFolderFindings, level::kSeriousProblem, level::kSeriousWarning},
      {filestatus::kNotLoadable, level::kSeriousProblem, level::kSeriousWarning},
      {filestatus::kNoVersionInfo, level::kSeriousProblem, level::kSeriousWarning},
      {filestatus::kRejectedVersion, level::kSeriousProblem, level::kSeriousWarning},
      {filestatus::kOlderVersion, level::kSeriousProblem, level::kSeriousWarning},
      {filestatus::kUnexpectedSizeAndDate, level::kProblem, level::kWarning},
      {filestatus::kUnexpectedDate, level::kProblem, level::kWarning},
      {filestatus::kUnexpectedSize, level::kProblem, level::kWarning},
  };
  for (const auto& c : cases) {
    FileItem item("a.dll");
    item.status = c.status;
    item.required = true;
    EXPECT_EQ(ProblemLevel(item), c.required) << c.status;
    item.required = false;
    EXPECT_EQ(ProblemLevel(item), c.notRequired) << c.status;
    item.fixPendingRestart = true;
    EXPECT_EQ(ProblemLevel(item), c.notRequired == 0 ? 0 : c.notRequired + 4) << c.status;
  }
}

TEST(ItemsStatusTest, SettingLevels) {
  const struct {
    int status;
    int required;
    int notRequired;
  } cases[] = {
      {settingstatus::kOk, level::kNone, level::kNone},
      {settingstatus::kInvalid, level::kSeriousProblem, level::kSeriousWarning},
      {settingstatus::kNotFound, level::kSeriousProblem, level::kSeriousWarning},
      {settingstatus::kBlank, level::kSeriousProblem, level::kSeriousWarning},
      {settingstatus::kNotAcceptable, level::kSeriousProblem, level::kSeriousWarning},
      {settingstatus::kUnhandledType, level::kProblem, level::kWarning},
  };
  for (const auto& c : cases) {
    SettingItem item("win\\windows\\load");
    item.status = c.status;
    item.required = true;
    EXPECT_EQ(ProblemLevel(item), c.required) << c.status;
    item.required = false;
    EXPECT_EQ(ProblemLevel(item), c.notRequired) << c.status;
  }
}

TEST(ItemsStatusTest, ServerLevelCountsSubStatusesAboveOne) {
  ServerItem server("Thing");
  server.required = true;
  server.subStatus = {1, 1, 1, 0, 1};
  EXPECT_EQ(ProblemLevel(server), level::kNone);
  server.SubStatus(ServerAspect::ServerLocation) = substatus::kWrongFolder;
  EXPECT_EQ(ProblemLevel(server), level::kSeriousProblem);
  server.required = false;
  EXPECT_EQ(ProblemLevel(server), level::kSeriousWarning);
}

TEST(ItemsStatusTest, TypeLibraryWithOnlyAWrongHelpFolderIsAWarning) {
  TypeLibItem library("Lib");
  library.required = true;
  library.subStatus = {1, 1, 1, substatus::kWrongFolder};
  EXPECT_EQ(ProblemLevel(library), level::kWarning);
  library.SubStatus(TypeLibAspect::Name) = substatus::kWrongName;
  EXPECT_EQ(ProblemLevel(library), level::kSeriousProblem);
  library.subStatus = {1, 1, 1, 1};
  EXPECT_EQ(ProblemLevel(library), level::kNone);
  library.SubStatus(TypeLibAspect::FileLocation) = substatus::kNotFound;
  library.required = false;
  EXPECT_EQ(ProblemLevel(library), level::kSeriousWarning);
}

TEST(ItemsStatusTest, FileStatusTextsPairFindingsWithTheirFigures) {
  EXPECT_EQ(FileStatusTexts(filestatus::kNotFound).finding, IDS_FILE_NOT_FOUND);
  EXPECT_EQ(FileStatusTexts(filestatus::kNotFound).details, 0);
  EXPECT_EQ(FileStatusTexts(filestatus::kMoreThanOneFolder).details, IDS_ALSO_FOUND_IN);
  EXPECT_EQ(FileStatusTexts(filestatus::kUnexpectedFolder).details, IDS_ACTUAL_EXPECTED);
  EXPECT_EQ(FileStatusTexts(filestatus::kUnexpectedSizeAndDate).details, IDS_ACTUAL_EXPECTED_SIZE_DATE);
  EXPECT_EQ(FileStatusTexts(filestatus::kUnexpectedDate).finding, IDS_UNEXPECTED_DATE);
  EXPECT_EQ(FileStatusTexts(filestatus::kUnexpectedDate).details, IDS_ACTUAL_EXPECTED);
  EXPECT_EQ(FileStatusTexts(filestatus::kUnexpectedSize).details, IDS_ACTUAL_EXPECTED_SIZE);
  EXPECT_EQ(FileStatusTexts(filestatus::kOlderVersion).finding, IDS_OLDER_VERSION);
  EXPECT_EQ(FileStatusTexts(filestatus::kOk).finding, 0);
}

TEST(ItemsStatusTest, SettingActionTextsDependOnTheKindOfSetting) {
  EXPECT_EQ(SettingActionTextId(settingstatus::kInvalid, SectionType::IniSetting), IDS_ENTRY_INVALID);
  EXPECT_EQ(SettingActionTextId(settingstatus::kBlank, SectionType::IniSetting), IDS_INI_BLANK);
  EXPECT_EQ(SettingActionTextId(settingstatus::kBlank, SectionType::RegistrySetting), IDS_REGISTRY_BLANK);
  EXPECT_EQ(SettingActionTextId(settingstatus::kUnhandledType, SectionType::RegistrySetting),
            IDS_UNHANDLED_REGISTRY_FORMAT);
  EXPECT_EQ(SettingActionTextId(settingstatus::kNotAcceptable, SectionType::RegistrySetting), 0);
}

}  // namespace
}  // namespace cvn
