#include "usage/UsageFiles.h"

namespace cvn {

std::optional<std::string> WithExtension(std::string_view path, std::string_view extension) {
  const size_t nameStart = path.find_last_of("\\/:");
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (nameStart != std::string_view::npos && dot < nameStart)) {
    return std::nullopt;
  }
  std::string result(path.substr(0, dot + 1));
  result += extension;
  return result;
}

ReplaceResult ReplaceInOneStep(platform::FileSystem& files, const std::string& target,
                               const std::string& workingCopy, const TextFile& content) {
  ReplaceResult result = ReplaceResult::Replaced;
  if (!files.WriteFile(workingCopy, {})) {
    result = ReplaceResult::CannotCreate;
  } else if (!files.WriteFile(workingCopy, platform::Bytes(content.begin(), content.end()))) {
    result = ReplaceResult::CannotWrite;
  } else if (!files.MoveFile(workingCopy, target, platform::move::kReplaceExisting)) {
    result = ReplaceResult::CannotMove;
  }
  if (result != ReplaceResult::Replaced) files.DeleteFile(workingCopy);
  return result;
}

}  // namespace cvn
