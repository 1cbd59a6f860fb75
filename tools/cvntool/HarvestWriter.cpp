#include "tools/cvntool/HarvestWriter.h"

#include <string_view>
#include <vector>

#include "config/TextCase.h"

namespace cvn::tool {

namespace {

// The codes a harvest gives to further folders: letters that are not
// built in, then the digits that are not.
constexpr std::string_view kFreeCodes = "ABCDEFGHIJKLMNOPQRUVYZ3456789";

// Texts joined by appending to the first: GCC 12 at -O3 warns of a false
// overlap when a literal is put in front of a temporary string.
template <class... Texts>
std::string Joined(const Texts&... texts) {
  std::string joined;
  (joined += ... += texts);
  return joined;
}

struct Coded {
  char code;
  std::string folder;  // a path on this machine, or on the CD ("1:\DIR")
  std::string note;    // what the folder is, for its comment
};

// The location code of every folder the harvest names.
class FolderCodes {
 public:
  FolderCodes(const Harvest& harvest, const MachineFolders& machine) : harvest_(harvest) {
    builtIn_ = {{'1', harvest.appFolder, ""}, {'W', machine.windows, ""}};
    if (harvest.appWin32) builtIn_.push_back({'S', machine.system, ""});
  }

  // '\0' when no code is left.
  char CodeOf(const std::string& folder) {
    for (const auto* list : {&builtIn_, &further_}) {
      for (const auto& coded : *list) {
        if (EqualsNoCase(coded.folder, folder)) return coded.code;
      }
    }
    const bool below = IsAtOrBelow(folder, harvest_.appFolder);
    return Add(folder, below ? Joined("the ", folder.substr(harvest_.appFolder.size() + 1), " subfolder") : "");
  }

  // The CD folder that holds the copies of the files of `folder`: the CD
  // folder's own subfolder for a subfolder of the application, the CD
  // folder itself for every other folder. The folder's own code without a CD.
  char SourceOf(const std::string& folder) {
    if (harvest_.cdFolder.empty()) return CodeOf(folder);
    std::string onCd = "1:\\" + harvest_.cdFolder;
    if (IsAtOrBelow(folder, harvest_.appFolder) && folder.size() > harvest_.appFolder.size()) {
      onCd += folder.substr(harvest_.appFolder.size());
    }
    for (const auto& coded : further_) {
      if (EqualsNoCase(coded.folder, onCd)) return coded.code;
    }
    return Add(onCd, "on the installation CD");
  }

  const std::vector<Coded>& Further() const { return further_; }

 private:
  char Add(const std::string& folder, std::string note) {
    if (further_.size() >= kFreeCodes.size()) return '\0';
    further_.push_back({kFreeCodes[further_.size()], folder, std::move(note)});
    return further_.back().code;
  }

  const Harvest& harvest_;
  std::vector<Coded> builtIn_;
  std::vector<Coded> further_;
};

// A folder of drive C written with the drive placeholder "0:".
std::string WithPlaceholder(const std::string& folder) {
  if (folder.size() >= 2 && folder[1] == ':' && ToLowerChar(folder[0]) == 'c') return Joined("0", folder.substr(1));
  return folder;
}

// A field of the entry readers: in double quotes when its text would end
// the field or the line early, as it is otherwise.
std::string Field(const std::string& text) {
  const bool plain = !text.empty() && text.find_first_of(",;\"") == std::string::npos && text.front() != ' ' &&
                     text.back() != ' ';
  return plain ? text : Joined("\"", text, "\"");
}

// An expected value: in double quotes with its quotes escaped, except a
// value ending in a backslash (which would escape the closing quote) when
// it reads as one element without them.
std::string ExpectedValue(const std::string& value) {
  const bool bare = value.back() == '\\' && value.find_first_of(",;\"]}") == std::string::npos &&
                    value.front() != '[' && value.front() != '{' && value.front() != ' ' && value.back() != ' ';
  if (bare) return value;
  std::string quoted = "\"";
  for (const char c : value) {
    if (c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

constexpr SectionId kClassSections[] = {SectionId::ControlRegistryInfo, SectionId::OleServerInfo};

// "[Name]" of a standard section.
std::string SectionHeader(SectionId id) { return "[" + std::string(StandardSectionName(id)) + "]"; }

class DatabaseText {
 public:
  DatabaseText(const Harvest& harvest, const MachineFolders& machine) : harvest_(harvest), codes_(harvest, machine) {}

  std::optional<std::string> Write(std::string& error) {
    // The file entries first: they give every folder its code.
    std::string files = FileSections();
    std::string registrations = RegistrationSections();
    if (outOfCodes_) {
      error = Joined("the files lie in more folders than there are location codes (", std::to_string(kFreeCodes.size()),
                     ")");
      return std::nullopt;
    }
    Header();
    AppInfo();
    DirectoryInfo();
    TextSections();
    text_ += files;
    SettingSections();
    text_ += registrations;
    Line("[End]");
    return std::move(text_);
  }

 private:
  void Line(const std::string& line) { text_ += line + "\r\n"; }

  char Code(const std::string& folder) { return Checked(codes_.CodeOf(folder)); }
  char Source(const std::string& folder) { return Checked(codes_.SourceOf(folder)); }
  char Checked(char code) {
    if (code == '\0') outOfCodes_ = true;
    return code;
  }

  void Header() {
    Line("; Corvane configuration database for " + harvest_.appName + ",");
    Line(Joined("; harvested by cvntool from ", ToLower(harvest_.appFolder), "."));
    Line("; Every file, setting and registration below is expected as it was");
    Line("; found there. Before shipping it, fill in Vendor Info, review Corvane");
    Line("; Info and Minimum Requirements Info, and run cvntool lint.");
    Line("");
  }

  void AppInfo() {
    Line("[App Info]");
    Line("AppName=" + harvest_.appName);
    Line(std::string("AppWin32=") + (harvest_.appWin32 ? "Yes" : "No"));
    Line("AppFileName=" + harvest_.appFileName);
    if (!harvest_.signatureFileName.empty()) Line("SignatureFileName=" + harvest_.signatureFileName);
    if (!harvest_.cdLabel.empty()) Line("CDVolumeLabel=" + harvest_.cdLabel);
    Line("");
  }

  void DirectoryInfo() {
    Line("[Directory Info]");
    Line(Joined("1=", WithPlaceholder(harvest_.appFolder)));
    for (const auto& coded : codes_.Further()) {
      if (!coded.note.empty()) Line("; " + coded.note);
      Line(Joined(std::string{coded.code}, "=", WithPlaceholder(coded.folder)));
    }
    Line("");
  }

  void TextSections() {
    Line("[Action Text Info]");
    Line("Reinstall=Install " + harvest_.appName + " again.");
    Line("");
    Line("; A setting's explanation: add KEY=TEXT and name KEY in the setting.");
    Line("[Explanation Text Info]");
    Line("");
    Line("; Shown on the contact pages and in the report: fill in each value.");
    Line("[Vendor Info]");
    for (const char* key : {"VendorName", "VendorPhone", "VendorFax", "VendorEMail", "TechSupportName",
                            "TechSupportPhone", "TechSupportFax", "TechSupportEMail", "TechSupportInstructions"}) {
      Line(std::string(key) + "=");
    }
    Line("");
    Line("; The wizard's sections and pages, all of them shown.");
    Line("[Corvane Info]");
    for (const char* line : {"AskQuestions=Yes", "AskQuestionsOptions=95", "CheckConfigurationDatabase=Yes",
                             "CheckUsageDatabase=Yes", "CheckUsageFrequency=daily", "CheckMisc=Yes",
                             "CheckMiscOptions=15", "ShowTechSupportInfo=Yes", "GetUserInfo=Yes",
                             "ShowConfigInfo=Yes"}) {
      Line(line);
    }
    Line("");
    Line("; What the application needs of the machine: nothing until a key is");
    Line("; given. Remove the \";\" and write the value, as in these examples.");
    Line("[Minimum Requirements Info]");
    for (const char* line : {";WindowsVersion=Win 95", ";Processor=486", ";TotalPhysicalMemory=8M",
                             ";AppDiskSpace=2M", ";VideoResolution=640 x 480", ";VideoColors=256",
                             ";CDROMRequired=No"}) {
      Line(line);
    }
    Line("");
  }

  std::string FileSections() {
    std::string sections = "; file name, folder, CD folder, required, check size and date, versions\r\n";
    for (const auto& section : kFileSections) {
      sections += SectionHeader(section) + "\r\n";
      for (const auto& file : harvest_.files) {
        if (file.section != section) continue;
        // A file without a version is known by its size and date instead.
        const std::string check = file.version.empty() ? "Y" : Joined("N, ", file.version);
        sections += file.name + ", " + Code(file.folder) + ", " + Source(file.folder) + ", Y, " + check + "\r\n";
      }
      sections += "\r\n";
    }
    return sections;
  }

  void SettingSections() {
    const struct {
      SectionId id;
      const char* location;
    } sections[] = {{SectionId::IniInfo, "; file\\section\\key ="},
                    {SectionId::RegistryInfo, "; root\\key\\value ="}};
    for (const auto& section : sections) {
      Line(section.location);
      Line("; expected values, required, tracked, action key, explanation key");
      Line(SectionHeader(section.id));
      for (const auto& setting : harvest_.settings) {
        if (setting.section != section.id) continue;
        Line(setting.location + "=");
        Line(ExpectedValue(setting.value) + ", Y, Y, Reinstall");
      }
      Line("");
    }
  }

  std::string RegistrationSections() {
    std::string text;
    for (const auto& section : kClassSections) {
      text += "; name, server, folder, ProgID, version, required, flag, flag,\r\n; CLSID, type library\r\n";
      text += SectionHeader(section) + "\r\n";
      for (const auto& found : harvest_.classes) {
        if (found.section != section) continue;
        text += "\"" + found.name + "\", " + found.serverFile + ", " + Code(found.folder) + ", " +
                Field(found.progId) + ", " + Field(found.version) + ", Y, N, N,\r\n";
        text += FormatGuid(found.clsid);
        if (!found.typeLib.IsZero()) text += Joined(", ", FormatGuid(found.typeLib));
        text += "\r\n";
      }
      text += "\r\n";
    }
    text += "; name, file, folder, help folder, version, required, LIBID\r\n[Type Library Info]\r\n";
    for (const auto& library : harvest_.typeLibs) {
      text += "\"" + library.name + "\", " + library.file + ", " + Code(library.folder) + ", " +
              Code(library.helpFolder) + ", " + Field(library.version) + ",\r\n";
      text += Joined("Y, ", FormatGuid(library.libId), "\r\n");
    }
    text += "\r\n";
    return text;
  }

  const Harvest& harvest_;
  FolderCodes codes_;
  std::string text_;
  bool outOfCodes_ = false;
};

}  // namespace

std::optional<std::string> WriteDatabase(const Harvest& harvest, const MachineFolders& folders, std::string& error) {
  return DatabaseText(harvest, folders).Write(error);
}

}  // namespace cvn::tool
