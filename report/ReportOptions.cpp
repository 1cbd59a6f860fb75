#include "report/ReportOptions.h"

#include "config/ConfigDatabase.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

void ReadFlag(const ConfigSection* section, const char* key, bool& flag) {
  if (const std::string* value = FindValue(section, key)) flag = ReadYesNo(*value);
}

}  // namespace

ReportOptions ReadReportOptions(const ConfigDatabase& database) {
  ReportOptions options;
  const ConfigSection* app = database.GetSection(SectionId::AppInfo);
  if (const std::string* name = FindValue(app, "ReportName")) options.reportName = *name;
  if (const std::string* width = FindValue(app, "ReportWidth")) {
    options.reportWidth = ReadCountWithK(*width);
  }
  const ConfigSection* cvn = database.GetSection(SectionId::CvnInfo);
  ReadFlag(cvn, "GetUserInfo", options.getUserInfo);
  ReadFlag(cvn, "CheckConfigurationDatabase", options.checkConfigurationDatabase);
  ReadFlag(cvn, "ShowConfigInfo", options.showConfigInfo);
  ReadFlag(cvn, "AskQuestions", options.askQuestions);
  ReadFlag(cvn, "ShowTechSupportInfo", options.showTechSupportInfo);
  if (const std::string* bits = FindValue(cvn, "AskQuestionsOptions")) {
    options.askQuestionsOptions = ReadSize(*bits);
  }
  return options;
}

}  // namespace cvn
