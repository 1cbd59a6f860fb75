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

CaseRules Win32Strings::LetterCase() {
  CaseRules rules;
  for (size_t byte = 0; byte < rules.lower.size(); ++byte) {
    rules.leadByte[byte] = ::IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
    char lower = static_cast<char>(byte);
    char upper = lower;
    // A lead byte alone is no character; NUL would end the buffer's text.
    if (byte != 0 && !rules.leadByte[byte]) {
      ::CharLowerBuffA(&lower, 1);
      ::CharUpperBuffA(&upper, 1);
    }
    rules.lower[byte] = static_cast<unsigned char>(lower);
    rules.upper[byte] = static_cast<unsigned char>(upper);
  }
  // A case the code page cannot hold (the upper case of the micro sign)
  // comes back as another character: such a byte keeps its own case.
  for (size_t byte = 0; byte < rules.lower.size(); ++byte) {
    if (rules.lower[rules.upper[byte]] != rules.lower[byte]) rules.upper[byte] = static_cast<unsigned char>(byte);
    if (rules.upper[rules.lower[byte]] != rules.upper[byte]) rules.lower[byte] = static_cast<unsigned char>(byte);
  }
  return rules;
}

}  // namespace cvn::platform::win32
