#pragma once
// Errors from files and parsers are values the caller must look at: both types
// are [[nodiscard]], and reading the value of a failed result stops a debug build.
#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace qm {

struct [[nodiscard]] Status {
  std::string error;  // empty on success
  bool Ok() const { return error.empty(); }
  static Status Success() { return {}; }
  static Status Failure(std::string message) { return {std::move(message)}; }
};

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
  static Result Failure(std::string message) { return Result(std::move(message), 0); }

  bool Ok() const { return value_.has_value(); }
  const T& Value() const {
    assert(value_.has_value() && "Value() of a failed Result");
    return *value_;
  }
  T& Value() {
    assert(value_.has_value() && "Value() of a failed Result");
    return *value_;
  }
  const std::string& Error() const { return error_; }

 private:
  Result(std::string message, int) : error_(std::move(message)) {}
  std::optional<T> value_;
  std::string error_;
};

}  // namespace qm
