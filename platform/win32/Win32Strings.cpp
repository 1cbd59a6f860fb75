// Numbered texts from the program's own string table.
#include "platform/win32/Win32Strings.h"

#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Text.h"

#include <climits>
#include <string>

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

// Through UTF-16: the code page's own table, then UTF-8. A byte that is
// no character of a multi-byte code page becomes its default character,
// and WideCharToMultiByte replaces any lone surrogate, so the result is
// always valid UTF-8.
std::string Win32Strings::AnsiToUtf8(std::string_view ansi) {
  if (ansi.empty() || ansi.size() > INT_MAX / 4) return {};
  const int length = static_cast<int>(ansi.size());
  const int wide = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (wide <= 0) return {};
  std::wstring utf16(static_cast<size_t>(wide), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, utf16.data(), wide);
  const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string utf8(static_cast<size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
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
