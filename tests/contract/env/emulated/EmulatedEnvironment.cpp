// The contract environment of the host build: a fresh emulated machine per
// test — an English Windows 95 machine in UTC, with drive Z: mapped to the
// host's root so that the build's PE fixtures are reachable as on Wine.
#include <memory>
#include <string>

#include "platform/emulated/ImageBuilder.h"
#include "tests/contract/Contract.h"

namespace cvn::test {
namespace {

constexpr const char* kScratch = "C:\\SCRATCH";

class EmulatedEnvironment final : public ContractEnvironment {
 public:
  explicit EmulatedEnvironment(WindowsWanted wanted) {
    // Wine's en-US date pictures, which differ from Windows 95's own.
    image_.Windows95()
        .Fact("Locale", "ShortDate", "M/d/yyyy")
        .Fact("Locale", "LongDate", "dddd, MMMM d, yyyy")
        .MapDrive('Z', "/")
        .Dir(kScratch);
    if (wanted == WindowsWanted::Windows64) {
      image_.Fact("Windows", "Bits", "64").Fact("Windows", "SystemFolder", "C:\\WINDOWS\\SYSTEM32");
    }
    machine_ = image_.Open();
    if (!machine_) ADD_FAILURE() << "machine image: " << image_.Error();
  }

  platform::Machine& Machine() override { return *machine_; }
  std::string ScratchFolder() override { return kScratch; }
  void HoldOpen(const std::string& path) override { machine_->MarkInUse(path); }
  bool IsWin32() const override { return false; }

 private:
  emulated::ImageBuilder image_;
  std::unique_ptr<emulated::EmulatedMachine> machine_;
};

}  // namespace

std::unique_ptr<ContractEnvironment> MakeContractEnvironment(WindowsWanted wanted) {
  return std::make_unique<EmulatedEnvironment>(wanted);
}

}  // namespace cvn::test
