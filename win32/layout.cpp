// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout.h"

namespace morvane::win32 {

RECT PlaceAt(const ControlPlace& place, int dpi) {
  const int left = place.left + (place.in_frame ? kFramePlace.left : 0);
  const int top = place.top + (place.in_frame ? kFramePlace.top : 0);
  const int x = Pixels(left, dpi);
  const int y = Pixels(top, dpi);
  return {x, y, x + Pixels(place.width, dpi), y + Pixels(place.height, dpi)};
}

}  // namespace morvane::win32
