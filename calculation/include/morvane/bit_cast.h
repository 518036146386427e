// SPDX-License-Identifier: GPL-3.0-or-later
// BitCast: the object representation of one value read as another type of the same size, as
// std::bit_cast does, over the compiler builtin so that it works with every standard library.
#pragma once

#include <type_traits>

namespace morvane {

// The bits of from, reinterpreted as a To; usable in constant expressions. Both types must be
// trivially copyable and of the same size. libc++ releases before 14 (Emscripten's among them)
// have no std::bit_cast, while GCC and Clang have long had the builtin it is made of.
// Examples: BitCast<std::uint64_t>(1.0) is 0x3ff0'0000'0000'0000; BitCast<double> of that
// gives 1.0 back.
template <typename To, typename From>
requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
         std::is_trivially_copyable_v<From>) constexpr To BitCast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}

}  // namespace morvane
