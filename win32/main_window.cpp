// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "layout.h"
#include "morvane/explain.h"
#include "morvane/go_command.h"
#include "morvane/plain_number.h"
#include "morvane/user_locale.h"
#include "morvane/wide_text.h"
#include "steps_dialog.h"
#include "window_text.h"

namespace morvane::win32 {
namespace {

constexpr const wchar_t* kClassName = L"MorvaneMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr DWORD kExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// The sizes the layout uses, in hundredths of a point: the window's and the two of the controls.
constexpr std::array<int, 3> kFontSizes{kWindowFontHundredths, 1125, 1425};
constexpr int kTooltipWidthTwips = 7200;

HFONT DesignFont(int hundredths_of_point, int dpi) {
  return CreateFontW(-MulDiv(hundredths_of_point, dpi, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                     FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Segoe UI");
}

// What lives as long as the window: its fonts at the current DPI, the tooltip, the owner that
// keeps it out of the taskbar, and the control that had the focus when it was last active.
class MainWindow {
 public:
  MainWindow(HWND owner, ExplainSentences sentences)
      : owner_(owner), sentences_(std::move(sentences)) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() {
    DeleteFonts();
    DestroyWindow(owner_);
  }

  LRESULT Handle(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  void Create(HWND window);
  // Whether Show Steps has a Go to explain: one whose result the box still shows.
  bool CanExplain() const;

 private:
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  void Layout(int dpi);
  void DeleteFonts();
  void Go();
  void SetTooltip(std::wstring text);
  // The result box as the tooltip's tool, with the current text.
  TTTOOLINFOW ResultTool();
  void ShowResultMenu(LPARAM screen_point);
  void Command(int id);
  void CopyPlainNumber();

  HWND window_ = nullptr;
  HWND owner_;
  HWND tooltip_ = nullptr;
  HWND focus_ = nullptr;
  std::array<HFONT, kFontSizes.size()> fonts_{};
  std::wstring tooltip_text_;
  // The explanation's sentences in the user's language, for the tooltip and Show Steps.
  ExplainSentences sentences_;
  // What the last Go read and wrote, which Show Steps explains as the box shows it, whatever
  // the boxes or the Regional settings hold since.
  struct LastGo {
    std::string n_text;
    std::string k_text;
    NumberSeparators separators;
    std::string shown;
  };
  std::optional<LastGo> last_go_;
};

// The result box keeps its own menu from opening: the window opens its own.
LRESULT CALLBACK ResultBoxProc(HWND box, UINT message, WPARAM w_param, LPARAM l_param,
                               UINT_PTR /*id*/, DWORD_PTR /*data*/) {
  if (message == WM_CONTEXTMENU) {
    return SendMessageW(GetParent(box), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), l_param);
  }
  return DefSubclassProc(box, message, w_param, l_param);
}

void MainWindow::Create(HWND window) {
  window_ = window;
  const HINSTANCE instance = GetWindowInstance(window);
  for (const ControlPlace& place : kControls) {
    CreateWindowExW(place.extended_style, place.window_class, place.text,
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | place.style, 0, 0, 0, 0, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), instance, nullptr);
  }
  for (const int box : {kResultBox, kKBox, kNBox}) {
    SendMessageW(Control(box), EM_SETLIMITTEXT, kBoxCapacity, 0);
  }
  SetWindowSubclass(Control(kResultBox), ResultBoxProc, 0, 0);

  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
  TTTOOLINFOW tool = ResultTool();
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  focus_ = Control(kResultBox);
  Layout(static_cast<int>(GetDpiForWindow(window)));
}

TTTOOLINFOW MainWindow::ResultTool() {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(Control(kResultBox));
  tool.lpszText = tooltip_text_.data();
  return tool;
}

void MainWindow::DeleteFonts() {
  for (HFONT& font : fonts_) {
    if (font != nullptr) DeleteObject(font);
    font = nullptr;
  }
}

void MainWindow::Layout(int dpi) {
  DeleteFonts();
  for (std::size_t i = 0; i < kFontSizes.size(); ++i) fonts_[i] = DesignFont(kFontSizes[i], dpi);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[0]), FALSE);
  for (const ControlPlace& place : kControls) {
    const RECT rect = PlaceAt(place, dpi);
    const HWND control = Control(place.id);
    SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < kFontSizes.size(); ++i) {
      if (kFontSizes[i] == place.hundredths_of_point) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[i]), TRUE);
      }
    }
  }
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Pixels(kTooltipWidthTwips, dpi));

  RECT frame{0, 0, Pixels(kClientWidth, dpi), Pixels(kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExtendedStyle, static_cast<UINT>(dpi));
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Go() {
  const std::string n_text = TextOf(Control(kNBox));
  const std::string k_text = TextOf(Control(kKBox));
  const NumberSeparators separators = UserSeparators();
  std::string shown = GoCommand(n_text, k_text, separators);
  SetWindowTextW(Control(kResultBox), WideFromUtf8(shown).c_str());
  SetTooltip(WideFromUtf8(FailureReason(n_text, k_text, separators, sentences_)));
  last_go_ = LastGo{n_text, k_text, separators, std::move(shown)};
}

bool MainWindow::CanExplain() const {
  return last_go_ && TextOf(Control(kResultBox)) == last_go_->shown;
}

void MainWindow::SetTooltip(std::wstring text) {
  tooltip_text_ = std::move(text);
  TTTOOLINFOW tool = ResultTool();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::CopyPlainNumber() {
  const auto plain = PlainNumber(TextOf(Control(kResultBox)), UserSeparators());
  if (!plain || !OpenClipboard(window_)) return;
  EmptyClipboard();
  const std::wstring text = WideFromUtf8(*plain);
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    CopyMemory(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

void MainWindow::ShowResultMenu(LPARAM screen_point) {
  const HWND box = Control(kResultBox);
  SetFocus(box);
  POINT at{GET_X_LPARAM(screen_point), GET_Y_LPARAM(screen_point)};
  if (screen_point == -1) {  // From the keyboard: under the box's top-left corner.
    RECT rect;
    GetWindowRect(box, &rect);
    at = {rect.left, rect.bottom};
  }
  const HMENU menu = CreateResultMenu(window_);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
  DestroyMenu(menu);
}

void MainWindow::Command(int id) {
  const HWND box = Control(kResultBox);
  switch (id) {
    case kUndo:
      SendMessageW(box, WM_UNDO, 0, 0);
      break;
    case kCut:
      SendMessageW(box, WM_CUT, 0, 0);
      break;
    case kCopy:
      SendMessageW(box, WM_COPY, 0, 0);
      break;
    case kPaste:
      SendMessageW(box, WM_PASTE, 0, 0);
      break;
    case kDelete:
      SendMessageW(box, WM_CLEAR, 0, 0);
      break;
    case kSelectAll:
      SendMessageW(box, EM_SETSEL, 0, -1);
      break;
    case kCopyPlainNumber:
      CopyPlainNumber();
      break;
    case kShowSteps:
      if (CanExplain()) {
        ShowSteps(window_, ExplainText(last_go_->n_text, last_go_->k_text, last_go_->separators,
                                       sentences_));
      }
      break;
    default:
      break;
  }
}

LRESULT MainWindow::Handle(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_COMMAND:
      // IDOK is Enter in any box, through IsDialogMessageW.
      if (LOWORD(w_param) == IDOK ||
          (LOWORD(w_param) == kGoButton && HIWORD(w_param) == BN_CLICKED)) {
        Go();
      } else if (LOWORD(w_param) == kResultBox && HIWORD(w_param) == EN_CHANGE) {
        // An edited result is no longer the one the tooltip explains; Go sets it again.
        SetTooltip({});
      } else if (HIWORD(w_param) == 0 && l_param == 0) {
        Command(LOWORD(w_param));
      }
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(w_param) == Control(kResultBox)) ShowResultMenu(l_param);
      return 0;
    case WM_ACTIVATE:
      // Back to the control that had the focus, the result box at first, as a dialog does.
      if (LOWORD(w_param) == WA_INACTIVE) {
        if (const HWND focus = GetFocus(); focus != nullptr && IsChild(window, focus)) {
          focus_ = focus;
        }
      } else if (focus_ != nullptr) {
        SetFocus(focus_);
      }
      return 0;
    case WM_DPICHANGED: {
      Layout(HIWORD(w_param));
      const RECT* suggested = reinterpret_cast<const RECT*>(l_param);
      SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, w_param, l_param);
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(l_param);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete self;  // NOLINT(cppcoreguidelines-owning-memory): the window owns it
    return DefWindowProcW(window, message, w_param, l_param);
  }
  if (self == nullptr) return DefWindowProcW(window, message, w_param, l_param);
  if (message == WM_CREATE) {
    self->Create(window);
    return 0;
  }
  return self->Handle(window, message, w_param, l_param);
}

// Centred, frame and all, on the screen the window is on.
void Centre(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT rect;
  GetWindowRect(window, &rect);
  const RECT& screen = monitor.rcMonitor;
  const int x = screen.left + (screen.right - screen.left - (rect.right - rect.left)) / 2;
  const int y = screen.top + (screen.bottom - screen.top - (rect.bottom - rect.top)) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
  window_class.lpszClassName = kClassName;
  RegisterClassExW(&window_class);  // Fails harmlessly when the class exists.

  // An owned window has no taskbar button; the owner is never shown.
  const HWND owner =
      CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (owner == nullptr) return nullptr;
  auto state = std::make_unique<MainWindow>(owner, LoadedSentences(instance));
  const HWND window = CreateWindowExW(kExtendedStyle, kClassName, L"MORVANE", kStyle, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 0, 0, owner, nullptr, instance, state.get());
  if (window == nullptr) return nullptr;  // WM_NCDESTROY already deleted the state.
  static_cast<void>(state.release());     // Deleted at WM_NCDESTROY.
  Centre(window);
  return window;
}

HMENU CreateResultMenu(HWND main_window) {
  const HWND box = GetDlgItem(main_window, kResultBox);
  const HINSTANCE instance = GetWindowInstance(main_window);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selected = start != end;
  const bool editable = (GetWindowLongW(box, GWL_STYLE) & ES_READONLY) == 0;
  const bool result = PlainNumber(TextOf(box), UserSeparators()).has_value();
  const auto* self =
      reinterpret_cast<const MainWindow*>(GetWindowLongPtrW(main_window, GWLP_USERDATA));
  const bool explainable = self != nullptr && self->CanExplain();

  struct Item {
    MenuCommand command;
    bool enabled;
  };
  const std::array<Item, 8> items{{
      {kUndo, editable && SendMessageW(box, EM_CANUNDO, 0, 0) != 0},
      {kCut, editable && selected},
      {kCopy, selected},
      {kPaste, editable && IsClipboardFormatAvailable(CF_UNICODETEXT) != 0},
      {kDelete, editable && selected},
      {kSelectAll, GetWindowTextLengthW(box) > 0},
      {kCopyPlainNumber, result},
      {kShowSteps, explainable},
  }};
  const HMENU menu = CreatePopupMenu();
  for (const Item& item : items) {
    if (item.command == kUndo + 1 || item.command == kSelectAll ||
        item.command == kCopyPlainNumber) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    AppendMenuW(menu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), item.command,
                LoadedString(instance, item.command).c_str());
  }
  return menu;
}

}  // namespace morvane::win32
