// Findings about the keys of App Info, Vendor Info, Corvane Info and
// Minimum Requirements Info: keys nothing reads, and values that their
// reader takes as its default rather than as written.
#include <optional>

#include "lint/LintModel.h"
#include "config/NumberScanner.h"
#include "config/TextCase.h"
#include "config/ValueFormats.h"

namespace cvn {

namespace {

// How the part that reads a key reads its value.
enum class ValueKind { Text, YesNo, Frequency, WindowsVersion, Processor, Colors, Number, Resolution };

struct KnownKey {
  SectionId section;
  std::string_view key;
  ValueKind kind;
};

constexpr KnownKey kKnownKeys[] = {
    {SectionId::AppInfo, "AppName", ValueKind::Text},
    {SectionId::AppInfo, "AppWin32", ValueKind::YesNo},
    {SectionId::AppInfo, "AppFileName", ValueKind::Text},
    {SectionId::AppInfo, "SignatureFileName", ValueKind::Text},
    {SectionId::AppInfo, "CDVolumeLabel", ValueKind::Text},
    {SectionId::AppInfo, "FloppyVolumeLabel", ValueKind::Text},
    {SectionId::AppInfo, "ReadMeFile", ValueKind::Text},
    {SectionId::AppInfo, "ReadMeViewer", ValueKind::Text},
    {SectionId::AppInfo, "ReportName", ValueKind::Text},
    {SectionId::AppInfo, "ReportWidth", ValueKind::Number},
    {SectionId::CvnInfo, "AskQuestions", ValueKind::YesNo},
    {SectionId::CvnInfo, "AskQuestionsOptions", ValueKind::Number},
    {SectionId::CvnInfo, "CheckConfigurationDatabase", ValueKind::YesNo},
    {SectionId::CvnInfo, "CheckUsageDatabase", ValueKind::YesNo},
    {SectionId::CvnInfo, "CheckUsageFrequency", ValueKind::Frequency},
    {SectionId::CvnInfo, "CheckMisc", ValueKind::YesNo},
    {SectionId::CvnInfo, "CheckMiscOptions", ValueKind::Number},
    {SectionId::CvnInfo, "ShowTechSupportInfo", ValueKind::YesNo},
    {SectionId::CvnInfo, "GetUserInfo", ValueKind::YesNo},
    {SectionId::CvnInfo, "ShowConfigInfo", ValueKind::YesNo},
    {SectionId::VendorInfo, "VendorName", ValueKind::Text},
    {SectionId::VendorInfo, "VendorPhone", ValueKind::Text},
    {SectionId::VendorInfo, "VendorFax", ValueKind::Text},
    {SectionId::VendorInfo, "VendorEMail", ValueKind::Text},
    {SectionId::VendorInfo, "TechSupportName", ValueKind::Text},
    {SectionId::VendorInfo, "TechSupportPhone", ValueKind::Text},
    {SectionId::VendorInfo, "TechSupportFax", ValueKind::Text},
    {SectionId::VendorInfo, "TechSupportEMail", ValueKind::Text},
    {SectionId::VendorInfo, "TechSupportInstructions", ValueKind::Text},
    {SectionId::MinimumRequirementsInfo, "WindowsVersion", ValueKind::WindowsVersion},
    {SectionId::MinimumRequirementsInfo, "ConfigFiles", ValueKind::Number},
    {SectionId::MinimumRequirementsInfo, "ConfigBuffers", ValueKind::Number},
    {SectionId::MinimumRequirementsInfo, "AppDiskSpace", ValueKind::Number},
    {SectionId::MinimumRequirementsInfo, "WinDiskSpace", ValueKind::Number},
    {SectionId::MinimumRequirementsInfo, "Processor", ValueKind::Processor},
    {SectionId::MinimumRequirementsInfo, "TotalPhysicalMemory", ValueKind::Number},
    {SectionId::MinimumRequirementsInfo, "AvailPhysicalMemory", ValueKind::Number},
    {SectionId::MinimumRequirementsInfo, "TotalVirtualMemory", ValueKind::Number},
    {SectionId::MinimumRequirementsInfo, "AvailVirtualMemory", ValueKind::Number},
    {SectionId::MinimumRequirementsInfo, "VideoResolution", ValueKind::Resolution},
    {SectionId::MinimumRequirementsInfo, "VideoColors", ValueKind::Colors},
    {SectionId::MinimumRequirementsInfo, "MouseRequired", ValueKind::YesNo},
    {SectionId::MinimumRequirementsInfo, "CDROMRequired", ValueKind::YesNo},
    {SectionId::MinimumRequirementsInfo, "ModemRequired", ValueKind::YesNo},
    {SectionId::MinimumRequirementsInfo, "NetworkRequired", ValueKind::YesNo},
};

constexpr SectionId kKeyedSections[] = {SectionId::AppInfo, SectionId::VendorInfo, SectionId::CvnInfo,
                                        SectionId::MinimumRequirementsInfo};

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string ReadAs(std::string_view value, std::string_view readAs) {
  return Quoted(value) + " is read as " + Quoted(readAs) + ": ";
}

bool StartsWithNumber(std::string_view value) { return NumberScanner(value).Decimal().has_value(); }

std::optional<std::string> YesNoProblem(std::string_view value) {
  static constexpr std::string_view kWords[] = {"yes", "no", "true", "false", "y", "n", "t", "f", "1", "0"};
  for (const std::string_view word : kWords) {
    if (EqualsNoCase(value, word)) return std::nullopt;
  }
  return ReadAs(value, FormatYesNo(ReadYesNo(value))) + "a yes/no value is Yes or No";
}

std::optional<std::string> FrequencyProblem(std::string_view value) {
  const std::string lower = ToLower(value);
  const int code = ReadFrequency(value);
  if (ReadFrequency(lower) != code) {
    return ReadAs(value, FormatFrequency(code)) + "frequency words are lower case";
  }
  if (code == frequency::kAlways && !Contains(value, "always")) {
    return ReadAs(value, FormatFrequency(code)) +
           "the frequency words are never, always, daily, weekly and monthly";
  }
  return std::nullopt;
}

std::optional<std::string> WindowsVersionProblem(std::string_view value) {
  const int code = ReadWindowsVersion(value);
  const std::string readAs = FormatWindowsVersion(code);
  if (ReadWindowsVersion(ToUpper(value)) != code) {
    return ReadAs(value, readAs) + "NT is written in capitals";
  }
  if (code == winver::kWin31 && Contains(value, "3.11")) {
    return ReadAs(value, readAs) + "Windows 3.11 is written 3.1.1 or 311";
  }
  if (code == winver::kWin30 && !Contains(value, "3.0") && !Contains(value, "30")) {
    return ReadAs(value, readAs) + "it names no Windows version (Win 3.1, Win 95, Win NT 4.0, ...)";
  }
  return std::nullopt;
}

std::optional<std::string> ProcessorProblem(std::string_view value) {
  if (ReadProcessor(value) != cpu::k8086 || Contains(value, "8086")) return std::nullopt;
  return ReadAs(value, FormatProcessor(cpu::k8086)) +
         "a processor is written 286, 386, 486, 586, 686, P5 or P6";
}

std::optional<std::string> ColorsProblem(std::string_view value) {
  const int code = ReadColors(value);
  if (ReadColors(ToLower(value)) != code) {
    return ReadAs(value, FormatColors(code)) + "colour words are lower case";
  }
  const bool named = Contains(value, "million") || Contains(value, "true") || Contains(value, "thousand") ||
                     Contains(value, "high");
  if (named || StartsWithNumber(value)) return std::nullopt;
  return ReadAs(value, FormatColors(code)) + "colours are written as a number, high color or true color";
}

std::optional<std::string> NumberProblem(std::string_view value) {
  if (StartsWithNumber(value)) return std::nullopt;
  return Quoted(value) + " is read as 0: it does not begin with a number";
}

std::optional<std::string> ResolutionProblem(std::string_view value) {
  const Resolution resolution = ReadResolution(value);
  if (resolution.width > 0 && resolution.height > 0) return std::nullopt;
  return Quoted(value) + " is read as " + std::to_string(resolution.width) + " x " +
         std::to_string(resolution.height) + ": a resolution is written like 640 x 480";
}

std::optional<std::string> ValueProblem(ValueKind kind, std::string_view value) {
  switch (kind) {
    case ValueKind::YesNo: return YesNoProblem(value);
    case ValueKind::Frequency: return FrequencyProblem(value);
    case ValueKind::WindowsVersion: return WindowsVersionProblem(value);
    case ValueKind::Processor: return ProcessorProblem(value);
    case ValueKind::Colors: return ColorsProblem(value);
    case ValueKind::Number: return NumberProblem(value);
    case ValueKind::Resolution: return ResolutionProblem(value);
    case ValueKind::Text: break;
  }
  return std::nullopt;
}

const KnownKey* FindKnownKey(const ConfigSection& section, std::string_view key) {
  for (const KnownKey& known : kKnownKeys) {
    if (EqualsNoCase(section.Name(), StandardSectionName(known.section)) && EqualsNoCase(key, known.key)) {
      return &known;
    }
  }
  return nullptr;
}

bool IsKeyedSection(const ConfigSection& section) {
  for (const SectionId id : kKeyedSections) {
    if (EqualsNoCase(section.Name(), StandardSectionName(id))) return true;
  }
  return false;
}

}  // namespace

void CheckTextKeys(const LintModel& model, LintReport& report) {
  for (const LintEntry& entry : model.entries) {
    if (!IsKeyedSection(*entry.section)) continue;
    const KnownKey* known = FindKnownKey(*entry.section, entry.item->Name());
    if (known == nullptr) {
      report.Warning(entry.line, "key " + Quoted(entry.item->Name()) + " of " +
                                     Bracketed(entry.section->Name()) +
                                     " is read by no part of Corvane: it is ignored");
      continue;
    }
    // Only the first item of a key is ever read.
    const auto* item = dynamic_cast<const TextItem*>(entry.item);
    if (item == nullptr || entry.section->FindItem(item->Name(), CaseSensitivity::Insensitive) != item) {
      continue;
    }
    if (const auto problem = ValueProblem(known->kind, item->value)) report.Warning(entry.line, *problem);
  }
}

}  // namespace cvn
