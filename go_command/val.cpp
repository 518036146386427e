// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/val.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>

#include "morvane/number_lexis.h"
#include "morvane/run_time_error.h"

namespace morvane {
namespace {

// Exponents are clamped here while they are read: for any text that fits in memory, an exponent
// this large already puts the value far outside the range of a double, and the clamp keeps the
// arithmetic on the decimal exponent well inside 64 bits.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000'000;

// A value whose first significant digit stands at 10^(lead - 1) lies in [10^(lead-1), 10^lead).
// Above kOverflowLead it exceeds the largest double; below kUnderflowLead it is less than half
// the smallest subnormal and rounds to zero.
constexpr std::int64_t kOverflowLead = 309;
constexpr std::int64_t kUnderflowLead = -323;

// Walks the text, stepping over blanks.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  // The next non-blank character, or '\0' at the end of the text (NUL ends the number anyway).
  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Advance() { ++pos_; }

  // Takes the run of digits after the next blanks, up to the next non-digit; empty when the
  // next non-blank character is no digit. Taking whole runs keeps long texts fast.
  std::string_view TakeDigits() {
    Peek();
    const std::string_view run = text_.substr(pos_, DigitRun(text_.substr(pos_)));
    pos_ += run.size();
    return run;
  }

  // Whether the text holds nothing more after what has been read, blanks aside.
  bool AtEnd() {
    Peek();
    return pos_ == text_.size();
  }
  std::size_t position() const { return pos_; }
  void Seek(std::size_t position) { pos_ = position; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The number at the start of a text, as read: its value is significant * 10^scale.
struct ReadNumber {
  bool any_digit = false;
  bool negative = false;
  // The digits from the first non-zero one on, so leading zeros cost nothing and the buffer
  // stays compact.
  std::string significant;
  std::int64_t scale = 0;
};

// Reads the number at the cursor and leaves the cursor just after it: an "e" that no digit
// follows is not part of it.
ReadNumber Read(Cursor& cursor) {
  ReadNumber number;
  if (cursor.Peek() == '-' || cursor.Peek() == '+') {
    number.negative = cursor.Peek() == '-';
    cursor.Advance();
  }

  bool seen_point = false;
  for (;;) {
    if (std::string_view run = cursor.TakeDigits(); !run.empty()) {
      number.any_digit = true;
      if (seen_point) number.scale -= static_cast<std::int64_t>(run.size());
      if (number.significant.empty()) {
        run.remove_prefix(std::min(run.find_first_not_of('0'), run.size()));
      }
      number.significant += run;
    } else if (cursor.Peek() == '.' && !seen_point) {
      seen_point = true;
      cursor.Advance();
    } else {
      break;
    }
  }
  if (!number.any_digit) return number;

  // An "e" belongs to the number only when at least one digit follows it (after an optional
  // sign); otherwise the number ends before the "e", and nothing after it matters.
  const std::size_t before_exponent = cursor.position();
  if (cursor.Peek() == 'e' || cursor.Peek() == 'E') {
    cursor.Advance();
    bool exponent_negative = false;
    if (cursor.Peek() == '-' || cursor.Peek() == '+') {
      exponent_negative = cursor.Peek() == '-';
      cursor.Advance();
    }
    std::int64_t exponent = 0;
    bool any_exponent_digit = false;
    for (std::string_view run = cursor.TakeDigits(); !run.empty(); run = cursor.TakeDigits()) {
      any_exponent_digit = true;
      for (const char c : run) {
        if (exponent >= kExponentClamp) break;
        exponent = exponent * 10 + (c - '0');
      }
    }
    if (!any_exponent_digit) cursor.Seek(before_exponent);
    number.scale += exponent_negative ? -exponent : exponent;
  }
  return number;
}

}  // namespace

bool IsWholeNumber(std::string_view text) {
  Cursor cursor(text);
  return Read(cursor).any_digit && cursor.AtEnd();
}

double Val(std::string_view text) {
  Cursor cursor(text);
  ReadNumber number = Read(cursor);
  if (!number.any_digit) return 0.0;
  const bool negative = number.negative;
  std::string& significant = number.significant;
  std::int64_t scale = number.scale;

  const double zero = negative ? -0.0 : 0.0;
  if (significant.empty()) return zero;

  // Trailing zeros only lengthen the work of the conversion.
  const std::size_t last = significant.find_last_not_of('0');
  scale += static_cast<std::int64_t>(significant.size() - 1 - last);
  significant.resize(last + 1);

  const std::int64_t lead = static_cast<std::int64_t>(significant.size()) + scale;
  if (lead > kOverflowLead) RaiseOverflow();
  if (lead < kUnderflowLead) return zero;

  significant.push_back('e');
  significant += std::to_string(scale);
  double magnitude = 0.0;
  const std::errc error =
      std::from_chars(significant.data(), significant.data() + significant.size(), magnitude).ec;
  // Between the two bounds above only the values nearest to them can still fall out of range;
  // which side they fell out of is told by the sign of lead.
  if (error == std::errc::result_out_of_range) {
    if (lead > 0) RaiseOverflow();
    return zero;
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace morvane
