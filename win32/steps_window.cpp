// SPDX-License-Identifier: GPL-3.0-or-later
#include "steps_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string_view>

#include "morvane/form_placement.h"
#include "morvane/main_window.h"
#include "morvane/wide_text.h"
#include "window_text.h"

namespace morvane::win32 {
namespace {

constexpr const wchar_t* kClassName = L"MorvaneSteps";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
// No ES_AUTOHSCROLL: the box wraps what is wider than it, which the window's width keeps to the
// reason alone.
constexpr DWORD kBoxStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE |
                            ES_AUTOVSCROLL | ES_READONLY | ES_NOHIDESEL;

// Escape in the box closes the window, whatever the box would make of it.
LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM w_param, LPARAM l_param, UINT_PTR /*id*/,
                         DWORD_PTR /*data*/) {
  if (message == WM_KEYDOWN && w_param == VK_ESCAPE) {
    SendMessageW(GetParent(box), WM_CLOSE, 0, 0);
    return 0;
  }
  return DefSubclassProc(box, message, w_param, l_param);
}

// Lines ending in "\n" as a multi-line edit box breaks them, at "\r\n".
std::wstring WindowsLines(const std::string& text) {
  std::wstring lines;
  for (const wchar_t c : WideFromUtf8(text)) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  return lines;
}

form::Rect FormRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

StepsWindow::~StepsWindow() = default;

void StepsWindow::Create(HWND main_window) {
  const HINSTANCE instance = GetWindowInstance(main_window);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = Proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  window_class.lpszClassName = kClassName;
  RegisterClassExW(&window_class);  // Fails harmlessly when the class exists.
  // Owned by the main window: above it, out of the taskbar, gone with it.
  CreateWindowExW(0, kClassName, LoadedString(instance, kStepsTitle).c_str(), kStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, 0, 0, main_window, nullptr, instance, this);
  if (!window_) return;
  const HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", kBoxStyle, 0, 0, 0, 0,
                                   window_.get(), nullptr, instance, nullptr);
  SetWindowSubclass(box, BoxProc, 0, 0);
}

void StepsWindow::SetFont(int dpi) {
  // The table's columns line up only in a fixed-pitch face.
  font_.reset(CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          CLEARTYPE_QUALITY, FIXED_PITCH | FF_MODERN, L"Consolas"));
  SendMessageW(Box(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

SIZE StepsWindow::WantedSize(const std::wstring& text, const std::wstring& reason, int dpi) const {
  const HWND box = Box();
  const HDC dc = GetDC(box);
  const HGDIOBJ old_font = SelectObject(dc, font_.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  int widest = 0;
  int lines = 0;
  for (std::wstring_view rest = text; !rest.empty();) {
    const std::size_t end = rest.find(L"\r\n");
    const std::wstring_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::wstring_view::npos ? rest.size() : end + 2);
    ++lines;
    if (!reason.empty() && line == reason) continue;
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.data(), static_cast<int>(line.size()), &extent);
    widest = std::max<int>(widest, extent.cx);
  }
  if (!reason.empty() && widest > 0) {
    RECT wrapped{0, 0, widest, 0};
    DrawTextW(dc, reason.c_str(), static_cast<int>(reason.size()), &wrapped,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    lines += std::max<int>(0, wrapped.bottom / std::max<int>(1, metrics.tmHeight) - 1);
  }
  SelectObject(dc, old_font);
  ReleaseDC(box, dc);

  const auto margins = static_cast<DWORD>(SendMessageW(box, EM_GETMARGINS, 0, 0));
  const int edges = 2 * GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi));
  // One character to spare, as the box wraps a line that fills it exactly.
  RECT frame{0, 0,
             widest + LOWORD(margins) + HIWORD(margins) + edges + metrics.tmAveCharWidth +
                 GetSystemMetricsForDpi(SM_CXVSCROLL, static_cast<UINT>(dpi)),
             (lines + 1) * metrics.tmHeight + edges};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, static_cast<UINT>(dpi));
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void StepsWindow::Show(HWND main_window, const std::string& text, const std::string& reason,
                       int dpi) {
  if (!window_) Create(main_window);
  if (!window_) return;
  if (!IsOpen()) {
    SetFont(dpi);
    const SIZE wanted = WantedSize(WindowsLines(text), WideFromUtf8(reason), dpi);
    // Beside the main window, not over what it explains, on the main window's screen.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(main_window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT main_frame{};
    GetWindowRect(main_window, &main_frame);
    const form::Rect place =
        form::PlaceBeside(FormRect(main_frame), {wanted.cx, wanted.cy}, FormRect(monitor.rcWork));
    SetWindowPos(window_.get(), nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(window_.get(), SW_SHOW);
  }
  Update(text);
  SetForegroundWindow(window_.get());
  SetFocus(Box());
}

void StepsWindow::Update(const std::string& text) {
  if (!IsOpen()) return;
  const HWND box = Box();
  SetWindowTextW(box, WindowsLines(text).c_str());
  // The outcome, the count or the reason for the "Error", is what the user asked about: in
  // view at the end, the steps above it.
  const int end = GetWindowTextLengthW(box);
  SendMessageW(box, EM_SETSEL, end, end);
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void StepsWindow::Close() {
  ShowWindow(window_.get(), SW_HIDE);
  // A window manager may hand the focus to no window at all; the main window takes it back.
  SetForegroundWindow(GetWindow(window_.get(), GW_OWNER));
}

LRESULT CALLBACK StepsWindow::Proc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<StepsWindow*>(reinterpret_cast<CREATESTRUCTW*>(l_param)->lpCreateParams);
    self->window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<StepsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, w_param, l_param);
  switch (message) {
    case WM_SIZE:
      MoveWindow(self->Box(), 0, 0, LOWORD(l_param), HIWORD(l_param), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(self->Box());
      return 0;
    case WM_CLOSE:
      self->Close();
      return 0;
    case WM_COMMAND:
      if (LOWORD(w_param) == IDCANCEL) self->Close();
      return 0;
    case WM_DPICHANGED: {
      self->SetFont(HIWORD(w_param));
      const RECT& suggested = *reinterpret_cast<const RECT*>(l_param);
      SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_NCDESTROY:
      // Destroyed with its owner: nothing left to destroy.
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      static_cast<void>(self->window_.release());
      return DefWindowProcW(window, message, w_param, l_param);
    default:
      return DefWindowProcW(window, message, w_param, l_param);
  }
}

}  // namespace morvane::win32
