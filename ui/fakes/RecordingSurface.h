// A ControlSurface held in memory: it keeps what the logic set on each
// control and records the drawing calls, for host tests and host runs.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/ControlSurface.h"
#include "util/MemoryList.h"

namespace cvn {

struct RecordedControl {
  std::string text;
  bool enabled = true;
  bool shown = true;
  bool checked = false;
  bool destroyed = false;
  std::optional<FontSpec> font;
  std::optional<int> iconId;
  platform::IconHandle iconHandle = 0;
  std::vector<ListColumn> columns;
  std::unique_ptr<MemoryList> rows;
  std::vector<std::string> lines;
  int horizontalExtent = 0;
  size_t textLimit = 0;  // 0: the edit's default
  int selectedLine = -1;  // as a test chooses it
  int clientWidth = 0;
  std::vector<int> smallImages;
  ControlRect rect;
};

struct DrawnIcon {
  int iconId = 0;
  int left = 0;
  int top = 0;

  bool operator==(const DrawnIcon&) const = default;
};

class RecordingSurface : public ControlSurface {
 public:
  void SetText(int id, const std::string& text) override { Control(id).text = text; }
  std::string GetText(int id) const override;
  void LimitText(int id, size_t characters) override { Control(id).textLimit = characters; }
  void Enable(int id, bool enabled) override { Control(id).enabled = enabled; }
  void Show(int id, bool shown) override { Control(id).shown = shown; }
  void SetCheck(int id, bool checked) override { Control(id).checked = checked; }
  bool GetCheck(int id) const override;
  void SetFont(int id, const FontSpec& font) override { Control(id).font = font; }
  void SetIcon(int id, int iconId) override { Control(id).iconId = iconId; }
  void SetIconHandle(int id, platform::IconHandle icon) override { Control(id).iconHandle = icon; }
  void SetColumns(int id, const std::vector<ListColumn>& columns) override;
  ListSurface* Rows(int id) override;
  int ClientWidth(int id) const override;
  int TextWidth(int, const std::string& text) const override {
    return static_cast<int>(text.size()) * textCharWidth;
  }
  void SetSmallImages(int id, const std::vector<int>& iconIds) override { Control(id).smallImages = iconIds; }
  void AddLine(int id, const std::string& line) override { Control(id).lines.push_back(line); }
  void ClearLines(int id) override { Control(id).lines.clear(); }
  int SelectedLine(int id) const override;
  void SelectLine(int id, int line) override { Control(id).selectedLine = line; }
  void SetHorizontalExtent(int id, int pixels) override { Control(id).horizontalExtent = pixels; }
  ControlRect RectOf(int id) const override;
  void Destroy(int id) override { Control(id).destroyed = true; }
  void StartTimer(int milliseconds) override { timers.push_back(milliseconds); }
  void Invalidate(const ControlRect& rect) override { invalidated.push_back(rect); }
  void DrawIcon(int iconId, int left, int top) override { drawn.push_back({iconId, left, top}); }

  // The control's record, made on first use (as a test prepares it).
  RecordedControl& Control(int id) { return controls_[id]; }
  // The control's record, or null when nothing touched it.
  const RecordedControl* Find(int id) const;

  // The width of every character in TextWidth; 0 measures nothing.
  int textCharWidth = 0;
  std::vector<int> timers;
  std::vector<ControlRect> invalidated;
  std::vector<DrawnIcon> drawn;

 private:
  std::map<int, RecordedControl> controls_;
};

}  // namespace cvn
