#include "config/ApplicationView.h"

#include "config/ApplicationFolder.h"
#include "config/ConfigDatabase.h"
#include "config/Items.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

// The program file that tells the application's bitness; empty without one.
std::string ProgramFile(RunContext& context, const ConfigDatabase& database) {
  const ConfigSection* appInfo = database.GetSection(SectionId::AppInfo);
  for (const char* key : {"AppFileName", "SignatureFileName"}) {
    const std::string* name = FindValue(appInfo, key);
    if (name != nullptr && !name->empty()) return PathSpec(context, "1|" + *name).Text();
  }
  return {};
}

}  // namespace

pe::ImageHeader ReadImageHeader(platform::Machine& machine, const std::string& path) {
  platform::FileSystem& files = machine.Files();
  return pe::ReadImageHeader(
      [&](uint64_t offset, size_t length) { return files.ReadFilePart(path, offset, length); });
}

int BitnessOfBits(int bits) {
  switch (bits) {
    case 16:
      return bitness::k16;
    case 32:
      return bitness::k32;
    case 64:
      return bitness::k64;
    default:
      return bitness::kUnknown;
  }
}

int ImageBitness(platform::Machine& machine, const std::string& path) {
  return BitnessOfBits(ReadImageHeader(machine, path).bits);
}

void SelectApplicationView(RunContext& context, const ConfigDatabase& database) {
  const std::string program = ProgramFile(context, database);
  context.appBitness = program.empty() ? bitness::kUnknown : ImageBitness(context.machine, program);
  context.view = context.appBitness == bitness::k64 ? platform::View::Bits64 : platform::View::Bits32;
  context.machine.Reg().SelectView(context.view);
  platform::FileSystem& files = context.machine.Files();
  files.SelectSystemView(context.view);
  SetSystemFolder(context, files.SystemDirectory());
}

std::string ApplicationViewText(RunContext& context) {
  platform::Strings& texts = context.machine.Texts();
  const int application = context.appBitness == bitness::k64   ? IDS_64_BIT
                          : context.appBitness == bitness::k32 ? IDS_32_BIT
                                                               : IDS_UNKNOWN_BITNESS;
  // 32-bit Windows has one view, whichever was asked for.
  const bool view64 = context.view == platform::View::Bits64 && context.machine.System().WindowsBits() == 64;
  return LoadText(texts, IDS_VIEW_LINE,
                  {LoadText(texts, application), LoadText(texts, view64 ? IDS_64_BIT : IDS_32_BIT)});
}

}  // namespace cvn
