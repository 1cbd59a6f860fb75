#include "platform/emulated/RegFile.h"

#include <cstdio>
#include <vector>

#include "platform/Registry.h"
#include "platform/emulated/Text.h"

namespace cvn::emulated {

namespace {

using platform::Bytes;

struct LogicalLine {
  std::string text;
  int number = 0;
};

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

// Physical lines joined where one ends in a backslash.
std::vector<LogicalLine> JoinLines(std::string_view text) {
  std::vector<LogicalLine> lines;
  bool continues = false;
  int number = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = TrimBlanks(text.substr(pos, end - pos));
    ++number;
    pos = end + 1;
    const bool next = !line.empty() && line.back() == '\\';
    if (next) line.remove_suffix(1);
    if (continues) {
      lines.back().text += line;
    } else {
      lines.push_back(LogicalLine{std::string(line), number});
    }
    continues = next;
  }
  return lines;
}

class LineParser {
 public:
  explicit LineParser(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  void SkipBlanks() {
    while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool Take(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool TakeWord(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }
  std::string_view Rest() const { return text_.substr(pos_); }

  // A quoted text after its opening quote, with \\ and \" unescaped.
  std::optional<std::string> QuotedTail() {
    std::string out;
    while (!AtEnd()) {
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (c == '\\') {
        if (AtEnd() || (text_[pos_] != '\\' && text_[pos_] != '"')) return std::nullopt;
        out += text_[pos_++];
      } else {
        out += c;
      }
    }
    return std::nullopt;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

std::optional<unsigned> HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

std::optional<uint32_t> ParseHex32(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t value = 0;
  for (char c : digits) {
    const auto digit = HexDigit(c);
    if (!digit) return std::nullopt;
    value = value * 16 + *digit;
  }
  return value;
}

// "aa,bb, cc" with blanks allowed around each byte; empty gives no bytes.
std::optional<Bytes> ParseHexList(std::string_view list) {
  Bytes bytes;
  list = TrimBlanks(list);
  if (list.empty()) return bytes;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(',', start);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view item = TrimBlanks(list.substr(start, end - start));
    // regedit writes a trailing comma before a line break; allow it at the end.
    if (item.empty() && end == list.size() && start > 0) break;
    const auto value = item.size() <= 2 ? ParseHex32(item) : std::nullopt;
    if (!value) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(*value));
    start = end + 1;
  }
  return bytes;
}

struct ParsedData {
  bool remove = false;
  uint32_t type = platform::regtype::kString;
  Bytes data;
};

std::optional<ParsedData> ParseData(LineParser& p) {
  ParsedData result;
  if (p.Take('-')) {
    result.remove = true;
  } else if (p.Take('"')) {
    const auto text = p.QuotedTail();
    if (!text) return std::nullopt;
    result.data.assign(text->begin(), text->end());
    result.data.push_back(0);
  } else if (p.TakeWord("dword:")) {
    const auto value = ParseHex32(TrimBlanks(p.Rest()));
    if (!value) return std::nullopt;
    result.type = platform::regtype::kDword;
    for (int shift = 0; shift < 32; shift += 8) result.data.push_back(static_cast<uint8_t>(*value >> shift));
    return result;
  } else if (p.TakeWord("hex")) {
    result.type = platform::regtype::kBinary;
    if (p.Take('(')) {
      const std::string_view rest = p.Rest();
      const size_t close = rest.find(')');
      const auto type = close == std::string_view::npos ? std::nullopt : ParseHex32(rest.substr(0, close));
      if (!type) return std::nullopt;
      result.type = *type;
      p = LineParser(rest.substr(close + 1));
    }
    if (!p.Take(':')) return std::nullopt;
    auto bytes = ParseHexList(p.Rest());
    if (!bytes) return std::nullopt;
    result.data = std::move(*bytes);
    return result;
  } else {
    return std::nullopt;
  }
  p.SkipBlanks();
  if (!p.AtEnd()) return std::nullopt;
  return result;
}

class RegReader {
 public:
  explicit RegReader(RegistryTree& tree) : tree_(tree) {}

  std::optional<std::string> Line(std::string_view line) {
    if (line.empty() || line.front() == ';' || line.front() == '#') return std::nullopt;
    if (line.front() == '[') return KeyLine(line);
    if (line.front() == '"' || line.front() == '@') return ValueLine(line);
    return "unexpected text \"" + std::string(line.substr(0, 40)) + "\"";
  }

 private:
  std::optional<std::string> KeyLine(std::string_view line) {
    if (line.back() != ']') return std::string("key line without closing ']'");
    std::string_view path = line.substr(1, line.size() - 2);
    const bool remove = !path.empty() && path.front() == '-';
    if (remove) path.remove_prefix(1);
    const size_t slash = path.find('\\');
    RegRoot root{};
    if (!ParseRegRoot(path.substr(0, slash), root)) {
      return "unknown registry root \"" + std::string(path.substr(0, slash)) + "\"";
    }
    const std::string_view below = slash == std::string_view::npos ? "" : path.substr(slash + 1);
    current_ = nullptr;
    if (!remove) {
      current_ = &tree_.Root(root).Create(below);
      return std::nullopt;
    }
    RemoveKey(tree_.Root(root), below);
    return std::nullopt;
  }

  static void RemoveKey(RegNode& root, std::string_view path) {
    const size_t slash = path.rfind('\\');
    RegNode* parent = slash == std::string_view::npos ? &root : root.Find(path.substr(0, slash));
    if (parent) parent->RemoveChild(slash == std::string_view::npos ? path : path.substr(slash + 1));
  }

  std::optional<std::string> ValueLine(std::string_view line) {
    if (!current_) return std::string("value outside a key");
    LineParser p(line);
    std::string name;
    if (!p.Take('@')) {
      p.Take('"');
      auto quoted = p.QuotedTail();
      if (!quoted) return std::string("bad value name");
      name = std::move(*quoted);
    }
    p.SkipBlanks();
    if (!p.Take('=')) return std::string("missing '=' after the value name");
    p.SkipBlanks();
    auto data = ParseData(p);
    if (!data) return "bad data for value \"" + name + "\"";
    if (data->remove) {
      current_->RemoveValue(name);
    } else {
      current_->SetValue(name, data->type, std::move(data->data));
    }
    return std::nullopt;
  }

  RegistryTree& tree_;
  RegNode* current_ = nullptr;
};

// ---- writing ----

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// A REG_SZ that reads back as the same bytes from a quoted string.
bool IsPlainString(const RegStoredValue& value) {
  if (value.type != platform::regtype::kString || value.data.empty() || value.data.back() != 0) return false;
  for (size_t i = 0; i + 1 < value.data.size(); ++i) {
    if (value.data[i] == 0 || value.data[i] == '\r' || value.data[i] == '\n') return false;
  }
  return true;
}

std::string HexList(const Bytes& data) {
  std::string out;
  for (size_t i = 0; i < data.size(); ++i) {
    if (i > 0) out += (i % 24 == 0) ? ",\\\r\n  " : ",";
    out += HexByte(data[i]);
  }
  return out;
}

std::string DataText(const RegStoredValue& value) {
  using namespace platform::regtype;
  if (IsPlainString(value)) {
    return Quote(std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size() - 1));
  }
  if (value.type == kDword && value.data.size() == 4) {
    std::string hex;
    for (int i = 3; i >= 0; --i) hex += HexByte(value.data[static_cast<size_t>(i)]);
    return "dword:" + hex;
  }
  if (value.type == kBinary) return "hex:" + HexList(value.data);
  char type[16];
  std::snprintf(type, sizeof type, "hex(%x):", value.type);
  return type + HexList(value.data);
}

void WriteKey(const RegNode& node, const std::string& path, const RegNode* skip, bool isRoot,
              std::string& out) {
  if (!isRoot || !node.Values().empty()) {
    out += "[" + path + "]\r\n";
    for (const auto& value : node.Values()) {
      out += (value.name.empty() ? std::string("@") : Quote(value.name)) + "=" + DataText(value) + "\r\n";
    }
    out += "\r\n";
  }
  for (const auto& child : node.Children()) {
    if (child.get() != skip) WriteKey(*child, path + "\\" + child->Name(), skip, false, out);
  }
}

}  // namespace

std::optional<RegFileError> ReadRegFile(std::string_view text, RegistryTree& tree) {
  const auto lines = JoinLines(text);
  RegReader reader(tree);
  bool header = false;
  for (const auto& line : lines) {
    if (line.text.empty()) continue;
    if (!header) {
      if (line.text != "REGEDIT4") return RegFileError{line.number, "not a REGEDIT4 file"};
      header = true;
      continue;
    }
    if (auto error = reader.Line(line.text)) return RegFileError{line.number, std::move(*error)};
  }
  return std::nullopt;
}

std::string WriteRegFile(RegistryTree& tree) {
  std::string out = "REGEDIT4\r\n\r\n";
  RegNode& classes = tree.Root(RegRoot::ClassesRoot);
  for (RegRoot root : kAllRegRoots) {
    // The classes are written once, under their own root name.
    const RegNode* skip = root == RegRoot::LocalMachine ? &classes : nullptr;
    WriteKey(tree.Root(root), std::string(RegRootName(root)), skip, true, out);
  }
  return out;
}

}  // namespace cvn::emulated
