// The program's own icons as LoadIcon finds them: every number the program
// asks for is linked, and a number without an icon gives none.
#include <string>

#include "resources/resource.h"
#include "tests/contract/Contract.h"

namespace cvn::test {
namespace {

TEST_F(ContractTest, ProgramIconsLoadByNumber) {
  auto& shell = machine().Desktop();
  const int linked[] = {
      IDI_APP, IDI_DOCUMENT_CDB, IDI_DOCUMENT_UDB, IDI_DOCUMENT_FDB,
      IDI_ABOUT_FIRST_FRAME, IDI_ABOUT_FIRST_FRAME + 10, IDI_ABOUT_LAST_FRAME,
      IDI_QUESTION_PICTURE1, IDI_QUESTION_PICTURE2,
      IDI_STATUS_REVERTED, IDI_STATUS_SERIOUS_WARNING, IDI_STATUS_WARNING,
      IDI_STATUS_SERIOUS_PROBLEM, IDI_STATUS_PROBLEM, IDI_STATUS_SERIOUS_WARNING_RESTART,
      IDI_STATUS_WARNING_RESTART, IDI_STATUS_SERIOUS_PROBLEM_RESTART, IDI_STATUS_PROBLEM_RESTART,
      IDI_STATUS_OK, IDI_STATUS_REVERTED_RESTART,
      IDI_REGISTRY, IDI_FILE_PROGRAM, IDI_FILE_EXTENSION, IDI_FILE_FONT, IDI_FILE_HELP,
      IDI_FILE_SETTINGS, IDI_FILE_REGISTRATION, IDI_FILE_GENERIC, IDI_FILE_ARCHIVE,
  };
  for (const int id : linked) EXPECT_NE(shell.LoadIcon(id), 0u) << id;
  EXPECT_NE(shell.LoadIcon(IDI_APP), shell.LoadIcon(IDI_STATUS_OK));
  for (const int id : {9, 132, 599, 620, 633, 653}) EXPECT_EQ(shell.LoadIcon(id), 0u) << id;
}

}  // namespace
}  // namespace cvn::test
