#include "platform/emulated/HostFile.h"

#include <chrono>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/emulated/CivilTime.h"

namespace cvn::emulated {

std::optional<std::string> ReadHostFile(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return data;
}

std::optional<std::string> ReadHostFilePart(const std::filesystem::path& file, uint64_t offset, size_t length) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  const uint64_t size = std::filesystem::file_size(file, ec);
  if (ec) return std::nullopt;
  if (offset >= size) return std::string();
  std::ifstream in(file, std::ios::binary);
  if (!in || !in.seekg(static_cast<std::streamoff>(offset))) return std::nullopt;
  std::string data(static_cast<size_t>(std::min<uint64_t>(length, size - offset)), '\0');
  in.read(data.data(), static_cast<std::streamsize>(data.size()));
  data.resize(static_cast<size_t>(in.gcount()));
  return data;
}

bool WriteHostFile(const std::filesystem::path& file, std::string_view data) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.close();
  return !out.fail();
}

bool WriteHostFileAtomically(const std::filesystem::path& file, std::string_view data) {
  std::filesystem::path temporary = file;
  temporary += ".new";
  if (!WriteHostFile(temporary, data)) return false;
  std::error_code ec;
  std::filesystem::rename(temporary, file, ec);
  return !ec;
}

platform::FileTime HostLastWriteTime(const std::filesystem::path& path) {
  std::error_code ec;
  const auto written = std::filesystem::last_write_time(path, ec);
  if (ec) return {};
  const auto sinceUnix = std::chrono::floor<std::chrono::duration<int64_t, std::ratio<1, 10'000'000>>>(
      std::chrono::file_clock::to_sys(written).time_since_epoch());
  const int64_t ticks = sinceUnix.count() + static_cast<int64_t>(kUnixEpochTicks);
  return platform::FileTime::FromTicks(ticks < 0 ? 0 : static_cast<uint64_t>(ticks));
}

bool SetHostLastWriteTime(const std::filesystem::path& path, platform::FileTime time) {
  using Ticks = std::chrono::duration<int64_t, std::ratio<1, 10'000'000>>;
  const Ticks sinceUnix(static_cast<int64_t>(time.Ticks()) - static_cast<int64_t>(kUnixEpochTicks));
  const std::chrono::sys_time<Ticks> when(sinceUnix);
  std::error_code ec;
  std::filesystem::last_write_time(
      path, std::chrono::file_clock::from_sys(std::chrono::time_point_cast<std::chrono::nanoseconds>(when)), ec);
  return !ec;
}

}  // namespace cvn::emulated
