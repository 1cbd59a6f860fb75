// A file held open without sharing, the way a running program holds its
// modules: other openers get a sharing violation while it lives.
#pragma once

#include <memory>
#include <string>

namespace cvn::platform::win32 {

class ExclusiveFile {
 public:
  // Null when the file cannot be opened (missing, or already held).
  static std::unique_ptr<ExclusiveFile> Open(const std::string& path);
  ~ExclusiveFile();
  ExclusiveFile(const ExclusiveFile&) = delete;
  ExclusiveFile& operator=(const ExclusiveFile&) = delete;

 private:
  explicit ExclusiveFile(void* handle) : handle_(handle) {}
  void* handle_;  // the HANDLE from CreateFileA
};

}  // namespace cvn::platform::win32
