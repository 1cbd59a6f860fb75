// The controls of one dialog or page as the page logic sees them, keyed by
// their control numbers. The Win32 view binds it to the real controls; the
// host tests bind it to RecordingSurface.
#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"
#include "util/ListSurface.h"

namespace cvn {

// A font asked for by name, size in points and style; the view creates it
// for the screen's vertical resolution.
struct FontSpec {
  std::string face;
  int points = 0;
  bool italic = false;
  bool defaultPitch = false;  // the italic name font asks for default pitch

  bool operator==(const FontSpec&) const = default;
};

// Icons a control can show: a program icon resource number, or one of the
// system's own icons.
namespace icon {
inline constexpr int kSystemInformation = -1;
inline constexpr int kSystemStop = -2;
inline constexpr int kSystemExclamation = -3;
}  // namespace icon

struct ListColumn {
  std::string title;
  int width = 0;  // pixels

  bool operator==(const ListColumn&) const = default;
};

// A rectangle in dialog client coordinates, in pixels.
struct ControlRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const ControlRect&) const = default;
};

// Control number 0 stands for the dialog window itself.
class ControlSurface {
 public:
  virtual ~ControlSurface() = default;

  virtual void SetText(int id, const std::string& text) = 0;
  virtual std::string GetText(int id) const = 0;
  // What the user may type into an edit (EM_LIMITTEXT); a longer text set
  // by SetText is still shown whole.
  virtual void LimitText(int id, size_t characters) = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual void Show(int id, bool shown) = 0;
  // Check boxes and radio buttons.
  virtual void SetCheck(int id, bool checked) = 0;
  virtual bool GetCheck(int id) const = 0;
  virtual void SetFont(int id, const FontSpec& font) = 0;
  virtual void SetIcon(int id, int iconId) = 0;
  // An icon the machine handed out (a file type's icon); 0 clears it.
  virtual void SetIconHandle(int id, platform::IconHandle icon) = 0;

  // Report-style list views: the columns, then the rows with their RowData.
  virtual void SetColumns(int id, const std::vector<ListColumn>& columns) = 0;
  // The rows of list `id`; null when the dialog has no such list.
  virtual ListSurface* Rows(int id) = 0;
  // The client width of a control, in pixels.
  virtual int ClientWidth(int id) const = 0;
  // The width `text` takes in the control's font, in pixels.
  virtual int TextWidth(int id, const std::string& text) const = 0;
  // Gives list `id` a small-image list made of these icon resources, so
  // that a row's image index picks one.
  virtual void SetSmallImages(int id, const std::vector<int>& iconIds) = 0;

  // List boxes and combo boxes: one line each; the width a list box
  // scrolls over.
  virtual void AddLine(int id, const std::string& line) = 0;
  virtual void ClearLines(int id) = 0;
  // The chosen line of a list box or combo box; -1 when none is.
  virtual int SelectedLine(int id) const = 0;
  virtual void SelectLine(int id, int line) = 0;
  virtual void SetHorizontalExtent(int id, int pixels) = 0;

  // Drawing on the dialog itself, for the About animation.
  virtual ControlRect RectOf(int id) const = 0;
  virtual void Destroy(int id) = 0;
  virtual void StartTimer(int milliseconds) = 0;
  virtual void Invalidate(const ControlRect& rect) = 0;
  virtual void DrawIcon(int iconId, int left, int top) = 0;
};

}  // namespace cvn
