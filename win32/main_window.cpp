// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/main_window.h"

#include <commctrl.h>
#include <initguid.h>  // Defines oleacc.h's GUIDs here; MinGW's import library has no data.
#include <oleacc.h>
#include <windowsx.h>

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "handles.h"
#include "layout.h"
#include "morvane/form_session.h"
#include "morvane/go_command.h"
#include "morvane/user_locale.h"
#include "morvane/wide_text.h"
#include "steps_window.h"
#include "window_text.h"

namespace morvane::win32 {
namespace {

constexpr const wchar_t* kClassName = L"MorvaneMain";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr DWORD kExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kTooltipWidthTwips = 7200;
// UI Automation's LiveSetting property (UIAutomationClient.h, which MinGW lacks) and its value
// Polite: a reader announces a change of the control when it is done speaking.
constexpr GUID kLiveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

OwnedFont DesignFont(int hundredths_of_point, int dpi) {
  return OwnedFont(CreateFontW(-MulDiv(hundredths_of_point, dpi, 7200), 0, 0, 0, FW_NORMAL, FALSE,
                               FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               WideFromUtf8(form::kFaces.front()).c_str()));
}

// COM for this thread while the window lives, for its screen-reader names.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

// What lives as long as the window: the rules of its session, its fonts at the current DPI, the
// tooltip, the Steps window, the owner that keeps it out of the taskbar, and the control that had
// the focus when it was last active.
class MainWindow {
 public:
  MainWindow(OwnedWindow owner, ExplainSentences sentences)
      : owner_(std::move(owner)), session_(std::move(sentences)) {}

  LRESULT Handle(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
  void Create(HWND window);
  const form::Session& Session() const { return session_; }

 private:
  HWND Control(std::string_view name) const { return ControlOf(window_, name); }
  void Layout(int dpi);
  // The names a screen reader gives the controls, set as Windows documents it for controls
  // without a label before them (dynamic annotation); Windows names the others after their
  // labels too. Wine answers E_NOTIMPL and names the boxes after their labels. The result box
  // is also a polite live region, which readers announce when Go changes it.
  void Annotate();
  void ClearAnnotations();
  void Go();
  void SetTooltip(const std::string& text);
  // The result box as the tooltip's tool, with the current text.
  TTTOOLINFOW ResultTool();
  void ShowResultMenu(LPARAM screen_point);
  void Command(int id);
  void CopyPlainNumber();

  HWND window_ = nullptr;
  OwnedWindow owner_;
  ComScope com_;
  ComOwned<IAccPropServices> annotations_;
  HWND tooltip_ = nullptr;
  HWND focus_ = nullptr;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::array<OwnedFont, form::kControls.size()> fonts_;
  std::wstring tooltip_text_;
  form::Session session_;
  // Set while Go writes the result box, whose EN_CHANGE is then no edit of the user's.
  bool writing_result_ = false;
  StepsWindow steps_;
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
  // In the table's order: each label just before the box it names, as Windows reads them; the
  // frame last, below the controls drawn over it.
  for (const form::Control& control : form::kControls) {
    const KindStyle kind = StyleOf(control.kind);
    CreateWindowExW(kind.extended_style, kind.window_class, WideFromUtf8(control.text).c_str(),
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, 0, 0, 0, 0, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(control))), instance,
                    nullptr);
    if (control.kind == form::ControlKind::kTextBox) {
      SendMessageW(GetDlgItem(window, ControlId(control)), EM_SETLIMITTEXT, kBoxCapacity, 0);
    }
  }
  SetWindowSubclass(Control("txtResult"), ResultBoxProc, 0, 0);
  Annotate();

  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
  TTTOOLINFOW tool = ResultTool();
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  focus_ = Control("txtResult");
  Layout(static_cast<int>(GetDpiForWindow(window)));
}

void MainWindow::Annotate() {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    return;
  }
  annotations_.reset(services);
  for (const form::Control& control : form::kControls) {
    if (control.accessible_name.empty()) continue;
    annotations_->SetHwndPropStr(GetDlgItem(window_, ControlId(control)), OBJID_CLIENT,
                                 CHILDID_SELF, PROPID_ACC_NAME,
                                 WideFromUtf8(control.accessible_name).c_str());
  }
  VARIANT polite{};
  polite.vt = VT_I4;
  polite.lVal = kPolite;
  annotations_->SetHwndProp(Control("txtResult"), OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty,
                            polite);
}

void MainWindow::ClearAnnotations() {
  if (!annotations_) return;
  const std::array<MSAAPROPID, 2> properties{PROPID_ACC_NAME, kLiveSettingProperty};
  for (const form::Control& control : form::kControls) {
    annotations_->ClearHwndProps(GetDlgItem(window_, ControlId(control)), OBJID_CLIENT,
                                 CHILDID_SELF, properties.data(),
                                 static_cast<int>(properties.size()));
  }
}

TTTOOLINFOW MainWindow::ResultTool() {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(Control("txtResult"));
  tool.lpszText = tooltip_text_.data();
  return tool;
}

void MainWindow::Layout(int dpi) {
  dpi_ = dpi;
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    const form::Control& control = form::kControls[i];
    fonts_[i] = DesignFont(control.font_hundredths, dpi);
    const form::Rect rect = form::ClientPixels(control, dpi);
    const HWND handle = GetDlgItem(window_, ControlId(control));
    SetWindowPos(handle, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[i].get()), TRUE);
  }
  // The frame, last in the table, has the window's own font.
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back().get()), FALSE);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, form::Pixels(kTooltipWidthTwips, dpi));

  RECT frame{0, 0, form::Pixels(form::kClientWidth, dpi), form::Pixels(form::kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExtendedStyle, static_cast<UINT>(dpi));
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Go() {
  const form::GoResult result =
      session_.Go(TextOf(Control("txtN")), TextOf(Control("txtK")), UserSeparators());
  const HWND box = Control("txtResult");
  writing_result_ = true;
  SetWindowTextW(box, WideFromUtf8(result.box_text).c_str());
  writing_result_ = false;
  SetTooltip(result.reason);
  // The focus stays where it was (on Go, or in a box after Enter): a screen reader hears the
  // new result as the change of a live region, and an MSAA client as the box's new value.
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, box, OBJID_CLIENT, CHILDID_SELF);
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, box, OBJID_CLIENT, CHILDID_SELF);
  steps_.Update(session_.StepsText());
}

void MainWindow::SetTooltip(const std::string& text) {
  tooltip_text_ = WideFromUtf8(text);
  TTTOOLINFOW tool = ResultTool();
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Puts text on the open clipboard as Unicode text.
void PutOnClipboard(const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  OwnedMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return;
  void* target = GlobalLock(memory.get());
  if (target == nullptr) return;
  CopyMemory(target, text.c_str(), bytes);
  GlobalUnlock(memory.get());
  // Once set, the memory is the clipboard's.
  if (SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr) {
    static_cast<void>(memory.release());
  }
}

void MainWindow::CopyPlainNumber() {
  const auto plain = form::Session::PlainNumber(TextOf(Control("txtResult")), UserSeparators());
  if (!plain || !OpenClipboard(window_)) return;
  EmptyClipboard();
  PutOnClipboard(WideFromUtf8(*plain));
  CloseClipboard();
}

void MainWindow::ShowResultMenu(LPARAM screen_point) {
  const HWND box = Control("txtResult");
  SetFocus(box);
  POINT at{GET_X_LPARAM(screen_point), GET_Y_LPARAM(screen_point)};
  if (screen_point == -1) {  // From the keyboard: under the box's top-left corner.
    RECT rect;
    GetWindowRect(box, &rect);
    at = {rect.left, rect.bottom};
  }
  const OwnedMenu menu(CreateResultMenu(window_));
  TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
}

void MainWindow::Command(int id) {
  const HWND box = Control("txtResult");
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
      if (session_.CanShowSteps()) {
        steps_.Show(window_, session_.StepsText(), session_.StepsReason(), dpi_);
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
          (LOWORD(w_param) == ControlId(form::Find("cmdGo")) && HIWORD(w_param) == BN_CLICKED)) {
        Go();
      } else if (LOWORD(w_param) == ControlId(form::Find("txtResult")) &&
                 HIWORD(w_param) == EN_CHANGE && !writing_result_) {
        session_.ResultEdited();
        SetTooltip(session_.Reason());
      } else if (HIWORD(w_param) == 0 && l_param == 0) {
        Command(LOWORD(w_param));
      }
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(w_param) == Control("txtResult")) ShowResultMenu(l_param);
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
      ClearAnnotations();
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
  OwnedWindow owner(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    instance, nullptr));
  if (!owner) return nullptr;
  const HWND owner_handle = owner.get();
  auto state = std::make_unique<MainWindow>(std::move(owner), LoadedSentences(instance));
  const HWND window = CreateWindowExW(
      kExtendedStyle, kClassName, WideFromUtf8(form::kCaption).c_str(), kStyle, CW_USEDEFAULT,
      CW_USEDEFAULT, 0, 0, owner_handle, nullptr, instance, state.get());
  if (window == nullptr) return nullptr;  // WM_NCDESTROY already deleted the state.
  static_cast<void>(state.release());     // Deleted at WM_NCDESTROY.
  Centre(window);
  return window;
}

int ControlId(const form::Control& control) {
  return kFirstControl + static_cast<int>(&control - form::kControls.data());
}

HWND ControlOf(HWND main_window, std::string_view name) {
  return GetDlgItem(main_window, ControlId(form::Find(name)));
}

bool ShowRunningWindow() {
  const HWND running = FindWindowW(kClassName, nullptr);
  if (running == nullptr) return false;
  if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
  SetForegroundWindow(running);
  return true;
}

HMENU CreateResultMenu(HWND main_window) {
  const HWND box = ControlOf(main_window, "txtResult");
  const HINSTANCE instance = GetWindowInstance(main_window);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selected = start != end;
  const bool editable = (GetWindowLongW(box, GWL_STYLE) & ES_READONLY) == 0;
  const auto* self =
      reinterpret_cast<const MainWindow*>(GetWindowLongPtrW(main_window, GWLP_USERDATA));
  const bool explainable = self != nullptr && self->Session().CanShowSteps();

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
      {kCopyPlainNumber, form::Session::CanCopyPlainNumber(TextOf(box), UserSeparators())},
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
