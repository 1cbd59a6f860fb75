// Conversions between the platform's value types and the Win32 structures
// they mirror.
#pragma once

#include "platform/Types.h"
#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {

inline FileTime FromFILETIME(const FILETIME& time) {
  return {time.dwLowDateTime, time.dwHighDateTime};
}

inline FILETIME ToFILETIME(FileTime time) { return {time.low, time.high}; }

inline SystemTime FromSYSTEMTIME(const SYSTEMTIME& t) {
  return {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

inline SYSTEMTIME ToSYSTEMTIME(const SystemTime& t) {
  return {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds};
}

}  // namespace cvn::platform::win32
