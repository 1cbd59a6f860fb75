/* The Skylark shared runtime: text helpers that every Skylark product uses.
   It lives in the System folder so that several products share one copy. */
#include <windows.h>

#include "Version.h"

/* Words are runs of characters that are not blanks, tabs or line ends. */
__declspec(dllexport) long __stdcall SkyCountWords(const char* text) {
  long words = 0;
  int inWord = 0;
  for (; text != NULL && *text != '\0'; ++text) {
    const int blank = *text == ' ' || *text == '\t' || *text == '\r' || *text == '\n';
    if (!blank && !inWord) ++words;
    inWord = !blank;
  }
  return words;
}

__declspec(dllexport) const char* __stdcall SkyRuntimeVersion(void) { return SKY_RUNTIME_VERSION_TEXT; }
