// SPDX-License-Identifier: GPL-3.0-or-later
// Differential fuzz harness for the currency operations: every operation on unit counts and
// doubles taken from the input must agree with the slow exact reference of the calculation
// tests, failures included, and the checked division with the flags the hardware raises.
// The combination count, for few steps, must agree with the same steps taken by the reference.
// The input is read as pairs of 64-bit values; each pair also yields doubles near the values
// the operations meet in use (the pair's value as a double, its neighbours, short dyadic
// fractions whose scaled value ends in a tie).
#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "exact_reference.h"
#include "fuzz_check.h"
#include "morvane/binomiale.h"
#include "morvane/checked_division.h"
#include "morvane/currency.h"
#include "morvane/run_time_error.h"

namespace {

namespace reference = morvane::reference;
using morvane::Currency;
using morvane::ErrorKind;
using morvane::RunTimeError;

std::string Units(std::optional<std::int64_t> units) {
  return units ? std::to_string(*units) + " units" : "overflow";
}

std::string Double(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (%a)", x, x);
  return text;
}

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The unit count an operation gives, or nothing when it raises overflow; any other failure
// stops the run.
template <typename Operation>
std::optional<std::int64_t> UnitsOrOverflow(Operation operation) {
  try {
    return operation().units();
  } catch (const RunTimeError& error) {
    MORVANE_FUZZ_CHECK(error.kind() == ErrorKind::kOverflow, "a failure other than overflow");
    return std::nullopt;
  }
}

void CheckSubtract(std::int64_t a, std::int64_t b) {
  const auto got = UnitsOrOverflow([&] { return Currency::FromUnits(a) - Currency::FromUnits(b); });
  const auto expected = reference::Subtract(a, b);
  MORVANE_FUZZ_CHECK(got == expected, std::to_string(a) + " - " + std::to_string(b) +
                                          " units gave " + Units(got) + ", not " + Units(expected));
}

void CheckMultiply(std::int64_t a, std::int64_t b) {
  const auto got = UnitsOrOverflow([&] { return Currency::FromUnits(a) * Currency::FromUnits(b); });
  const auto expected = reference::Multiply(a, b);
  MORVANE_FUZZ_CHECK(got == expected, std::to_string(a) + " * " + std::to_string(b) +
                                          " units gave " + Units(got) + ", not " + Units(expected));
}

void CheckToShort(std::int64_t a) {
  std::optional<std::int16_t> got;
  try {
    got = Currency::FromUnits(a).ToShort();
  } catch (const RunTimeError& error) {
    MORVANE_FUZZ_CHECK(error.kind() == ErrorKind::kOverflow, "ToShort failed otherwise");
  }
  const auto expected = reference::ToShort(a);
  MORVANE_FUZZ_CHECK(got == expected, "ToShort of " + std::to_string(a) + " units gave " +
                                          (got ? std::to_string(*got) : "overflow") + ", not " +
                                          (expected ? std::to_string(*expected) : "overflow"));
}

void CheckFromShort(std::int16_t n) {
  MORVANE_FUZZ_CHECK(Currency::FromShort(n).units() == std::int64_t{n} * 10'000,
                     "FromShort(" + std::to_string(n) + ") is not exact");
}

double CheckToDouble(std::int64_t a) {
  const double got = Currency::FromUnits(a).ToDouble();
  const double expected = reference::ToDouble(a);
  MORVANE_FUZZ_CHECK(SameBits(got, expected), "ToDouble of " + std::to_string(a) + " units gave " +
                                                  Double(got) + ", not " + Double(expected));
  // Whole values, and all values below 2^39, come back unchanged through a double.
  constexpr std::int64_t kExactBelow = (std::int64_t{1} << 39) * Currency::kUnitsPerWhole;
  if (a % Currency::kUnitsPerWhole == 0 || (a > -kExactBelow && a < kExactBelow)) {
    MORVANE_FUZZ_CHECK(UnitsOrOverflow([&] { return Currency::FromDouble(got); }) == a,
                       std::to_string(a) + " units did not survive a double");
  }
  return got;
}

void CheckFromDouble(double x) {
  const auto got = UnitsOrOverflow([&] { return Currency::FromDouble(x); });
  const auto expected = reference::FromDouble(x);
  MORVANE_FUZZ_CHECK(got == expected, "FromDouble(" + Double(x) + ") gave " + Units(got) +
                                          ", not " + Units(expected));
}

// The quotient and whether the division raised invalid operation, division by zero or overflow,
// as the floating-point unit itself tells. The volatile operands keep the division at run time,
// between the clearing and the reading of the flags.
struct HardwareDivision {
  double quotient;
  bool signalled;
};

HardwareDivision DivideOnHardware(double dividend, double divisor) {
  volatile double a = dividend;
  volatile double b = divisor;
  std::feclearexcept(FE_ALL_EXCEPT);
  volatile double quotient = a / b;
  const bool signalled = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW) != 0;
  return {quotient, signalled};
}

void CheckDivide(double dividend, double divisor) {
  const HardwareDivision expected = DivideOnHardware(dividend, divisor);
  bool raised = false;
  double got = 0.0;
  try {
    got = morvane::CheckedDivide(dividend, divisor);
  } catch (const RunTimeError& error) {
    MORVANE_FUZZ_CHECK(error.kind() == ErrorKind::kFloatingPoint,
                       "a failure other than floating point");
    raised = true;
  }
  const std::string division = Double(dividend) + " / " + Double(divisor);
  MORVANE_FUZZ_CHECK(raised == expected.signalled,
                     division + (raised ? " raised" : " did not raise"));
  MORVANE_FUZZ_CHECK(raised || SameBits(got, expected.quotient) ||
                         (std::isnan(got) && std::isnan(expected.quotient)),
                     division + " gave " + Double(got) + ", not " + Double(expected.quotient));
}

// The combination count taken step by step with the reference operations.
std::optional<std::int64_t> ReferenceBinomiale(std::int64_t n, std::int64_t k) {
  const auto steps = reference::ToShort(k);
  if (!steps) return std::nullopt;
  std::int64_t w = Currency::kUnitsPerWhole;
  for (int i = 1; i <= *steps; ++i) {
    const auto d = reference::Subtract(k, std::int64_t{i} * Currency::kUnitsPerWhole);
    const auto f = d ? reference::Subtract(n, *d) : std::nullopt;
    const auto p = f ? reference::Multiply(w, *f) : std::nullopt;
    if (!p) return std::nullopt;
    // i >= 1 and the dividend is finite: the division cannot signal.
    const auto q = reference::FromDouble(reference::ToDouble(*p) / i);
    if (!q || i == std::numeric_limits<std::int16_t>::max()) return std::nullopt;
    w = *q;
  }
  return w;
}

void CheckBinomiale(std::int64_t n, std::int64_t k) {
  const auto got = UnitsOrOverflow(
      [&] { return morvane::Binomiale(Currency::FromUnits(n), Currency::FromUnits(k)); });
  const auto expected = ReferenceBinomiale(n, k);
  MORVANE_FUZZ_CHECK(got == expected, "Binomiale of " + std::to_string(n) + " and " +
                                          std::to_string(k) + " units gave " + Units(got) +
                                          ", not " + Units(expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (; size >= 16; data += 16, size -= 16) {
    std::int64_t a = 0;
    std::int64_t b = 0;
    std::memcpy(&a, data, 8);
    std::memcpy(&b, data + 8, 8);

    CheckSubtract(a, b);
    CheckMultiply(a, b);
    // A factor of 0.5 makes every odd unit count a tie.
    CheckMultiply(a, 5'000);
    CheckMultiply(a, -5'000);
    CheckToShort(a);
    CheckFromShort(static_cast<std::int16_t>(b));

    const double a_double = CheckToDouble(a);
    CheckFromDouble(a_double);
    CheckFromDouble(std::nextafter(a_double, -HUGE_VAL));
    CheckFromDouble(std::nextafter(a_double, HUGE_VAL));
    CheckFromDouble(std::bit_cast<double>(b));
    // m * 2^e with m below 2^53 and a small e: x * 10,000 often ends in exactly one half.
    CheckFromDouble(std::ldexp(static_cast<double>(b >> 11), static_cast<int>(a & 127) - 100));

    CheckDivide(std::bit_cast<double>(a), std::bit_cast<double>(b));
    CheckDivide(a_double, static_cast<double>(static_cast<std::int16_t>(b)));

    // Few steps: K below 201 in magnitude, N any count or one below 1,000,000.
    const std::int64_t k = b % (201 * Currency::kUnitsPerWhole);
    CheckBinomiale(a, k);
    CheckBinomiale(a % (1'000'000 * Currency::kUnitsPerWhole), k);
  }
  return 0;
}
