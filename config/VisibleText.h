// How a control character inside a value is shown wherever a person reads
// the value: the report, the pages and cvntool. Left as it is, a tab would
// open a column of the report, and a line end would end its line.
#pragma once

#include <string>
#include <string_view>

namespace cvn {

// Every control character (bytes 0x00 to 0x1F and 0x7F) as its ASCII name
// in angle brackets: "<TAB>", "<LF>", "<CR>", "<NUL>", "<ESC>", "<DEL>"...
// Other bytes are kept. Applying it twice changes nothing more.
std::string VisibleText(std::string_view text);

// The user's own words, which may run over several lines: each line break
// (CR LF, or a CR or LF alone) becomes one "\n", which the report writes as
// a new row at its column, and every other control character its name.
std::string VisibleLines(std::string_view text);

}  // namespace cvn
