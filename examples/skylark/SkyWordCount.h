/* The word count control's interface as C sees it; skyctl.idl describes the
   same interface for the type library. */
#pragma once

#include <windows.h>
#include <ole2.h>

/* {6B1E0C46-1D2A-4F3B-9C5E-7A8B9C0D1E2F} */
static const CLSID CLSID_SkyWordCount = {
    0x6B1E0C46, 0x1D2A, 0x4F3B, {0x9C, 0x5E, 0x7A, 0x8B, 0x9C, 0x0D, 0x1E, 0x2F}};
/* {6B1E0C45-1D2A-4F3B-9C5E-7A8B9C0D1E2F} */
static const IID IID_ISkyWordCount = {
    0x6B1E0C45, 0x1D2A, 0x4F3B, {0x9C, 0x5E, 0x7A, 0x8B, 0x9C, 0x0D, 0x1E, 0x2F}};

typedef struct ISkyWordCount ISkyWordCount;

typedef struct ISkyWordCountVtbl {
  HRESULT(STDMETHODCALLTYPE* QueryInterface)(ISkyWordCount* self, REFIID iid, void** object);
  ULONG(STDMETHODCALLTYPE* AddRef)(ISkyWordCount* self);
  ULONG(STDMETHODCALLTYPE* Release)(ISkyWordCount* self);
  HRESULT(STDMETHODCALLTYPE* CountWords)(ISkyWordCount* self, BSTR text, long* count);
} ISkyWordCountVtbl;

struct ISkyWordCount {
  const ISkyWordCountVtbl* lpVtbl;
};
