// A small JSON writer: objects, arrays, strings, numbers and literals,
// indented two blanks a level. Strings are taken as UTF-8; a byte that does
// not begin a valid UTF-8 sequence is written as U+FFFD, and every control
// character is escaped, so any byte sequence gives valid JSON.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cvn {

class JsonWriter {
 public:
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  // The name of the next member of the open object.
  void Key(std::string_view name);
  void String(std::string_view utf8);
  void Number(int64_t value);
  void Bool(bool value);
  void Null();

 private:
  void Open(char bracket);
  void Close(char bracket);
  // Separates and indents a value that is not a member's.
  void BeforeValue();
  void NewLine();

  std::string& out_;
  std::vector<bool> hasMembers_;  // one entry per open object or array
  bool afterKey_ = false;
};

// Appends `utf8` as the body of a JSON string (without the quotes).
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace cvn
