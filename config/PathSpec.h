// Paths in location notation ("W|win.ini", "1|sub\file.dll", "0:\setup")
// and the two path forms every message uses.
#pragma once

#include <string>
#include <string_view>


namespace cvn {

struct RunContext;

// A path text that always holds the expanded form of what was given.
class PathSpec {
 public:
  PathSpec(RunContext& context, std::string_view text);
  PathSpec& operator=(std::string_view text);

  // Adds a backslash when needed, then `part`; does not expand again.
  PathSpec& Append(std::string_view part);
  // Adds a backslash unless the text is empty or already ends in one.
  PathSpec& EnsureTrailingBackslash();

  const std::string& Text() const { return text_; }
  operator const std::string&() const { return text_; }

 private:
  RunContext* context_;
  std::string text_;
};

// The folder of a location code, expanded, ending in a backslash.
std::string LocationFolder(RunContext& context, char code);

// Replaces location codes ("X|") and drive placeholders ("0:", "1:") in
// place. Fills the location table on first use.
void Expand(RunContext& context, std::string& path);

// Lower case, and no trailing backslash unless the path is a drive root.
std::string DisplayForm(std::string_view path);
// The folder of a path, lower case: "C:\Dir\App.exe" gives "c:\dir",
// "C:\x" gives "c:\"; empty when there is no backslash.
std::string DirectoryForm(std::string_view path);
// Two characters or more, a letter or digit, then ':' or '|'.
bool LooksLikePath(std::string_view text);
// DisplayForm of the expanded path.
std::string ExpandedDisplayForm(RunContext& context, std::string_view path);

}  // namespace cvn
