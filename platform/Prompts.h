// What the user is asked: message boxes, the Open-file dialog, the Shift key
// and the wait cursor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cvn::platform {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel, Yes, No };

// OPENFILENAME flags the core uses.
namespace ofn {
inline constexpr uint32_t kHideReadOnly = 0x00000004;
inline constexpr uint32_t kPathMustExist = 0x00000800;
inline constexpr uint32_t kFileMustExist = 0x00001000;
}  // namespace ofn

struct OpenFileRequest {
  std::string filter;            // "Text (*.txt)|*.txt||", '|' separating the parts
  std::string defaultExtension;  // without the dot
  std::string initialFile;
  uint32_t flags = 0;
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  // MessageBox with the program's title as caption.
  virtual Answer MessageBox(const std::string& text, Buttons buttons, Icon icon) = 0;
  // GetOpenFileName: the chosen full path, or nothing when cancelled.
  virtual std::optional<std::string> OpenFile(const OpenFileRequest& request) = 0;
  // GetKeyState(VK_SHIFT) < 0.
  virtual bool ShiftKeyDown() = 0;
  // The hourglass while long work runs; calls nest.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
};

// Shows the wait cursor for the life of the object.
class WaitCursor {
 public:
  explicit WaitCursor(Prompts& prompts) : prompts_(prompts) { prompts_.BeginWaitCursor(); }
  ~WaitCursor() { prompts_.EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Prompts& prompts_;
};

}  // namespace cvn::platform
