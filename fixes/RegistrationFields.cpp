#include "fixes/RegistrationFields.h"

#include "config/ItemStatus.h"
#include "config/MessageText.h"
#include "config/PathSpec.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {

constexpr int kDetailsServer = 116;
constexpr int kDetailsTypeLibrary = 118;

bool Differs(int subStatus) { return subStatus > substatus::kMatches; }

// The expected side is emphasised only when the registration was found.
RegistrationField Field(std::string actual, std::string expected, int subStatus, bool found) {
  return {std::move(actual), std::move(expected), Differs(subStatus), Differs(subStatus) && found};
}

template <class Array>
bool AnyDiffers(const Array& subStatus) {
  for (const int status : subStatus) {
    if (Differs(status)) return true;
  }
  return false;
}

// IDS_REINSTALL_HINT or IDS_INSTALL_HINT with the thing's name, and the note that a moved file may
// be the cause.
std::string SuggestedAction(platform::Strings& texts, bool found, int thingId, bool moved) {
  std::string action = LoadText(texts, found ? IDS_REINSTALL_HINT : IDS_INSTALL_HINT, {texts.Load(thingId)});
  if (moved) action += texts.Load(IDS_MOVED_NOTE);
  return action;
}

}  // namespace

ServerConfirmation MakeServerFields(RunContext& context, const ServerItem& item, SectionId section,
                                    DialogVariant variant) {
  using A = ServerAspect;
  const bool found = item.SubStatus(A::ServerLocation) != substatus::kNotFound;
  ServerConfirmation fields;
  if (variant == DialogVariant::Details) fields.dialog = kDetailsServer;
  fields.name = item.Name();
  fields.secondText = item.serverFile;
  fields.location = Field(DirectoryForm(item.registeredServerPath), DirectoryForm(item.expectedServerPath),
                          item.SubStatus(A::ServerLocation), found);
  fields.progId = Field(item.foundProgId, item.progId, item.SubStatus(A::ProgId), found);
  fields.version = Field(item.foundVersion, item.version, item.SubStatus(A::Version), found);
  fields.guid = Field(item.foundClsid, FormatGuid(item.clsid), item.SubStatus(A::Clsid), found);
  fields.typeLib = Field(item.foundTypeLib, FormatGuid(item.typeLib), item.SubStatus(A::TypeLib), found);
  if (variant == DialogVariant::Details && AnyDiffers(item.subStatus)) {
    int differing = 0;
    for (const int status : item.subStatus) differing += Differs(status) ? 1 : 0;
    const bool onlyMoved = found && differing == 1 && Differs(item.SubStatus(A::ServerLocation));
    fields.suggestedAction =
        SuggestedAction(context.machine.Texts(), found,
                        section == SectionId::ControlRegistryInfo ? IDS_WORD_CONTROL : IDS_WORD_SERVER, onlyMoved);
    fields.suggestedActionEnabled = true;
  }
  return fields;
}

TypeLibConfirmation MakeTypeLibFields(RunContext& context, const TypeLibItem& item, DialogVariant variant) {
  using A = TypeLibAspect;
  const int name = item.SubStatus(A::Name);
  const int location = item.SubStatus(A::FileLocation);
  const bool found = !(name == substatus::kWrongName && location == substatus::kWrongFolder) &&
                     location != substatus::kNotFound;
  TypeLibConfirmation fields;
  if (variant == DialogVariant::Details) fields.dialog = kDetailsTypeLibrary;
  fields.name = item.Name();
  fields.libraryFile = item.libraryFile;
  fields.libraryName = Field(item.foundName, item.Name(), name, found);
  fields.version = Field(item.foundVersion, item.version, item.SubStatus(A::Version), found);
  fields.location = Field(item.foundFileFolder, item.expectedFileFolder, location, found);
  fields.helpLocation =
      Field(item.foundHelpFolder, item.expectedHelpFolder, item.SubStatus(A::HelpLocation), found);
  if (variant == DialogVariant::Details && AnyDiffers(item.subStatus)) {
    const bool moved = (location == substatus::kWrongFolder ||
                        item.SubStatus(A::HelpLocation) == substatus::kWrongFolder) &&
                       name <= substatus::kMatches && item.SubStatus(A::Version) <= substatus::kMatches;
    const bool notFound = name == substatus::kWrongName && location == substatus::kWrongFolder;
    fields.suggestedAction = SuggestedAction(context.machine.Texts(), !notFound, IDS_WORD_TYPE_LIBRARY, moved);
    fields.suggestedActionEnabled = true;
  }
  return fields;
}

}  // namespace cvn
