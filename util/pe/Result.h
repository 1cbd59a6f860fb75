// A value or the reason there is none. Every reader of util/pe returns one,
// with a message that says what was being read and where.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace cvn::pe {

struct Failure {
  std::string message;
};

template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit, like a return value
  Result(Failure failure) : error_(std::move(failure.message)) {}  // NOLINT

  bool Ok() const { return value_.has_value(); }
  explicit operator bool() const { return Ok(); }
  const T& Value() const& { return *value_; }
  T& Value() & { return *value_; }
  T&& Value() && { return std::move(*value_); }
  const T& operator*() const { return *value_; }
  const T* operator->() const { return &*value_; }
  // Empty when there is a value.
  const std::string& Error() const { return error_; }

 private:
  std::optional<T> value_;
  std::string error_;
};

}  // namespace cvn::pe
