// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/form_placement.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

namespace morvane::form {

namespace {

// A rectangle by its edges, right and bottom exclusive; empty (or negative) when they cross.
struct Area {
  int left;
  int top;
  int right;
  int bottom;
};

}  // namespace

Rect PlaceBeside(const Rect& main_frame, Size wanted, const Rect& screen, int gap) {
  enum Side : std::size_t { kRight, kLeft, kBelow, kAbove };
  const int screen_right = screen.left + screen.width;
  const int screen_bottom = screen.top + screen.height;
  // Each side's free area, its edge gap away from the main window's frame.
  const std::array<Area, 4> sides = {
      Area{main_frame.left + main_frame.width + gap, screen.top, screen_right, screen_bottom},
      Area{screen.left, screen.top, main_frame.left - gap, screen_bottom},
      Area{screen.left, main_frame.top + main_frame.height + gap, screen_right, screen_bottom},
      Area{screen.left, screen.top, screen_right, main_frame.top - gap},
  };
  // The part of the window a side shows; a dimension at or below zero where it shows nothing.
  const auto shown = [&wanted, &sides](std::size_t side) {
    const Area& free = sides[side];
    return Size{std::min(wanted.width, free.right - free.left),
                std::min(wanted.height, free.bottom - free.top)};
  };
  const auto score = [&wanted](Size part) {
    return std::pair{part.width == wanted.width, std::int64_t{part.width} * part.height};
  };
  std::optional<std::size_t> best;
  for (const std::size_t side : {kRight, kLeft, kBelow, kAbove}) {
    const Size part = shown(side);
    if (part == wanted) {
      best = side;
      break;
    }
    if (part.width > 0 && part.height > 0 && (!best || score(part) > score(shown(*best)))) {
      best = side;
    }
  }
  // A main window that leaves no room beside it, on a tiny screen: over it, then.
  if (!best) {
    return {screen.left, screen.top, std::min(wanted.width, screen.width),
            std::min(wanted.height, screen.height)};
  }
  // On the edge next to the main window, level with it where the side allows.
  const Area& free = sides[*best];
  const Size part = shown(*best);
  int x = main_frame.left;
  int y = main_frame.top;
  if (*best == kRight) x = free.left;
  if (*best == kLeft) x = free.right - part.width;
  if (*best == kBelow) y = free.top;
  if (*best == kAbove) y = free.bottom - part.height;
  return {std::clamp(x, free.left, free.right - part.width),
          std::clamp(y, free.top, free.bottom - part.height), part.width, part.height};
}

}  // namespace morvane::form
