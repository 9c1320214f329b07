#pragma once
// Errors from files and parsers are values the caller must look at.
#include <optional>
#include <string>
#include <utility>

namespace qm {

struct Status {
  std::string error;  // empty on success
  bool Ok() const { return error.empty(); }
  static Status Success() { return {}; }
  static Status Failure(std::string message) { return {std::move(message)}; }
};

template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
  static Result Failure(std::string message) { return Result(std::move(message), 0); }

  bool Ok() const { return value_.has_value(); }
  const T& Value() const { return *value_; }
  T& Value() { return *value_; }
  const std::string& Error() const { return error_; }

 private:
  Result(std::string message, int) : error_(std::move(message)) {}
  std::optional<T> value_;
  std::string error_;
};

}  // namespace qm
