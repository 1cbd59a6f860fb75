/* Skylark Notes' print helper: page layout for the printer driver path. */
#include <windows.h>

/* Lines that fit on a page of `pageHeight` device units with the given line
   height, after a top and bottom margin of one line each. */
__declspec(dllexport) int __stdcall SkyLinesPerPage(int pageHeight, int lineHeight) {
  if (lineHeight <= 0 || pageHeight <= 2 * lineHeight) return 0;
  return pageHeight / lineHeight - 2;
}
