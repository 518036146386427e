// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the fuzz harnesses: a check that stops the run with a message, the cutting of
// an input into fields, and plain models of the number texts the harnesses look at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::fuzz {

// Prints what failed and aborts, which libFuzzer and the corpus replay both report as a finding.
[[noreturn]] inline void FailCheck(const char* condition, const char* file, int line,
                                   const std::string& detail) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n  %s\n", file, line, condition, detail.c_str());
  std::fflush(stderr);
  std::abort();
}

// The detail, any expression giving a std::string, is only built when the check fails.
#define MORVANE_FUZZ_CHECK(condition, detail)                                               \
  do {                                                                                      \
    if (!(condition)) ::morvane::fuzz::FailCheck(#condition, __FILE__, __LINE__, (detail)); \
  } while (false)

// The text with every byte outside printable ASCII written as \xHH, at most limit bytes of it.
inline std::string Escaped(std::string_view text, std::size_t limit = 200) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x20 && byte < 0x7f && byte != '\\' && byte != '"') {
      out.push_back(static_cast<char>(byte));
    } else {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\x";
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0xf]);
    }
  }
  out += text.size() > limit ? "\"... (" + std::to_string(text.size()) + " bytes)" : "\"";
  return out;
}

// The input cut at its first count - 1 line feeds: the last field takes everything after the
// last cut, line feeds included. Missing fields are empty. Keeps the starting corpus readable
// ("DECIMAL\nTHOUSANDS\nTEXT").
inline std::vector<std::string_view> CutFields(const std::uint8_t* data, std::size_t size,
                                               std::size_t count) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> fields;
  while (fields.size() + 1 < count) {
    const std::size_t cut = rest.find('\n');
    if (cut == std::string_view::npos) break;
    fields.push_back(rest.substr(0, cut));
    rest.remove_prefix(cut + 1);
  }
  fields.push_back(rest);
  fields.resize(count);
  return fields;
}

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

inline bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// A decimal separator that cannot be mistaken for part of a number's digits or its sign, so a
// number text written with it can be read back only one way.
inline bool IsPlainDecimalSeparator(std::string_view separator) {
  if (separator.empty() || separator.front() == '-') return false;
  for (const char c : separator) {
    if (IsDigit(c)) return false;
  }
  return true;
}

// Whether text is a whole number grouped by thousands: an optional "-", a first group of one to
// three digits, then groups of exactly three digits each after the separator; no leading zero
// except in "0" itself, and no "-0". A separator may hold digits, so each length of the first
// group is tried.
inline bool IsGroupedWhole(std::string_view text, std::string_view thousands) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  if (text.empty() || !IsDigit(text.front())) return false;
  if (text.front() == '0') return text == "0" && !negative;
  for (std::size_t first = 1; first <= 3 && first <= text.size(); ++first) {
    if (!AllDigits(text.substr(0, first))) break;
    std::string_view rest = text.substr(first);
    bool grouped = true;
    while (grouped && !rest.empty()) {
      grouped = rest.starts_with(thousands) && rest.size() >= thousands.size() + 3 &&
                AllDigits(rest.substr(thousands.size(), 3));
      if (grouped) rest.remove_prefix(thousands.size() + 3);
    }
    if (grouped) return true;
  }
  return false;
}

// A number in the general format, cut into its parts.
struct GeneralText {
  bool negative = false;
  std::string_view whole;
  std::string_view decimals;
};

// Reads text written in the general format with a plain decimal separator: an optional "-",
// whole digits without a leading zero (or "0"), and optionally the separator and one to four
// decimals without a trailing zero; "-0" never. Nothing for text of another shape.
inline std::optional<GeneralText> ReadGeneral(std::string_view text, std::string_view decimal) {
  GeneralText parts;
  parts.negative = text.starts_with('-');
  if (parts.negative) text.remove_prefix(1);
  const std::size_t point = text.find(decimal);
  parts.whole = text.substr(0, point);
  if (point != std::string_view::npos) parts.decimals = text.substr(point + decimal.size());
  const bool whole_ok = !parts.whole.empty() && AllDigits(parts.whole) &&
                        (parts.whole.front() != '0' || parts.whole.size() == 1);
  const bool decimals_ok = point == std::string_view::npos ||
                           (!parts.decimals.empty() && parts.decimals.size() <= 4 &&
                            AllDigits(parts.decimals) && parts.decimals.back() != '0');
  const bool zero = parts.whole == "0" && point == std::string_view::npos;
  if (!whole_ok || !decimals_ok || (parts.negative && zero)) return std::nullopt;
  return parts;
}

// digits (no leading zero) written with separator between groups of three, counted from the right.
inline std::string Grouped(std::string_view digits, std::string_view thousands) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i != 0 && (digits.size() - i) % 3 == 0) out += thousands;
    out.push_back(digits[i]);
  }
  return out;
}

// The digits of whole.decimals rounded to a whole number, half away from zero, without leading
// zeros ("0" for zero). whole and decimals hold ASCII digits only, either may be empty.
inline std::string RoundedHalfAway(std::string_view whole, std::string_view decimals) {
  std::string digits(whole);
  bool carry = !decimals.empty() && decimals.front() >= '5';
  for (std::size_t i = digits.size(); carry && i > 0; --i) {
    carry = digits[i - 1] == '9';
    digits[i - 1] = carry ? '0' : static_cast<char>(digits[i - 1] + 1);
  }
  if (carry) digits.insert(digits.begin(), '1');
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace morvane::fuzz
