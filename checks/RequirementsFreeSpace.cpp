#include "checks/RequirementsFreeSpace.h"

#include "checks/SystemProfileMeasure.h"
#include "checks/SystemProfileTempFiles.h"
#include "config/RunContext.h"

namespace cvn {

namespace {
constexpr int kFreeSpaceQuestion = 10092;
}  // namespace

bool FreeDiskSpace(RunContext& context, SystemProfile& measured) {
  platform::Machine& machine = context.machine;
  if (machine.Ask().MessageBox(machine.Texts().Load(kFreeSpaceQuestion), platform::Buttons::YesNo,
                               platform::Icon::Question) != platform::Answer::Yes) {
    return false;
  }
  const platform::WaitCursor wait(machine.Ask());
  for (const TempFolder which :
       {TempFolder::Windows, TempFolder::Netscape, TempFolder::InternetExplorer}) {
    DeleteTemporaryFiles(context, which);
  }
  MeasureTemporarySpace(context, measured);
  MeasureDiskSpace(context, measured);
  return true;
}

}  // namespace cvn
