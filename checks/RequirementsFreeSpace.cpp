#include "checks/RequirementsFreeSpace.h"

#include "checks/SystemProfileMeasure.h"
#include "checks/SystemProfileTempFiles.h"
#include "config/MessageText.h"
#include "config/RunContext.h"
#include "config/ValueFormats.h"
#include "resources/StringIds.h"

namespace cvn {

namespace {}  // namespace

bool FreeDiskSpace(RunContext& context, SystemProfile& measured) {
  platform::Machine& machine = context.machine;
  if (machine.Ask().MessageBox(machine.Texts().Load(IDS_FREE_SPACE_QUESTION), platform::Buttons::YesNo,
                               platform::Icon::Question) != platform::Answer::Yes) {
    return false;
  }
  uint64_t freed = 0;
  {
    const platform::WaitCursor wait(machine.Ask());
    for (const TempFolder which :
         {TempFolder::Windows, TempFolder::Netscape, TempFolder::InternetExplorer}) {
      freed += DeleteTemporaryFiles(context, which);
    }
    MeasureTemporarySpace(context, measured);
    MeasureDiskSpace(context, measured);
  }
  const std::string size = FormatSize(static_cast<int64_t>(freed));
  machine.Ask().MessageBox(LoadText(machine.Texts(), IDS_SPACE_FREED, {size}), platform::Buttons::Ok,
                           platform::Icon::Information);
  return true;
}

}  // namespace cvn
