#include "tests/driver/Screenshot.h"

#include <cstdio>
#include <memory>

namespace cvn::uidriver {
namespace {

constexpr WORD kBitsPerPixel = 24;

// A copy of one area of the screen in a bottom-up DIB section. The screen,
// not the window's own DC, because the window belongs to another process.
class ScreenCopy {
 public:
  explicit ScreenCopy(const RECT& area)
      : width_(area.right - area.left), height_(area.bottom - area.top) {
    if (width_ <= 0 || height_ <= 0) return;
    screen_ = ::GetDC(nullptr);
    memory_ = ::CreateCompatibleDC(screen_);
    info_.biSize = sizeof info_;
    info_.biWidth = width_;
    info_.biHeight = height_;
    info_.biPlanes = 1;
    info_.biBitCount = kBitsPerPixel;
    info_.biCompression = BI_RGB;
    info_.biSizeImage = Stride() * static_cast<DWORD>(height_);
    bitmap_ = ::CreateDIBSection(screen_, reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS,
                                 &bits_, nullptr, 0);
    if (memory_ == nullptr || bitmap_ == nullptr) return;
    previous_ = ::SelectObject(memory_, bitmap_);
    copied_ = ::BitBlt(memory_, 0, 0, width_, height_, screen_, area.left, area.top, SRCCOPY) &&
              ::GdiFlush();
  }
  ~ScreenCopy() {
    if (previous_ != nullptr) ::SelectObject(memory_, previous_);
    if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
    if (memory_ != nullptr) ::DeleteDC(memory_);
    if (screen_ != nullptr) ::ReleaseDC(nullptr, screen_);
  }
  ScreenCopy(const ScreenCopy&) = delete;
  ScreenCopy& operator=(const ScreenCopy&) = delete;

  bool Copied() const { return copied_; }
  const BITMAPINFOHEADER& Info() const { return info_; }
  const void* Bits() const { return bits_; }

 private:
  // Rows of a DIB are padded to whole DWORDs.
  DWORD Stride() const { return (static_cast<DWORD>(width_) * kBitsPerPixel / 8 + 3) & ~3u; }

  LONG width_;
  LONG height_;
  BITMAPINFOHEADER info_{};
  HDC screen_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
  bool copied_ = false;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool WriteBmp(const ScreenCopy& copy, const std::string& path) {
  const BITMAPINFOHEADER& info = copy.Info();
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + info.biSizeImage;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  bool written = std::fwrite(&header, sizeof header, 1, file.get()) == 1 &&
                 std::fwrite(&info, sizeof info, 1, file.get()) == 1 &&
                 std::fwrite(copy.Bits(), info.biSizeImage, 1, file.get()) == 1;
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::string& path) {
  RECT area{};
  if (!::GetWindowRect(window, &area)) return false;
  const ScreenCopy copy(area);
  return copy.Copied() && WriteBmp(copy, path);
}

}  // namespace cvn::uidriver
