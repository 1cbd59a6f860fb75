// INI files through GetPrivateProfileString and WritePrivateProfileString.
#include "platform/win32/Win32Profile.h"

#include <algorithm>

#include "platform/win32/Win32Api.h"

namespace cvn::platform::win32 {
namespace {

// The key list of a section is larger than any single value; it starts at
// this size and doubles until it fits, up to a limit no INI file reaches.
constexpr size_t kFirstKeyListSize = 1024;
constexpr size_t kLargestKeyList = size_t{1} << 24;

// Splits the zero-separated list that ends with an empty entry.
std::vector<std::string> SplitZeroList(const char* list, size_t length) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start < length) {
    const std::string name(list + start);
    if (name.empty()) break;
    start += name.size() + 1;
    names.push_back(name);
  }
  return names;
}

const char* OrNull(const std::optional<std::string>& text) {
  return text ? text->c_str() : nullptr;
}

}  // namespace

std::string Win32Profile::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& file,
                                    size_t bufferSize) {
  if (bufferSize == 0) return {};
  std::string buffer(bufferSize, '\0');
  const DWORD length =
      ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(bufferSize), file.c_str());
  buffer.resize(std::min<size_t>(length, bufferSize - 1));
  return buffer;
}

namespace {

// The names the call lists for no key (a section's keys) or no section
// (the file's sections), grown until the list fits.
std::vector<std::string> NameList(const char* section, const std::string& file) {
  for (size_t size = kFirstKeyListSize; size <= kLargestKeyList; size *= 2) {
    // Two spare zeros keep the list terminated whatever the call writes.
    std::string buffer(size + 2, '\0');
    const DWORD length = ::GetPrivateProfileStringA(section, nullptr, "", buffer.data(),
                                                    static_cast<DWORD>(size), file.c_str());
    // A list that did not fit comes back as size - 2 characters.
    if (length + 2 < size) return SplitZeroList(buffer.data(), length);
  }
  return {};
}

}  // namespace

std::vector<std::string> Win32Profile::GetKeys(const std::string& section,
                                               const std::string& file) {
  return NameList(section.c_str(), file);
}

std::vector<std::string> Win32Profile::GetSections(const std::string& file) {
  return NameList(nullptr, file);
}

int Win32Profile::GetInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& file) {
  return static_cast<int>(
      ::GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, file.c_str()));
}

bool Win32Profile::WriteString(const std::string& section, const std::optional<std::string>& key,
                               const std::optional<std::string>& value, const std::string& file) {
  return ::WritePrivateProfileStringA(section.c_str(), OrNull(key), OrNull(value), file.c_str());
}

bool Win32Profile::Flush(const std::string& file) {
  // The flush call is documented to return FALSE always, on Windows and
  // Wine alike, so its result says nothing; the flush itself cannot fail.
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
  return true;
}

}  // namespace cvn::platform::win32
