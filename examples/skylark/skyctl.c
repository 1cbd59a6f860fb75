/* The Skylark word count control: an in-process COM server with one class,
   SkyWordCount. It is registered by the installer's .reg file, so it has no
   self-registration entry points. */
#include <stdlib.h>

#include "SkyWordCount.h"

/* Objects and factory locks alive; the DLL may unload when both are zero. */
static LONG liveObjects = 0;
static LONG serverLocks = 0;

typedef struct WordCounter {
  ISkyWordCount iface;
  LONG refs;
} WordCounter;

static HRESULT STDMETHODCALLTYPE CounterQueryInterface(ISkyWordCount* self, REFIID iid, void** object) {
  if (object == NULL) return E_POINTER;
  if (!IsEqualIID(iid, &IID_IUnknown) && !IsEqualIID(iid, &IID_ISkyWordCount)) {
    *object = NULL;
    return E_NOINTERFACE;
  }
  *object = self;
  self->lpVtbl->AddRef(self);
  return S_OK;
}

static ULONG STDMETHODCALLTYPE CounterAddRef(ISkyWordCount* self) {
  return (ULONG)InterlockedIncrement(&((WordCounter*)self)->refs);
}

static ULONG STDMETHODCALLTYPE CounterRelease(ISkyWordCount* self) {
  WordCounter* counter = (WordCounter*)self;
  const LONG refs = InterlockedDecrement(&counter->refs);
  if (refs == 0) {
    free(counter);
    InterlockedDecrement(&liveObjects);
  }
  return (ULONG)refs;
}

/* The counting itself is the shared runtime's, so that the editor and the
   control always agree. */
__declspec(dllimport) long __stdcall SkyCountWords(const char* text);

static HRESULT STDMETHODCALLTYPE CounterCountWords(ISkyWordCount* self, BSTR text, long* count) {
  (void)self;
  if (count == NULL) return E_POINTER;
  *count = 0;
  if (text == NULL) return S_OK;
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, NULL, 0, NULL, NULL);
  char* narrow = size > 0 ? malloc((size_t)size) : NULL;
  if (narrow == NULL) return E_OUTOFMEMORY;
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, size, NULL, NULL);
  *count = SkyCountWords(narrow);
  free(narrow);
  return S_OK;
}

static const ISkyWordCountVtbl counterVtbl = {CounterQueryInterface, CounterAddRef, CounterRelease,
                                              CounterCountWords};

/* The class factory is a static object: its reference count is the
   server's lock count. */
static HRESULT STDMETHODCALLTYPE FactoryQueryInterface(IClassFactory* self, REFIID iid, void** object) {
  if (object == NULL) return E_POINTER;
  if (!IsEqualIID(iid, &IID_IUnknown) && !IsEqualIID(iid, &IID_IClassFactory)) {
    *object = NULL;
    return E_NOINTERFACE;
  }
  *object = self;
  return S_OK;
}

static ULONG STDMETHODCALLTYPE FactoryAddRef(IClassFactory* self) {
  (void)self;
  return 2;
}

static ULONG STDMETHODCALLTYPE FactoryRelease(IClassFactory* self) {
  (void)self;
  return 1;
}

static HRESULT STDMETHODCALLTYPE FactoryCreateInstance(IClassFactory* self, IUnknown* outer, REFIID iid,
                                                       void** object) {
  (void)self;
  if (object == NULL) return E_POINTER;
  *object = NULL;
  if (outer != NULL) return CLASS_E_NOAGGREGATION;
  WordCounter* counter = malloc(sizeof *counter);
  if (counter == NULL) return E_OUTOFMEMORY;
  counter->iface.lpVtbl = &counterVtbl;
  counter->refs = 1;
  InterlockedIncrement(&liveObjects);
  const HRESULT result = counterVtbl.QueryInterface(&counter->iface, iid, object);
  counterVtbl.Release(&counter->iface);
  return result;
}

static HRESULT STDMETHODCALLTYPE FactoryLockServer(IClassFactory* self, BOOL lock) {
  (void)self;
  if (lock) {
    InterlockedIncrement(&serverLocks);
  } else {
    InterlockedDecrement(&serverLocks);
  }
  return S_OK;
}

static IClassFactoryVtbl factoryVtbl = {FactoryQueryInterface, FactoryAddRef, FactoryRelease,
                                        FactoryCreateInstance, FactoryLockServer};
static IClassFactory factory = {&factoryVtbl};

__declspec(dllexport) HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (object == NULL) return E_POINTER;
  *object = NULL;
  if (!IsEqualCLSID(clsid, &CLSID_SkyWordCount)) return CLASS_E_CLASSNOTAVAILABLE;
  return factoryVtbl.QueryInterface(&factory, iid, object);
}

__declspec(dllexport) HRESULT WINAPI DllCanUnloadNow(void) {
  return liveObjects == 0 && serverLocks == 0 ? S_OK : S_FALSE;
}
