// SPDX-License-Identifier: GPL-3.0-or-later
// The window's half of window_matches_linux.py: types each case of the table file into the real
// N and K boxes, presses Go and compares the result box and its tooltip with the Linux texts,
// under the Regional separators each group of cases names. Prints the first differences and
// exits 1 when there is any.
// The file's lines, fields in hex of their UTF-8: "L", grouping, decimal (the next cases' Regional
// settings); or N, K, the result box's text, the tooltip's text and, for an "Error" whose
// reason is not given, a fifth field.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "morvane/main_window.h"
#include "morvane/wide_text.h"
#include "window_probe.h"

namespace morvane::win32 {
namespace {

std::vector<std::string> HexFields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < line.size(); i += 2) {
    if (line[i] == '\t') {
      fields.emplace_back();
      --i;
    } else if (i + 1 < line.size()) {
      fields.back() += static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16));
    }
  }
  return fields;
}

// As a user types it over what the box held: everything selected, then one character at a
// time; a long text, or one no keyboard types (control characters, surrogate pairs), is pasted
// instead.
void Type(HWND box, const std::string& text) {
  const std::wstring wide = WideFromUtf8(text);
  SendMessageW(box, EM_SETSEL, 0, -1);
  for (const wchar_t c : wide) {
    if (wide.size() > 64 || c < L' ' || c == 0x7F || (c >= 0xD800 && c < 0xE000)) {
      SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
      return;
    }
  }
  if (wide.empty()) SendMessageW(box, WM_CLEAR, 0, 0);
  for (const wchar_t c : wide) SendMessageW(box, WM_CHAR, c, 1);
}

int Run(const char* table_path) {
  std::ifstream table(table_path);
  const HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
  if (!table || window == nullptr) {
    std::printf("cannot read %s or open the window\n", table_path);
    return 2;
  }
  ShowWindow(window, SW_SHOW);
  int compared = 0;
  int differences = 0;
  for (std::string line; std::getline(table, line);) {
    if (line.empty()) continue;
    const std::vector<std::string> fields = HexFields(line.substr(line[0] == 'L' ? 2 : 0));
    if (fields.size() < (line[0] == 'L' ? 2U : 4U)) {
      std::printf("a line of %s has too few fields\n", table_path);
      return 2;
    }
    if (line[0] == 'L') {
      SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, WideFromUtf8(fields[0]).c_str());
      SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, WideFromUtf8(fields[1]).c_str());
      continue;
    }
    Type(ControlOf(window, "txtN"), fields[0]);
    Type(ControlOf(window, "txtK"), fields[1]);
    SendMessageW(ControlOf(window, "cmdGo"), BM_CLICK, 0, 0);
    const std::string box = Utf8FromWide(Text(ControlOf(window, "txtResult")));
    const std::string reason = TooltipOf(window);
    ++compared;
    // A fifth field: an "Error" whose reason Linux was not asked for, so any reason will do.
    if (box == fields[2] && (fields.size() > 4 ? !reason.empty() : reason == fields[3])) continue;
    if (++differences <= 20) {
      std::printf("N \"%s\", K \"%s\": window \"%s\" / \"%s\", Linux \"%s\" / \"%s\"\n",
                  fields[0].c_str(), fields[1].c_str(), box.c_str(), reason.c_str(),
                  fields[2].c_str(), fields[3].c_str());
    }
  }
  DestroyWindow(window);
  // The prefix's own settings (English, United States) again for the tests that follow.
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, L",");
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L".");
  std::printf("%d cases compared, %d differences\n", compared, differences);
  return differences == 0 && compared > 0 ? 0 : 1;
}

}  // namespace
}  // namespace morvane::win32

int main(int argc, char** argv) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (argc != 2) {
    std::printf("usage: window_matches_linux TABLE\n");
    return 2;
  }
  return morvane::win32::Run(argv[1]);
}
