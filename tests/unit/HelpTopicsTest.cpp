// Every help context the program asks for has its topic among the pages
// that the build copies into the help folder beside corvane.exe.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "resources/resource.h"

namespace cvn {
namespace {

// The dialogs that open help under their own number; the check lists, the
// CONFIG.SYS viewer and the file details use the IDH_ numbers instead.
constexpr int kContexts[] = {
    IDD_ABOUT, IDD_PROGRESS, IDD_INTRODUCTION, IDD_RESTART_REMINDER, IDD_QUICKTIME_REMINDER,
    IDD_CONFIG_DETAILS, IDD_DISK_DETAILS, IDD_CONFIRM_FILE_REPLACE, IDD_SETTING_DETAILS,
    IDD_CONFIRM_SETTING_FIX, IDD_OLE_DETAILS, IDD_CONFIRM_OLE_FIX, IDD_TYPELIB_DETAILS,
    IDD_CONFIRM_TYPELIB_FIX, IDD_CONFIRM_FILE_COPY, IDD_PROBLEM1, IDD_PROBLEM2, IDD_PROBLEM3,
    IDD_PROBLEM4, IDD_PROBLEM5, IDD_PROBLEM6, IDD_PROBLEM7, IDD_PROBLEM8, IDD_CHECK1, IDD_CHECK12,
    IDD_RECENT1, IDD_RECENT2, IDD_RECENT3, IDD_MISC1, IDD_MISC2, IDD_MISC3, IDD_MISC4, IDD_MISC5,
    IDD_MISC3_NT, IDD_MISC4_NT, IDD_TECH_SUPPORT, IDD_TECH_SUPPORT1, IDD_TECH_SUPPORT2,
    IDD_TECH_SUPPORT3, IDD_TECH_SUPPORT4, IDH_MIN_REQUIREMENTS, IDH_FILES, IDH_SETTINGS,
    IDH_REGISTRATIONS, IDH_CONFIG_FILES, IDH_FILE_DETAILS,
};

TEST(HelpTopicsTest, EveryContextHasATopicWithATitle) {
  for (const int context : kContexts) {
    const std::filesystem::path page =
        std::filesystem::path(CORVANE_HELP_DIR) / (std::to_string(context) + ".htm");
    std::ifstream in(page);
    ASSERT_TRUE(in) << page;
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("<h1>"), std::string::npos) << page;
  }
}

}  // namespace
}  // namespace cvn
