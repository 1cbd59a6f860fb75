// Reading a .cdb file into a ConfigDatabase.
#include <string>

#include "config/ApplicationFolder.h"
#include "config/ApplicationView.h"
#include "config/ConfigDatabase.h"
#include "config/ItemParsing.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "config/TextCase.h"
#include "config/TextLines.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"
#include "util/text/WindowsPath.h"

namespace cvn {

namespace {

constexpr std::string_view kEndHeader = "End";

class Loader {
 public:
  Loader(RunContext& context, ConfigDatabase& database)
      : context_(context),
        database_(database),
        resolve_([&context](const std::string& path) { return ExpandedDisplayForm(context, path); }) {}

  platform::HResult Read(std::string_view bytes) {
    LineSplitter lines(bytes);
    std::string_view raw;
    while (lines.Next(raw)) {
      const std::string_view line = CleanLine(raw);
      if (line.empty()) continue;
      if (line.front() != '[') {
        ReadEntry(line, lines);
        continue;
      }
      switch (ReadHeader(line)) {
        case Step::Continue: break;
        case Step::End: return platform::kSOk;
        case Step::Fail: return platform::kEFail;
      }
    }
    return platform::kSOk;
  }

 private:
  enum class Step { Continue, End, Fail };

  void ReadEntry(std::string_view line, LineSplitter& lines) {
    if (current_ == nullptr) return;
    std::string_view raw;
    if (current_->LinesPerEntry() == 2 && lines.Next(raw)) {
      // The continuation is joined as it comes, with nothing between.
      std::string entry(line);
      entry += CleanLine(raw);
      current_->Append(ParseItem(current_->Type(), entry, resolve_));
    } else {
      current_->Append(ParseItem(current_->Type(), line, resolve_));
    }
  }

  Step ReadHeader(std::string_view line) {
    if (!FinishSection()) return Step::Fail;
    const std::string_view name = HeaderName(line);
    if (EqualsNoCase(name, kEndHeader)) return Step::End;
    current_ = database_.FindSection(name);
    if (current_ == nullptr) current_ = &database_.AddSection(std::string(name));
    currentName_ = name;
    return Step::Continue;
  }

  // What the end of Directory Info and App Info sets in motion.
  bool FinishSection() {
    if (EqualsNoCase(currentName_, StandardSectionName(SectionId::DirectoryInfo))) {
      if (!LocateApplication(context_, database_)) return false;
      SelectApplicationView(context_, database_);
    }
    if (EqualsNoCase(currentName_, StandardSectionName(SectionId::AppInfo))) TakeAppInfo();
    return true;
  }

  void TakeAppInfo() {
    const ConfigSection* appInfo = database_.GetSection(SectionId::AppInfo);
    if (const std::string* name = FindValue(appInfo, "AppName")) context_.appName = *name;
    if (const std::string* win32 = FindValue(appInfo, "AppWin32")) {
      database_.appWin32 = ReadYesNo(*win32);
      context_.appWin32 = database_.appWin32;
    }
  }

  RunContext& context_;
  ConfigDatabase& database_;
  PathResolver resolve_;
  std::string currentName_;
  ConfigSection* current_ = nullptr;
};

}  // namespace

platform::HResult ConfigDatabase::Load(RunContext& context, const std::string& databasePath) {
  platform::Machine& machine = context.machine;
  if (databasePath.empty()) {
    machine.Ask().MessageBox(LoadText(machine.Texts(), IDS_CANNOT_OPEN_DATABASE_UNNAMED), platform::Buttons::Ok,
                             platform::Icon::Warning);
    return platform::kEFail;
  }
  const std::optional<platform::Bytes> bytes = machine.Files().ReadFile(databasePath);
  if (!bytes) {
    machine.Ask().MessageBox(LoadText(machine.Texts(), IDS_CANNOT_OPEN_DATABASE, {DisplayForm(databasePath)}),
                             platform::Buttons::Ok, platform::Icon::Warning);
    return platform::kEFail;
  }
  path = databasePath;
  title = FileNameOf(databasePath);
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  return Loader(context, *this).Read(text);
}

}  // namespace cvn
