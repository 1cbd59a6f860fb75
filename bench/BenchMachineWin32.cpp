#include "bench/BenchMachine.h"
#include "platform/win32/Win32Machine.h"

namespace cvn::bench {
namespace {

// This machine, with a folder under the temporary folder that goes again
// with the benchmark (the files in it are the benchmark's to delete).
class Win32BenchMachine : public BenchMachine {
 public:
  bool Open(std::string& error) {
    machine_ = platform::win32::CreateWin32Machine();
    folder_ = machine_->Files().TempPath() + "cvnbench\\";
    machine_->Files().CreateDirectory(folder_);
    if (machine_->Files().GetAttributes(folder_) == platform::attr::kInvalid) error = "cannot make " + folder_;
    return error.empty();
  }
  ~Win32BenchMachine() override {
    if (machine_ != nullptr) machine_->Files().RemoveDirectory(folder_);
  }
  platform::Machine& Machine() override { return *machine_; }
  const std::string& Folder() const override { return folder_; }
  const char* Name() const override { return "Windows machine"; }

 private:
  std::unique_ptr<platform::Machine> machine_;
  std::string folder_;
};

}  // namespace

std::unique_ptr<BenchMachine> OpenBenchMachine(std::string& error) {
  auto machine = std::make_unique<Win32BenchMachine>();
  if (!machine->Open(error)) return nullptr;
  return machine;
}

}  // namespace cvn::bench
