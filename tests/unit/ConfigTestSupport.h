// A machine image and a fresh run for the tests of the configuration
// database: arrange the image, then Start(), then load or expand.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config/ConfigDatabase.h"
#include "config/PathSpec.h"
#include "config/RunContext.h"
#include "platform/Types.h"
#include "platform/emulated/ImageBuilder.h"

namespace cvn::test {

class ConfigMachineTest : public ::testing::Test {
 protected:
  // Opens the image arranged so far and makes a fresh run on it.
  void Start() {
    machine_ = image_.Open();
    ASSERT_NE(machine_, nullptr) << image_.Error();
    context_ = std::make_unique<RunContext>(*machine_);
  }

  // Writes a .cdb into the image (before or after Start) and loads it.
  platform::HResult Load(const std::string& path, std::string_view text) {
    image_.File(path, text);
    if (machine_ == nullptr) Start();
    return database_.Load(*context_, path);
  }

  std::string Expanded(std::string_view path) { return PathSpec(*context_, path).Text(); }

  // The texts of the message boxes shown so far.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : machine_->Messages()) texts.push_back(message.text);
    return texts;
  }

  const std::string* Value(SectionId id, const char* key) const {
    return FindValue(database_.GetSection(id), key);
  }

  emulated::ImageBuilder image_;
  std::unique_ptr<emulated::EmulatedMachine> machine_;
  std::unique_ptr<RunContext> context_;
  ConfigDatabase database_;
};

}  // namespace cvn::test
