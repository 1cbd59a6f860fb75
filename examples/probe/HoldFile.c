/* Holds a file open as a loaded DLL is held: other processes may read it
   but neither write, replace nor delete it. Writes READY once the file is
   open and lets it go when RELEASE appears (or after two minutes).

     HoldFile.exe FILE READY RELEASE */
#include <windows.h>

int main(int argc, char **argv) {
  HANDLE held, ready;
  int waited;
  if (argc != 4) return 2;
  held = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
  if (held == INVALID_HANDLE_VALUE) return 1;
  ready = CreateFileA(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  if (ready == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(ready);
  for (waited = 0; waited < 1200 && GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES; ++waited) Sleep(100);
  CloseHandle(held);
  return 0;
}
