/* Skylark Notes' formatting library: builds the texts the editor shows. */
#include <stdio.h>
#include <windows.h>

/* "name - Skylark Notes", or "Untitled - Skylark Notes" without a name. */
__declspec(dllexport) void __stdcall SkyFormatTitle(const char* noteName, char* out, int size) {
  if (out == NULL || size <= 0) return;
  snprintf(out, (size_t)size, "%s - Skylark Notes",
           noteName != NULL && *noteName != '\0' ? noteName : "Untitled");
}

/* "1 234 words" style status text. */
__declspec(dllexport) void __stdcall SkyFormatWordCount(long words, char* out, int size) {
  if (out == NULL || size <= 0) return;
  snprintf(out, (size_t)size, words == 1 ? "%ld word" : "%ld words", words);
}
