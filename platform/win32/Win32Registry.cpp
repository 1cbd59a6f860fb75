// The Registry through RegOpenKeyEx, RegQueryValueEx and friends.
#include "platform/win32/Win32Registry.h"

#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {
namespace {

// The roots are spelled out rather than cast, so that the platform's
// numbers and the headers' HKEY values cannot drift apart.
HKEY ToHkey(RegKey key) {
  switch (key) {
    case hkey::kClassesRoot: return HKEY_CLASSES_ROOT;
    case hkey::kCurrentUser: return HKEY_CURRENT_USER;
    case hkey::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case hkey::kUsers: return HKEY_USERS;
    case hkey::kCurrentConfig: return HKEY_CURRENT_CONFIG;
    default: return reinterpret_cast<HKEY>(key);
  }
}

RegKey FromHkey(HKEY key) { return reinterpret_cast<RegKey>(key); }

// A value can grow between the size query and the read; the read then
// reports ERROR_MORE_DATA with the new size and is repeated.
constexpr int kReadAttempts = 8;

}  // namespace

int32_t Win32Registry::OpenKey(RegKey parent, const std::string& subKey, Access access,
                               RegKey& opened) {
  const REGSAM rights = (access == Access::Read ? KEY_READ : KEY_ALL_ACCESS) | view_;
  HKEY key = nullptr;
  const LONG result = ::RegOpenKeyExA(ToHkey(parent), subKey.c_str(), 0, rights, &key);
  if (result == ERROR_SUCCESS) opened = FromHkey(key);
  return result;
}

int32_t Win32Registry::CreateKey(RegKey parent, const std::string& subKey, RegKey& opened) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  const LONG result =
      ::RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS | view_, nullptr, &key, &disposition);
  if (result == ERROR_SUCCESS) opened = FromHkey(key);
  return result;
}

int32_t Win32Registry::QueryValue(RegKey key, const std::string& name, RegValue& value) {
  const HKEY handle = ToHkey(key);
  DWORD type = REG_NONE;
  DWORD size = 0;
  LONG result = ::RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size);
  if (result != ERROR_SUCCESS) return result;
  Bytes data;
  for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
    // One spare byte so that an empty value still has a buffer to point at.
    data.assign(static_cast<size_t>(size) + 1, 0);
    size = static_cast<DWORD>(data.size());
    result = ::RegQueryValueExA(handle, name.c_str(), nullptr, &type, data.data(), &size);
    if (result != ERROR_MORE_DATA) break;
  }
  if (result != ERROR_SUCCESS) return result;
  data.resize(size);
  value.type = type;
  value.data = std::move(data);
  return ERROR_SUCCESS;
}

int32_t Win32Registry::SetValue(RegKey key, const std::string& name, uint32_t type,
                                const Bytes& data) {
  // An empty value still gets a valid pointer; the call reads none of it.
  static const BYTE kNothing = 0;
  const BYTE* bytes = data.empty() ? &kNothing : data.data();
  return ::RegSetValueExA(ToHkey(key), name.c_str(), 0, type, bytes,
                          static_cast<DWORD>(data.size()));
}

// RegSetValue knows no view, so the key is created in the selected one and
// its default value set as RegSetValue would: the text and its zero.
int32_t Win32Registry::SetDefaultValue(RegKey parent, const std::string& subKey,
                                       const std::string& text) {
  RegKey key = 0;
  if (const int32_t result = CreateKey(parent, subKey, key); result != ERROR_SUCCESS) return result;
  Bytes data(text.begin(), text.end());
  data.push_back(0);
  const int32_t result = SetValue(key, "", REG_SZ, data);
  CloseKey(key);
  return result;
}

// Key names hold at most 255 characters, value names 16383.
int32_t Win32Registry::EnumKey(RegKey key, uint32_t index, std::string& name) {
  char buffer[256];
  DWORD length = sizeof buffer;
  const LONG result =
      ::RegEnumKeyExA(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (result == ERROR_SUCCESS) name.assign(buffer, length);
  return result;
}

int32_t Win32Registry::EnumValue(RegKey key, uint32_t index, std::string& name) {
  std::string buffer(16384, '\0');
  DWORD length = static_cast<DWORD>(buffer.size());
  const LONG result = ::RegEnumValueA(ToHkey(key), index, buffer.data(), &length, nullptr, nullptr,
                                      nullptr, nullptr);
  if (result == ERROR_SUCCESS) name.assign(buffer.data(), length);
  return result;
}

int32_t Win32Registry::CloseKey(RegKey key) { return ::RegCloseKey(ToHkey(key)); }

void Win32Registry::SelectView(View view) {
  view_ = 0;
  // One view only on 32-bit Windows, where older systems refuse the flags.
  if (!On64BitWindows()) return;
  if (view == View::Bits32) view_ = KEY_WOW64_32KEY;
  if (view == View::Bits64) view_ = KEY_WOW64_64KEY;
}

}  // namespace cvn::platform::win32
