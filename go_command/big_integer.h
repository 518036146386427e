// SPDX-License-Identifier: GPL-3.0-or-later
// BigInteger: a non-negative integer of any size with the few exact operations that reading
// and writing every digit of a double needs. Internal to the go_command library.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Held in 32-bit limbs from the lowest, without high zero limbs (zero has none). Every
// operation is exact; each costs time linear in the number of limbs, ToDecimal quadratic.
class BigInteger {
 public:
  explicit BigInteger(std::uint64_t value);

  // The value of a run of ASCII digits. Example: "4294967296" is 2^32.
  static BigInteger FromDigits(std::string_view digits);

  // this * factor + addend.
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend);

  // this * 5^exponent, for exponent >= 0.
  void MultiplyByPowerOfFive(std::int64_t exponent);

  // this * 2^bits, for bits >= 0.
  void ShiftLeft(std::int64_t bits);

  // The decimal digits, without leading zeros; "0" for zero. Example: 2^64 gives
  // "18446744073709551616".
  std::string ToDecimal() const;

  // -1, 0 or 1 as a is less than, equal to or greater than b.
  friend int Compare(const BigInteger& a, const BigInteger& b);

 private:
  std::vector<std::uint32_t> limbs_;
};

}  // namespace morvane
