// SPDX-License-Identifier: GPL-3.0-or-later
#include "big_integer.h"

#include <algorithm>
#include <cstddef>

namespace morvane {

BigInteger::BigInteger(std::uint64_t value) {
  // Room for the largest operand of DecimalToDouble's comparison, below 5,000 bits, in one
  // allocation.
  limbs_.reserve(160);
  for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
}

BigInteger BigInteger::FromDigits(std::string_view digits) {
  BigInteger n(0);
  // Nine digits at a time: 10^9 fits in a limb.
  while (!digits.empty()) {
    const std::size_t count = std::min<std::size_t>(digits.size(), 9);
    std::uint32_t chunk = 0;
    std::uint32_t scale = 1;
    for (std::size_t i = 0; i < count; ++i) {
      chunk = chunk * 10 + static_cast<std::uint32_t>(digits[i] - '0');
      scale *= 10;
    }
    n.MultiplyAdd(scale, chunk);
    digits.remove_prefix(count);
  }
  return n;
}

void BigInteger::MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : limbs_) {
    carry += std::uint64_t{limb} * factor;
    limb = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
}

void BigInteger::MultiplyByPowerOfFive(std::int64_t exponent) {
  constexpr std::uint32_t kFiveToThe13 = 1'220'703'125;  // the largest power of five in a limb
  for (; exponent >= 13; exponent -= 13) MultiplyAdd(kFiveToThe13, 0);
  std::uint32_t rest = 1;
  for (; exponent > 0; --exponent) rest *= 5;
  MultiplyAdd(rest, 0);
}

void BigInteger::ShiftLeft(std::int64_t bits) {
  if (limbs_.empty()) return;
  const auto whole = static_cast<std::size_t>(bits / 32);
  const int part = static_cast<int>(bits % 32);
  if (part != 0) {
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint32_t next = limb >> (32 - part);
      limb = (limb << part) | carry;
      carry = next;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), whole, 0);
}

std::string BigInteger::ToDecimal() const {
  // Nine digits at a time, from the lowest, by dividing a copy by 10^9.
  constexpr std::uint32_t kBillion = 1'000'000'000;
  std::vector<std::uint32_t> rest = limbs_;
  std::string digits;
  while (!rest.empty()) {
    std::uint64_t remainder = 0;
    for (std::size_t i = rest.size(); i-- > 0;) {
      const std::uint64_t current = (remainder << 32) | rest[i];
      rest[i] = static_cast<std::uint32_t>(current / kBillion);
      remainder = current % kBillion;
    }
    while (!rest.empty() && rest.back() == 0) rest.pop_back();
    for (int i = 0; i < 9 && (remainder != 0 || !rest.empty()); ++i) {
      digits.push_back(static_cast<char>('0' + remainder % 10));
      remainder /= 10;
    }
  }
  if (digits.empty()) digits.push_back('0');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

int Compare(const BigInteger& a, const BigInteger& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

}  // namespace morvane
