// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the window's one table (morvane/form_layout.h) as JSON; the web build runs it under
// node and writes the page's controls and layout from it (web/page_files.py), and the page's
// tests walk it; built natively, it gives the scripts that check the running Qt window what
// to expect. Places are in pixels, the table's twips at 96 dpi (CSS pixels, and the Qt
// window's logical pixels): "place" in the control's container (the frame's children in the
// frame), "client" in the client area.
#include <cstdio>
#include <string>
#include <string_view>

#include "morvane/form_layout.h"

namespace {

namespace form = morvane::form;
constexpr int kCssDpi = 96;

// text as a JSON string; the table's texts are printable ASCII, but a quote or a backslash
// would still come out whole.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string Rect(const form::Rect& rect) {
  return "[" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
         std::to_string(rect.width) + "," + std::to_string(rect.height) + "]";
}

// A font size in hundredths of a point, in points: 1425 gives "14.25", 900 gives "9".
std::string Points(int hundredths) {
  std::string points = std::to_string(hundredths / 100);
  if (const int rest = hundredths % 100; rest != 0) {
    points += (rest % 10 == 0 ? "." + std::to_string(rest / 10)
                              : (rest < 10 ? ".0" : ".") + std::to_string(rest));
  }
  return points;
}

std::string_view KindName(form::ControlKind kind) {
  switch (kind) {
    case form::ControlKind::kFrame:
      return "frame";
    case form::ControlKind::kLabel:
      return "label";
    case form::ControlKind::kTextBox:
      return "textbox";
    case form::ControlKind::kButton:
      return "button";
  }
  return "";
}

// The page's id of a control: its name, with the index of a control array ("Label1_0").
std::string PageId(const form::Control& control) {
  return std::string(control.name) +
         (control.index < 0 ? std::string() : "_" + std::to_string(control.index));
}

std::string ControlJson(const form::Control& control) {
  const form::Control* label = form::LabelOf(control);
  return "{\"id\":" + Quoted(PageId(control)) + ",\"kind\":" + Quoted(KindName(control.kind)) +
         ",\"text\":" + Quoted(control.text) +
         ",\"accessibleName\":" + Quoted(control.accessible_name) +
         ",\"label\":" + (label != nullptr ? Quoted(PageId(*label)) : "null") +
         ",\"inFrame\":" + (control.in_frame ? "true" : "false") +
         ",\"place\":" + Rect(form::Pixels(form::Twips(control), kCssDpi)) +
         ",\"client\":" + Rect(form::ClientPixels(control, kCssDpi)) +
         ",\"fontPoints\":" + Points(control.font_hundredths) +
         ",\"tabIndex\":" + std::to_string(control.tab_index) + "}";
}

}  // namespace

int main() {
  std::string json = "{\"caption\":" + Quoted(form::kCaption) + ",\"client\":[" +
                     std::to_string(form::Pixels(form::kClientWidth, kCssDpi)) + "," +
                     std::to_string(form::Pixels(form::kClientHeight, kCssDpi)) +
                     "],\"fontPoints\":" + Points(form::kWindowFontHundredths) + ",\"faces\":[";
  for (const std::string_view face : form::kFaces) {
    if (face != form::kFaces.front()) json += ",";
    json += Quoted(face);
  }
  json += "],\"controls\":[";
  for (const form::Control& control : form::kControls) {
    if (&control != form::kControls.data()) json += ",";
    json += ControlJson(control);
  }
  json += "]}\n";
  return std::fputs(json.c_str(), stdout) < 0 ? 1 : 0;
}
