#include "bench/BenchMachine.h"
#include "platform/emulated/ImageBuilder.h"

namespace cvn::bench {
namespace {

// A Windows 95 image in a temporary folder, removed with the machine.
class EmulatedBenchMachine : public BenchMachine {
 public:
  bool Open(std::string& error) {
    image_.Windows95().Dir("C:\\BENCH");
    machine_ = image_.Open();
    if (machine_ == nullptr) error = image_.Error();
    return machine_ != nullptr;
  }
  platform::Machine& Machine() override { return *machine_; }
  const std::string& Folder() const override { return folder_; }
  const char* Name() const override { return "emulated machine"; }

 private:
  emulated::ImageBuilder image_;
  std::unique_ptr<emulated::EmulatedMachine> machine_;
  const std::string folder_ = "C:\\BENCH\\";
};

}  // namespace

std::unique_ptr<BenchMachine> OpenBenchMachine(std::string& error) {
  auto machine = std::make_unique<EmulatedBenchMachine>();
  if (!machine->Open(error)) return nullptr;
  return machine;
}

}  // namespace cvn::bench
