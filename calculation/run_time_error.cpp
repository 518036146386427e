// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/run_time_error.h"

namespace morvane {
namespace {

const char* MessageFor(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::kOverflow:
      return "Overflow";
    case ErrorKind::kFloatingPoint:
      return "Floating-point error";
    case ErrorKind::kTypeMismatch:
      return "Type mismatch";
  }
  return "Run-time error";
}

}  // namespace

RunTimeError::RunTimeError(ErrorKind kind) : std::runtime_error(MessageFor(kind)), kind_(kind) {}

void RaiseOverflow() {
  throw RunTimeError(ErrorKind::kOverflow);
}
void RaiseFloatingPointError() {
  throw RunTimeError(ErrorKind::kFloatingPoint);
}
void RaiseTypeMismatch() {
  throw RunTimeError(ErrorKind::kTypeMismatch);
}

}  // namespace morvane
