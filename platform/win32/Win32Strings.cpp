// Numbered texts from the program's own string table.
#include "platform/win32/Win32Strings.h"

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Text.h"

namespace cvn::platform::win32 {
namespace {

// A string table entry holds at most 65535 characters.
constexpr size_t kLongestString = size_t{1} << 17;

}  // namespace

std::string Win32Strings::Load(int id) {
  const HINSTANCE program = ::GetModuleHandleA(nullptr);
  return TextOfTruncatingCall(
      [&](char* buffer, DWORD size) {
        return static_cast<DWORD>(
            ::LoadStringA(program, static_cast<UINT>(id), buffer, static_cast<int>(size)));
      },
      kLongestString);
}

}  // namespace cvn::platform::win32
