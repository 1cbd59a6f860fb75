/* Skylark Notes: a one-window note editor. It reads its settings from
   skylark.ini and the Registry, takes its texts from skyfmt.dll, its word
   count from the SkyWordCount control and, when the control is missing, from
   the shared runtime sklkrt32.dll in the System folder. */
#include <stdio.h>
#include <windows.h>

#include "SkyWordCount.h"

#define EDITOR_ID 100
#define REGISTRY_KEY "Software\\Skylark\\Skylark Notes\\Settings"

typedef void(__stdcall* FormatTitleFn)(const char* noteName, char* out, int size);
typedef void(__stdcall* FormatWordCountFn)(long words, char* out, int size);
typedef long(__stdcall* CountWordsFn)(const char* text);

typedef struct Libraries {
  FormatTitleFn formatTitle;
  FormatWordCountFn formatWordCount;
  CountWordsFn countWords;
  ISkyWordCount* counter;
} Libraries;

static Libraries libraries;
static HFONT editorFont;

static FARPROC Function(const char* dll, const char* name) {
  HMODULE module = LoadLibraryA(dll);
  return module != NULL ? GetProcAddress(module, name) : NULL;
}

static void LoadLibraries(void) {
  libraries.formatTitle = (FormatTitleFn)(void (*)(void))Function("skyfmt.dll", "SkyFormatTitle");
  libraries.formatWordCount = (FormatWordCountFn)(void (*)(void))Function("skyfmt.dll", "SkyFormatWordCount");
  libraries.countWords = (CountWordsFn)(void (*)(void))Function("sklkrt32.dll", "SkyCountWords");
  if (FAILED(CoCreateInstance(&CLSID_SkyWordCount, NULL, CLSCTX_INPROC_SERVER, &IID_ISkyWordCount,
                              (void**)&libraries.counter))) {
    libraries.counter = NULL;
  }
}

static long CountWords(HWND editor) {
  const int length = GetWindowTextLengthW(editor);
  WCHAR* text = HeapAlloc(GetProcessHeap(), 0, ((size_t)length + 1) * sizeof(WCHAR));
  if (text == NULL) return 0;
  GetWindowTextW(editor, text, length + 1);
  long words = 0;
  if (libraries.counter != NULL) {
    BSTR wide = SysAllocString(text);
    libraries.counter->lpVtbl->CountWords(libraries.counter, wide, &words);
    SysFreeString(wide);
  } else if (libraries.countWords != NULL) {
    char narrow[4096];
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, NULL, NULL);
    narrow[sizeof narrow - 1] = '\0';
    words = libraries.countWords(narrow);
  }
  HeapFree(GetProcessHeap(), 0, text);
  return words;
}

/* The title shows the note's name and its word count. */
static void UpdateTitle(HWND window, HWND editor) {
  char title[256] = "Skylark Notes";
  char count[64] = "";
  if (libraries.formatTitle != NULL) libraries.formatTitle(NULL, title, sizeof title);
  if (libraries.formatWordCount != NULL) libraries.formatWordCount(CountWords(editor), count, sizeof count);
  char text[340];
  snprintf(text, sizeof text, count[0] != '\0' ? "%s (%s)" : "%s", title, count);
  SetWindowTextA(window, text);
}

static DWORD RegistryNumber(const char* name, DWORD fallback) {
  HKEY key;
  DWORD value = fallback;
  DWORD size = sizeof value;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, REGISTRY_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS) return fallback;
  if (RegQueryValueExA(key, name, NULL, NULL, (BYTE*)&value, &size) != ERROR_SUCCESS) value = fallback;
  RegCloseKey(key);
  return value;
}

static HWND CreateEditor(HWND window) {
  const BOOL wordWrap = GetPrivateProfileIntA("Editor", "WordWrap", 1, "skylark.ini") != 0;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                      (wordWrap ? 0 : WS_HSCROLL | ES_AUTOHSCROLL);
  HWND editor = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, 0, 0, 0, 0, window,
                                (HMENU)(INT_PTR)EDITOR_ID, GetModuleHandleA(NULL), NULL);
  char fontName[LF_FACESIZE];
  GetPrivateProfileStringA("Editor", "FontName", "Courier New", fontName, sizeof fontName, "skylark.ini");
  editorFont = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, fontName);
  SendMessageA(editor, WM_SETFONT, (WPARAM)editorFont, TRUE);
  return editor;
}

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND editor = GetDlgItem(window, EDITOR_ID);
  switch (message) {
    case WM_CREATE:
      UpdateTitle(window, CreateEditor(window));
      return 0;
    case WM_SIZE:
      MoveWindow(editor, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(editor);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == EDITOR_ID && HIWORD(wParam) == EN_CHANGE) UpdateTitle(window, editor);
      return 0;
    case WM_DESTROY:
      if (editorFont != NULL) DeleteObject(editorFont);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  (void)previous;
  (void)commandLine;
  if (FAILED(CoInitialize(NULL))) return 1;
  LoadLibraries();
  WNDCLASSA windowClass = {0};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
  windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "SkylarkNotes";
  if (!RegisterClassA(&windowClass)) return 1;
  HWND window = CreateWindowA("SkylarkNotes", "Skylark Notes", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, (int)RegistryNumber("WindowWidth", 640),
                              (int)RegistryNumber("WindowHeight", 480), NULL, NULL, instance, NULL);
  if (window == NULL) return 1;
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (libraries.counter != NULL) libraries.counter->lpVtbl->Release(libraries.counter);
  CoUninitialize();
  return (int)message.wParam;
}
