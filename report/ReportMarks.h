// The one-character mark in front of every item line of the report: "*"
// an error, "!" a warning, a blank nothing found.
#pragma once

namespace cvn {

// Files, INI and Registry settings: any status but 0 is a finding.
char PlainMark(int status, bool required);
// COM registrations and their fields: statuses 0 and 1 are no finding.
char ServerMark(int subStatus, bool required);

}  // namespace cvn
