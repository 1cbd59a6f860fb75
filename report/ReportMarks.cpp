#include "report/ReportMarks.h"

namespace cvn {

namespace {

char FindingMark(bool required) { return required ? '*' : '!'; }

}  // namespace

char PlainMark(int status, bool required) { return status == 0 ? ' ' : FindingMark(required); }

char ServerMark(int subStatus, bool required) {
  return subStatus == 0 || subStatus == 1 ? ' ' : FindingMark(required);
}

}  // namespace cvn
