// Reading texts out of the Win32 calls that fill a caller's buffer.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>

#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {

// The text in a fixed char array of a Win32 structure, which need not end
// with a zero when it fills the array.
inline std::string FixedText(const char* chars, size_t capacity) {
  const void* end = std::memchr(chars, '\0', capacity);
  return std::string(chars, end ? static_cast<const char*>(end) - chars : capacity);
}

// For the calls that return the length written, or, when the buffer is too
// small, the size needed including the terminating zero (GetTempPath,
// GetShortPathName, SearchPath, ...). Empty when the call fails. The size is
// asked again if the text grew between two calls.
template <typename Call>
std::string TextOfSizedCall(Call call) {
  std::string buffer(MAX_PATH + 1, '\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.assign(length + 1, '\0');
  }
  return {};
}

// For the calls that truncate silently and return the length copied
// (GetModuleFileName, LoadString): the buffer doubles until the text ends
// short of it. `limit` bounds the buffer; a longer text counts as failure.
template <typename Call>
std::string TextOfTruncatingCall(Call call, size_t limit) {
  for (size_t size = MAX_PATH + 1; size <= limit; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD length = call(buffer.data(), static_cast<DWORD>(size));
    if (length + 1 < size) {
      buffer.resize(length);
      return buffer;
    }
  }
  return {};
}

// For the calls that return the size needed, including the terminating
// zero, when given no buffer (GetDateFormat, GetTimeFormat).
template <typename Call>
std::string TextOfMeasuredCall(Call call) {
  const int needed = call(nullptr, 0);
  if (needed <= 0) return {};
  std::string buffer(static_cast<size_t>(needed), '\0');
  const int written = call(buffer.data(), needed);
  if (written <= 0) return {};
  buffer.resize(static_cast<size_t>(written - 1));
  return buffer;
}

}  // namespace cvn::platform::win32
