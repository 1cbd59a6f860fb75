/* Uses the installed word count control the way Skylark Notes does: through
   its registration only. Exit code 0 when the class creates, counts words
   and its registered type library loads; the failing step otherwise. */
#include <stdio.h>

#include "SkyWordCount.h"

/* {6B1E0C44-1D2A-4F3B-9C5E-7A8B9C0D1E2F} */
static const GUID LIBID_SkylarkControls = {
    0x6B1E0C44, 0x1D2A, 0x4F3B, {0x9C, 0x5E, 0x7A, 0x8B, 0x9C, 0x0D, 0x1E, 0x2F}};

static int CountWordsThroughClass(void) {
  ISkyWordCount* counter = NULL;
  HRESULT result = CoCreateInstance(&CLSID_SkyWordCount, NULL, CLSCTX_INPROC_SERVER, &IID_ISkyWordCount,
                                    (void**)&counter);
  if (FAILED(result)) {
    printf("CoCreateInstance failed: 0x%08lx\n", (unsigned long)result);
    return 2;
  }
  BSTR text = SysAllocString(L"  one two\tthree\r\nfour ");
  long words = -1;
  result = counter->lpVtbl->CountWords(counter, text, &words);
  SysFreeString(text);
  counter->lpVtbl->Release(counter);
  if (FAILED(result) || words != 4) {
    printf("CountWords gave 0x%08lx and %ld words, expected 4\n", (unsigned long)result, words);
    return 3;
  }
  return 0;
}

static int LoadRegisteredTypeLibrary(void) {
  ITypeLib* library = NULL;
  const HRESULT result = LoadRegTypeLib(&LIBID_SkylarkControls, 1, 0, LOCALE_NEUTRAL, &library);
  if (FAILED(result)) {
    printf("LoadRegTypeLib failed: 0x%08lx\n", (unsigned long)result);
    return 4;
  }
  ITypeInfo* info = NULL;
  const HRESULT found = library->lpVtbl->GetTypeInfoOfGuid(library, &CLSID_SkyWordCount, &info);
  if (SUCCEEDED(found)) info->lpVtbl->Release(info);
  library->lpVtbl->Release(library);
  if (FAILED(found)) {
    printf("the type library does not describe SkyWordCount: 0x%08lx\n", (unsigned long)found);
    return 5;
  }
  return 0;
}

int main(void) {
  if (FAILED(CoInitialize(NULL))) return 1;
  int failure = CountWordsThroughClass();
  if (failure == 0) failure = LoadRegisteredTypeLibrary();
  CoUninitialize();
  return failure;
}
