// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/form_layout.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace morvane::form {

const Control& Find(std::string_view name, int index) {
  for (const Control& control : kControls) {
    if (control.name == name && control.index == index) return control;
  }
  throw std::out_of_range("no control " + std::string(name) + " (" + std::to_string(index) +
                          ") in the window");
}

const Control& Frame() {
  return kControls.back();
}

const Control* LabelOf(const Control& box) {
  if (box.kind != ControlKind::kTextBox) return nullptr;
  for (std::size_t i = 1; i < kControls.size(); ++i) {
    if (&kControls[i] == &box) {
      return kControls[i - 1].kind == ControlKind::kLabel ? &kControls[i - 1] : nullptr;
    }
  }
  return nullptr;
}

Rect Twips(const Control& control) {
  return {control.left, control.top, control.width, control.height};
}

Rect ClientTwips(const Control& control) {
  Rect rect = Twips(control);
  if (control.in_frame) {
    rect.left += Frame().left;
    rect.top += Frame().top;
  }
  return rect;
}

int Pixels(int twips, int dpi) {
  constexpr std::int64_t kTwipsPerInch = 1440;
  const std::int64_t scaled = std::int64_t{twips} * dpi;
  const std::int64_t magnitude = (scaled < 0 ? -scaled : scaled) + kTwipsPerInch / 2;
  const std::int64_t rounded = magnitude / kTwipsPerInch;
  return static_cast<int>(scaled < 0 ? -rounded : rounded);
}

Rect Pixels(const Rect& twips, int dpi) {
  return {Pixels(twips.left, dpi), Pixels(twips.top, dpi), Pixels(twips.width, dpi),
          Pixels(twips.height, dpi)};
}

Rect ClientPixels(const Control& control, int dpi) {
  return Pixels(ClientTwips(control), dpi);
}

}  // namespace morvane::form
