// SPDX-License-Identifier: GPL-3.0-or-later
// Morvane for Windows: shows the main window, or the one already running, and runs the
// messages of the main window and its Steps window, each with the keyboard of a dialog (Tab,
// Enter, Space, Escape).
#include <windows.h>

#include <commctrl.h>

#include "morvane/main_window.h"

// The parameters carry the names the platform's declaration gives them.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, PWSTR /*lpCmdLine*/,
                    int nShowCmd) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (morvane::win32::ShowRunningWindow()) return 0;
  const HWND window = morvane::win32::CreateMainWindow(hInstance);
  if (window == nullptr) return 1;
  ShowWindow(window, nShowCmd);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The top-level window the message is for: the main window or the Steps window.
    const HWND top = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (top == nullptr || !IsDialogMessageW(top, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
