#include "usage/UsageFiles.h"

namespace cvn {

namespace {

// A usage database written completely holds its "[End]" line (text after
// it is copied unchanged, so it need not be the last one).
bool HasEndLine(const platform::Bytes& bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  for (size_t at = text.find("[End]"); at != std::string_view::npos; at = text.find("[End]", at + 1)) {
    const size_t after = at + 5;
    const bool lineStart = at == 0 || text[at - 1] == '\n';
    if (lineStart && (after == text.size() || text[after] == '\r' || text[after] == '\n')) return true;
  }
  return false;
}

}  // namespace

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
  // Without a replacing move the target is deleted before the move: once it
  // is gone, the complete working copy is all the history there is.
  const bool targetGone = files.GetAttributes(target) == platform::attr::kInvalid;
  if (result != ReplaceResult::Replaced && !(result == ReplaceResult::CannotMove && targetGone)) {
    files.DeleteFile(workingCopy);
  }
  return result;
}

bool RecoverWorkingCopy(platform::FileSystem& files, const std::string& target, const std::string& workingCopy) {
  if (files.GetAttributes(target) != platform::attr::kInvalid) return true;
  const std::optional<platform::Bytes> kept = files.ReadFile(workingCopy);
  if (!kept || !HasEndLine(*kept)) return true;
  return files.MoveFile(workingCopy, target, 0);
}

}  // namespace cvn
