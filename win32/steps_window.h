// SPDX-License-Identifier: GPL-3.0-or-later
// The Steps window: the explanation of the last Go in a window of its own beside the main
// window, read-only and selectable, resizable, hidden again by Escape or its close button.
#pragma once

#include <windows.h>

#include <string>

#include "handles.h"

namespace morvane::win32 {

// One per main window, which it owns (it stays above it and out of the taskbar). The main
// window keeps it modeless: both take input while it is open.
class StepsWindow {
 public:
  StepsWindow() = default;
  StepsWindow(const StepsWindow&) = delete;
  StepsWindow& operator=(const StepsWindow&) = delete;
  ~StepsWindow();

  // Shows text (UTF-8, lines ending in "\n") and brings the window to the front. A closed
  // window opens beside main_window on its screen's work area, sized for text at dpi: wide
  // enough for every line but reason (the one line that wraps, "" for none), tall enough for
  // all of it, shrunk to fit the screen. Either way the text is scrolled to its end, the
  // outcome.
  void Show(HWND main_window, const std::string& text, const std::string& reason, int dpi);

  // Replaces the text of an open window, scrolled to its end (a later Go); a closed one stays
  // closed.
  void Update(const std::string& text);

  bool IsOpen() const { return window_ && IsWindowVisible(window_.get()) != 0; }
  HWND Handle() const { return window_.get(); }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  HWND Box() const { return GetWindow(window_.get(), GW_CHILD); }
  void Create(HWND main_window);
  void SetFont(int dpi);
  // The size of the window's frame that shows text at dpi, reason wrapped.
  SIZE WantedSize(const std::wstring& text, const std::wstring& reason, int dpi) const;
  void Close();

  OwnedWindow window_;
  OwnedFont font_;
};

}  // namespace morvane::win32
