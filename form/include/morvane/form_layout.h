// SPDX-License-Identifier: GPL-3.0-or-later
// The main window described once, for every front end that draws it: its controls in tab order
// with their names, kinds, start texts, accessible names, places in twips and fonts; its caption.
#pragma once

#include <array>
#include <string_view>

namespace morvane::form {

enum class ControlKind { kFrame, kLabel, kTextBox, kButton };

struct Control {
  std::string_view name;  // "txtResult", "cmdGo", "Label1", "txtK", "txtN", "Frame1"
  int index;              // Label1's index (0 for "N:", 1 for "K:"), -1 for the others
  ControlKind kind;
  std::string_view text;             // the start text, or the caption of a button or label
  std::string_view accessible_name;  // what a screen reader calls it; "" for labels and the frame
  // Twips; inside the frame, relative to the frame's top-left corner.
  int left;
  int top;
  int width;
  int height;
  bool in_frame;
  int font_hundredths;  // the font size in hundredths of a point
  int tab_index;        // the designed tab index (labels and the frame take no focus)
};

inline constexpr std::string_view kCaption = "MORVANE";
inline constexpr int kClientWidth = 5760;   // twips
inline constexpr int kClientHeight = 2625;  // twips
inline constexpr int kWindowFontHundredths = 900;
// The window's face, Segoe UI, then the stand-ins a front end takes in this order where it is
// not installed: the closest humanist sans faces Debian ships.
inline constexpr std::array<std::string_view, 4> kFaces{"Segoe UI", "Open Sans", "Noto Sans",
                                                        "DejaVu Sans"};
inline constexpr int kTwipsPerPixelAt96 = 15;

// In tab order, each label just before the box it names, so that a platform naming a box after
// the label created before it (Windows) finds it; labels take no focus, so the focus runs
// txtResult, cmdGo, txtK, txtN and wraps. The frame comes last: created last, it lies below the
// controls drawn over it.
inline constexpr std::array<Control, 7> kControls{{
    {"txtResult", -1, ControlKind::kTextBox, "", "Result", 330, 1470, 4575, 450, true, 1425, 1},
    {"cmdGo", -1, ControlKind::kButton, "Go", "Go", 1680, 360, 3195, 975, true, 1425, 2},
    {"Label1", 1, ControlKind::kLabel, "K:", "", 510, 1020, 240, 330, true, 1125, 5},
    {"txtK", -1, ControlKind::kTextBox, "10", "K", 900, 960, 615, 420, true, 1125, 3},
    {"Label1", 0, ControlKind::kLabel, "N:", "", 480, 420, 270, 330, true, 1125, 6},
    {"txtN", -1, ControlKind::kTextBox, "20", "N", 900, 360, 615, 420, true, 1125, 4},
    {"Frame1", -1, ControlKind::kFrame, "", "", 270, 240, 5235, 2145, false, kWindowFontHundredths,
     0},
}};

struct Rect {
  int left;
  int top;
  int width;
  int height;

  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width;
  int height;

  friend bool operator==(const Size&, const Size&) = default;
};

// The control called name, and for Label1 the one of that index; throws std::out_of_range for
// a name the table does not hold. Find("Label1", 0) is the "N:" label.
const Control& Find(std::string_view name, int index = -1);

// The frame, which holds every control but itself.
const Control& Frame();

// The label just before box in the table, the one that names it; nullptr for a box without one
// (txtResult, cmdGo) and for the labels and the frame.
const Control* LabelOf(const Control& box);

// The control's rectangle as the table gives it, in twips: relative to the frame for the
// controls inside it (where a toolkit makes them the frame's children).
Rect Twips(const Control& control);

// The control's rectangle in the window's client area, in twips: the frame's offset added for
// the controls inside it (where a toolkit makes them the frame's siblings). txtN gives
// {1170, 600, 615, 420}.
Rect ClientTwips(const Control& control);

// Twips to pixels at dpi, rounded to the nearest pixel, halves away from zero, as Windows'
// MulDiv(twips, dpi, 1440) rounds: 3003 twips are 200 pixels at 96 dpi (200.2) and 250 at
// 120 dpi (250.25); 1230 twips at 120 dpi are 102.5 pixels and give 103.
int Pixels(int twips, int dpi);

// A rectangle in twips converted with Pixels, its left, top, width and height each on its own,
// so that at 96 dpi every value is the twips divided by 15 and sizes do not vary with place.
Rect Pixels(const Rect& twips, int dpi);

// Pixels(ClientTwips(control), dpi).
Rect ClientPixels(const Control& control, int dpi);

}  // namespace morvane::form
