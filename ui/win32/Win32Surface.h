// The ControlSurface of a real dialog or property page: each call goes to
// the child control with that number. Fonts it creates live as long as it.
#pragma once

#include "platform/win32/Win32Api.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/ControlSurface.h"
#include "ui/win32/Win32ListView.h"

namespace cvn::win32ui {

class Win32Surface final : public ControlSurface {
 public:
  Win32Surface(HWND dialog, HINSTANCE instance) : dialog_(dialog), instance_(instance) {}
  ~Win32Surface() override;
  Win32Surface(const Win32Surface&) = delete;
  Win32Surface& operator=(const Win32Surface&) = delete;

  void SetText(int id, const std::string& text) override;
  std::string GetText(int id) const override;
  void LimitText(int id, size_t characters) override;
  void Enable(int id, bool enabled) override;
  void Show(int id, bool shown) override;
  void SetCheck(int id, bool checked) override;
  bool GetCheck(int id) const override;
  void SetFont(int id, const FontSpec& font) override;
  void SetIcon(int id, int iconId) override;
  void SetIconHandle(int id, platform::IconHandle icon) override;
  void SetColumns(int id, const std::vector<ListColumn>& columns) override;
  ListSurface* Rows(int id) override;
  int ClientWidth(int id) const override;
  int TextWidth(int id, const std::string& text) const override;
  void SetSmallImages(int id, const std::vector<int>& iconIds) override;
  void AddLine(int id, const std::string& line) override;
  void ClearLines(int id) override;
  int SelectedLine(int id) const override;
  void SelectLine(int id, int line) override;
  void SetHorizontalExtent(int id, int pixels) override;
  ControlRect RectOf(int id) const override;
  void Destroy(int id) override;
  void StartTimer(int milliseconds) override;
  void Invalidate(const ControlRect& rect) override;
  void DrawIcon(int iconId, int left, int top) override;

  // The device context of the WM_PAINT being handled, for DrawIcon.
  void SetPaintDc(HDC dc) { paintDc_ = dc; }
  HWND Window() const { return dialog_; }

  static constexpr UINT_PTR kTimerId = 1;

 private:
  HWND Control(int id) const;
  void PassFocusOn(HWND control) const;
  HICON Icon(int iconId) const;
  HFONT Font(const FontSpec& font);

  HWND dialog_;
  HINSTANCE instance_;
  HDC paintDc_ = nullptr;
  std::vector<std::pair<FontSpec, HFONT>> fonts_;
  std::map<int, std::unique_ptr<Win32ListView>> lists_;
};

// The screen font's metrics; nothing when they cannot be read.
bool ReadScreenFontMetrics(int& avgCharWidth, int& lineHeight);

}  // namespace cvn::win32ui
