// SPDX-License-Identifier: GPL-3.0-or-later
// The single failure type of Morvane: a run-time error raised by an arithmetic, conversion or
// formatting operation. Callers trap it around a whole statement; nothing returns error codes.
#pragma once

#include <stdexcept>

namespace morvane {

enum class ErrorKind {
  kOverflow,       // a value left the range of its type
  kFloatingPoint,  // a double operation signalled invalid, division by zero or overflow
  kTypeMismatch,   // a text that had to hold a number did not
};

class RunTimeError : public std::runtime_error {
 public:
  explicit RunTimeError(ErrorKind kind);

  ErrorKind kind() const noexcept { return kind_; }

 private:
  ErrorKind kind_;
};

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseFloatingPointError();
[[noreturn]] void RaiseTypeMismatch();

}  // namespace morvane
